#include "graphic/printlayout.h"
#include "graphic/printpage.h"
#include "graphic/recordingcanvas.h"
#include "testrecords.h"

#include <gtest/gtest.h>

#include <ostream>

#include <string>
#include <vector>

using testrecords::AddZustand;
using testrecords::Section;
using testrecords::SetStrecke;

namespace {

// On the 1000 x 1000 page: X 49, Y 35, 7 pixels per metre, window 560, xp 166, y0 367.
constexpr int Page = 1000;

using Segment = std::pair<CanvasPoint, CanvasPoint>;

std::vector<Segment> Lines(const RecordingCanvas& canvas) {
    std::vector<Segment> out;
    for (const CanvasCall& c : canvas.ofKind(CanvasOp::LineTo))
        out.push_back({{c.a, c.b}, {c.c, c.d}});
    return out;
}

bool Has(const std::vector<Segment>& lines, Segment s) {
    return std::find(lines.begin(), lines.end(), s) != lines.end();
}

void ExpectTextAt(const RecordingCanvas& canvas, std::string_view text, int x, int y, double points = 0) {
    SCOPED_TRACE(std::string(text));
    const CanvasCall* call = canvas.findText(text);
    ASSERT_NE(call, nullptr);
    EXPECT_EQ(std::pair(call->a, call->b), std::pair(x, y));
    if (points > 0) {
        EXPECT_EQ(call->font.name, "Arial");
        EXPECT_DOUBLE_EQ(call->font.pointSize, points);
    }
}

std::vector<RecordingCanvas> PrintPages(const HaltungRecord& record, const PrintLayout& l) {
    std::vector<RecordingCanvas> pages(static_cast<std::size_t>(l.PrintPageCount));
    for (int j = 0; j < l.PrintPageCount; ++j)
        PrintSectionPage(pages[static_cast<std::size_t>(j)], l, record, j);
    return pages;
}

TEST(PrintPage, CaptionAndRule) {
    const PrintLayout l = PrintLayout::Compute(Page, Page, Section());
    RecordingCanvas canvas;
    PrintPageCaption(canvas, l, l.OuterRect);
    ExpectTextAt(canvas, "BRESK Ingenieure GmbH Berlin", 122, 52, 9);
    EXPECT_TRUE(canvas.hasLine({98, 70}, {975, 70}));
}

struct FooterCase {
    int page, pages;
    std::string_view text;
};

void PrintTo(const FooterCase& c, std::ostream* os) {
    *os << c.text;
}

class Footer : public testing::TestWithParam<FooterCase> {};

TEST_P(Footer, ShowsTitlePageOfPagesAndDate) {
    const PrintLayout l = PrintLayout::Compute(Page, Page, Section());
    RecordingCanvas canvas;
    PrintPageFooter(canvas, l, l.OuterRect, " TELMORA ", GetParam().page, GetParam().pages,
                    PrintDate{5, 3, 2007});
    EXPECT_TRUE(canvas.hasLine({98, 957}, {975, 957}));
    ExpectTextAt(canvas, " TELMORA ", 122, 964, 8);
    ExpectTextAt(canvas, GetParam().text, 490, 964, 8);
    ExpectTextAt(canvas, "05.03.2007", 828, 964, 8);
}

INSTANTIATE_TEST_SUITE_P(Cases, Footer,
                         testing::Values(FooterCase{1, 1, "1 / 1"}, FooterCase{3, 5, "3 / 5"},
                                         FooterCase{12, 999, "12 / 999"}));

TEST(PrintPage, FooterWithoutTitlePrintsNoTitle) {
    const PrintLayout l = PrintLayout::Compute(Page, Page, Section());
    RecordingCanvas canvas;
    PrintPageFooter(canvas, l, l.OuterRect, "", 1, 1, PrintDate{31, 12, 1999});
    EXPECT_EQ(canvas.ofKind(CanvasOp::TextOut).size(), 2u);
    EXPECT_NE(canvas.findText("31.12.1999"), nullptr);
}

TEST(PrintPage, DateFormat) {
    EXPECT_EQ(FormatPrintDate({5, 3, 2007}), "05.03.2007");
    EXPECT_EQ(FormatPrintDate({29, 11, 2026}), "29.11.2026");
    const PrintDate today = TodaysDate();
    EXPECT_GE(today.year, 2024);
    EXPECT_TRUE(today.month >= 1 && today.month <= 12);
}

struct HeaderCase {
    std::string_view richtung;
    std::string_view direction, start, end;
};

void PrintTo(const HeaderCase& c, std::ostream* os) {
    *os << "\"" << c.richtung << "\"";
}

class HeaderTable : public testing::TestWithParam<HeaderCase> {};

TEST_P(HeaderTable, DirectionDecidesTextAndManholeOrder) {
    HaltungRecord r = Section();
    r.untRichtung.assign(GetParam().richtung);
    const PrintLayout l = PrintLayout::Compute(Page, Page, r);
    RecordingCanvas canvas;
    PrintHeaderTable(canvas, l, l.HeaderRect, r, "c:\\daten\\kanal.h");

    const CanvasCall box = canvas.ofKind(CanvasOp::Polygon).at(0);
    EXPECT_EQ(box.points, (std::vector<CanvasPoint>{{98, 105}, {98, 280}, {975, 280}, {975, 105}}));
    const std::vector<Segment> lines = Lines(canvas);
    EXPECT_TRUE(Has(lines, {{98, 161}, {975, 161}}));
    EXPECT_TRUE(Has(lines, {{514, 161}, {514, 234}}));
    EXPECT_TRUE(Has(lines, {{98, 234}, {975, 234}}));

    ExpectTextAt(canvas, "Startschacht", 122, 119, 10);
    ExpectTextAt(canvas, "Endschacht", 122, 136, 10);
    ExpectTextAt(canvas, GetParam().start, 269, 119, 10);
    ExpectTextAt(canvas, GetParam().end, 269, 136, 10);
    ExpectTextAt(canvas, "Unters.richt.", 122, 203, 9);
    ExpectTextAt(canvas, GetParam().direction, 269, 203, 9);
    ExpectTextAt(canvas, "Profilh\xF6he/-breite", 539, 189, 9);
    ExpectTextAt(canvas, "300 / 300 mm", 710, 189, 9);
    ExpectTextAt(canvas, "c:\\daten\\kanal.h", 269, 245, 9);
    ExpectTextAt(canvas, "lfd.Nr. in Datei", 122, 259, 9);
    ExpectTextAt(canvas, "  12", 269, 259, 9);
    ExpectTextAt(canvas, "05.03.2007", 710, 259, 9);
}

INSTANTIATE_TEST_SUITE_P(Cases, HeaderTable,
                         testing::Values(HeaderCase{"U",
                                                    "gegen Flie\xDF"
                                                    "richt.",
                                                    "S200", "S100"},
                                         HeaderCase{"u",
                                                    "gegen Flie\xDF"
                                                    "richt.",
                                                    "S200", "S100"},
                                         HeaderCase{"O",
                                                    "in Flie\xDF"
                                                    "richt.",
                                                    "S100", "S200"}));

TEST(PrintPage, EmptyRecordStillPrintsCaptionsAndRules) {
    const HaltungRecord empty;
    const PrintLayout l = PrintLayout::Compute(Page, Page, empty);
    RecordingCanvas canvas;
    PrintHeaderTable(canvas, l, l.HeaderRect, empty, "");
    for (std::string_view caption : {"Startschacht", "Haltungsbez.", "Material", "Dateiname", "Unters.datum"})
        EXPECT_NE(canvas.findText(caption), nullptr) << caption;
    ExpectTextAt(canvas, " /  mm", 710, 189);
    EXPECT_EQ(Lines(canvas).size(), 3u);
}

TEST(PrintSectionPage, OnePageSectionWithManholesAndDirectionMarks) {
    const HaltungRecord r = Section(20.0); // pipe 19 m = 133 pixels
    const PrintLayout l = PrintLayout::Compute(Page, Page, r);
    RecordingCanvas canvas;
    PrintSectionPage(canvas, l, r, 0);
    const std::vector<Segment> lines = Lines(canvas);

    const CanvasCall* wall = canvas.findLine({163, 360}, {163, 507});
    ASSERT_NE(wall, nullptr);
    EXPECT_EQ(wall->penWidth, 2);
    EXPECT_TRUE(Has(lines, {{168, 360}, {168, 507}}));
    const std::vector<CanvasCall> circles = canvas.ofKind(CanvasOp::Ellipse);
    ASSERT_EQ(circles.size(), 2u);
    EXPECT_EQ(std::vector<int>({circles[0].a, circles[0].b, circles[0].c, circles[0].d}),
              std::vector<int>({156, 353, 175, 367}));
    EXPECT_EQ(std::vector<int>({circles[1].a, circles[1].b, circles[1].c, circles[1].d}),
              std::vector<int>({156, 500, 175, 514})); // centred 0.2 x 20 units below y0
    EXPECT_EQ(circles[1].brush, (Rgb{255, 255, 255}));

    const CanvasCall* triangle = canvas.findLine({82, 367}, {102, 367});
    ASSERT_NE(triangle, nullptr);
    EXPECT_EQ(triangle->penWidth, 2);
    EXPECT_TRUE(Has(lines, {{102, 367}, {92, 381}}));
    EXPECT_TRUE(Has(lines, {{82, 398}, {102, 398}}));
    EXPECT_TRUE(Has(lines, {{102, 398}, {92, 412}}));
    ExpectTextAt(canvas, "UR", 82, 353, 9);
    ExpectTextAt(canvas, "FR", 82, 384, 9);
    EXPECT_EQ(canvas.findText("UR")->penWidth, 1);
    ExpectTextAt(canvas, "S100", 112, 332);
    ExpectTextAt(canvas, "S200", 112, 521);

    ExpectTextAt(canvas, "Entf.", 224, 314, 8);
    ExpectTextAt(canvas, "[m]", 224, 328, 8);
    ExpectTextAt(canvas, "Bilddatei", 896, 314, 8);
    EXPECT_TRUE(Has(lines, {{224, 342}, {975, 342}}));
}

TEST(PrintSectionPage, AgainstTheFlowSwapsNamesAndTurnsTheFlowMark) {
    HaltungRecord r = Section(20.0);
    r.untRichtung.assign("u");
    const PrintLayout l = PrintLayout::Compute(Page, Page, r);
    RecordingCanvas canvas;
    PrintSectionPage(canvas, l, r, 0);
    const std::vector<Segment> lines = Lines(canvas);
    EXPECT_TRUE(Has(lines, {{82, 409}, {102, 409}}));
    EXPECT_TRUE(Has(lines, {{102, 409}, {92, 395}}));
    ExpectTextAt(canvas, "FR", 82, 412);
    ExpectTextAt(canvas, "S200", 112, 332);
    ExpectTextAt(canvas, "S100", 112, 521);
}

TEST(PrintSectionPage, AbortedInspectionHasNoEndCircleButItsName) {
    HaltungRecord r = Section(20.0);
    r.inspektionAbgebrochen = 1;
    const PrintLayout l = PrintLayout::Compute(Page, Page, r);
    RecordingCanvas canvas;
    PrintSectionPage(canvas, l, r, 0);
    EXPECT_EQ(canvas.ofKind(CanvasOp::Ellipse).size(), 1u);
    ExpectTextAt(canvas, "S200", 112, 521);
}

TEST(PrintSectionPage, PipeOverThreePagesWithContinuationMarks) {
    HaltungRecord r = Section(200.0); // pipe 1393 pixels: slices 560, 560, 273
    AddZustand(r, 190.0);             // row at 1330: three pages
    const PrintLayout l = PrintLayout::Compute(Page, Page, r);
    ASSERT_EQ(l.PrintPageCount, 3);
    ASSERT_EQ(l.PipePageCount, 3);
    const std::vector<RecordingCanvas> pages = PrintPages(r, l);

    struct Expect {
        int wallBottom;
        bool markBelow, markAbove, startCircle, endCircle;
    };
    const Expect expect[] = {
        {927, true, false, true, false}, {927, true, true, false, false}, {647, false, true, false, true}};
    for (int j = 0; j < 3; ++j) {
        SCOPED_TRACE(j);
        const std::vector<Segment> lines = Lines(pages[j]);
        EXPECT_TRUE(Has(lines, {{163, 360}, {163, expect[j].wallBottom}}));
        EXPECT_TRUE(Has(lines, {{168, 360}, {168, expect[j].wallBottom}}));
        EXPECT_EQ(Has(lines, {{163, 930}, {163, 937}}), expect[j].markBelow);
        EXPECT_EQ(Has(lines, {{168, 930}, {168, 937}}), expect[j].markBelow);
        EXPECT_EQ(Has(lines, {{163, 356}, {163, 349}}), expect[j].markAbove);
        EXPECT_EQ(Has(lines, {{168, 356}, {168, 349}}), expect[j].markAbove);
        const std::vector<CanvasCall> circles = pages[j].ofKind(CanvasOp::Ellipse);
        EXPECT_EQ(circles.size(), std::size_t(expect[j].startCircle) + std::size_t(expect[j].endCircle));
        EXPECT_EQ(pages[j].findText("UR") != nullptr, j == 0);
        EXPECT_EQ(pages[j].findText("S100") != nullptr, j == 0);
        EXPECT_EQ(pages[j].findText("S200") != nullptr, j == 2);
        EXPECT_NE(pages[j].findText("Entf."), nullptr);
    }
    const CanvasCall end = pages[2].ofKind(CanvasOp::Ellipse).at(0);
    EXPECT_EQ(std::vector<int>({end.a, end.b, end.c, end.d}), std::vector<int>({156, 640, 175, 654}));
    ExpectTextAt(pages[2], "S200", 112, 661);
}

TEST(PrintSectionPage, PipeLongerThanTheRowsIsCutOnTheLastPage) {
    HaltungRecord r = Section(200.0);
    AddZustand(r, 10.0);
    const PrintLayout l = PrintLayout::Compute(Page, Page, r);
    ASSERT_EQ(l.PrintPageCount, 1);
    RecordingCanvas canvas;
    PrintSectionPage(canvas, l, r, 0);
    const std::vector<Segment> lines = Lines(canvas);
    EXPECT_TRUE(Has(lines, {{163, 360}, {163, 927}}));
    EXPECT_TRUE(Has(lines, {{163, 930}, {163, 937}}));
    EXPECT_EQ(canvas.ofKind(CanvasOp::Ellipse).size(), 1u);
    EXPECT_EQ(canvas.findText("S200"), nullptr);
}

TEST(PrintSectionPage, OneMetreSectionHasNoPipe) {
    HaltungRecord r = Section(1.0);
    AddZustand(r, 0.5);
    const PrintLayout l = PrintLayout::Compute(Page, Page, r);
    RecordingCanvas canvas;
    PrintSectionPage(canvas, l, r, 0);
    EXPECT_TRUE(canvas.ofKind(CanvasOp::Ellipse).empty());
    EXPECT_EQ(canvas.findText("S200"), nullptr);
    EXPECT_FALSE(Has(Lines(canvas), {{163, 360}, {163, 367}}));
    EXPECT_NE(canvas.findText("UR"), nullptr);
    EXPECT_NE(canvas.findText("S100"), nullptr);
    EXPECT_NE(canvas.findText("0.50"), nullptr);
}

TEST(PrintSectionPage, BracketsAcrossThreePages) {
    HaltungRecord r = Section(20.0);
    AddZustand(r, 205.0); // row at 1435: windows [0,560) [560,1120) [1120,1470)
    SetStrecke(r, 0, 10.0, 200.0);
    SetStrecke(r, 1, 5.0, StreckeUnset); // begin tick only, later slots still printed
    SetStrecke(r, 2, 1.0, 2.0);
    SetStrecke(r, 3, 3.0, 2.0); // end before begin: begin tick only
    const PrintLayout l = PrintLayout::Compute(Page, Page, r);
    ASSERT_EQ(l.PrintPageCount, 3);
    const std::vector<RecordingCanvas> pages = PrintPages(r, l);

    const std::vector<std::vector<Segment>> expected = {
        {{{151, 437}, {117, 437}},
         {{117, 437}, {117, 927}},
         {{151, 402}, {119, 402}},
         {{151, 374}, {122, 374}},
         {{122, 381}, {151, 381}},
         {{122, 374}, {122, 381}},
         {{151, 388}, {125, 388}}},
        {{{117, 360}, {117, 927}}},
        {{{117, 647}, {151, 647}}, {{117, 360}, {117, 647}}},
    };
    for (int j = 0; j < 3; ++j) {
        SCOPED_TRACE(j);
        std::vector<Segment> brackets;
        for (const Segment& s : Lines(pages[j]))
            if (s.first.x >= 117 && s.first.x <= 151 && s.second.x >= 117 && s.second.x <= 151 &&
                !(s.first.x == 151 && s.second.x == 151))
                brackets.push_back(s);
        EXPECT_EQ(brackets, expected[j]);
    }
}

TEST(PrintSectionPage, LeaderIsCutAtTheLowerEdgeAndEntersAtTheStartLine) {
    HaltungRecord r = Section(20.0);
    for (int i = 0; i < 4; ++i)
        AddZustand(r, 75.0); // station at 525; rows 525, 539, 553, 567: the fourth on page 1
    const PrintLayout l = PrintLayout::Compute(Page, Page, r);
    ASSERT_EQ(l.PrintPageCount, 2);
    const std::vector<RecordingCanvas> pages = PrintPages(r, l);

    const std::vector<Segment> first = Lines(pages[0]);
    EXPECT_TRUE(Has(first, {{185, 892}, {206, 927}}));
    EXPECT_EQ(pages[0].textsEqual("75.00").size(), 3u);

    const std::vector<Segment> second = Lines(pages[1]);
    EXPECT_TRUE(Has(second, {{206, 367}, {210, 374}}));
    EXPECT_TRUE(Has(second, {{210, 374}, {215, 374}}));
    EXPECT_FALSE(Has(second, {{156, 332}, {175, 332}})); // no mark: the station is on page 0
    const std::vector<CanvasCall> rows = pages[1].textsEqual("75.00");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(std::pair(rows[0].a, rows[0].b), std::pair(224, 368));
}

TEST(PrintSectionPage, RowAtTheWindowBoundaryIsOnTheNextPageOnly) {
    HaltungRecord r = Section(20.0);
    AddZustand(r, 80.0); // station and row at 560 = start of page 1
    const PrintLayout l = PrintLayout::Compute(Page, Page, r);
    const std::vector<RecordingCanvas> pages = PrintPages(r, l);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].findText("80.00"), nullptr);
    EXPECT_FALSE(Has(Lines(pages[0]), {{156, 927}, {175, 927}}));
    ASSERT_NE(pages[1].findText("80.00"), nullptr);
    EXPECT_TRUE(Has(Lines(pages[1]), {{156, 367}, {175, 367}}));
    EXPECT_TRUE(Has(Lines(pages[1]), {{185, 367}, {210, 367}}));
}

TEST(PrintSectionPage, NegativeStationIsDrawnOnEveryPage) {
    HaltungRecord r = Section(20.0);
    AddZustand(r, -2.0, "IAB "); // position -14, row at -3
    AddZustand(r, 100.0);
    const PrintLayout l = PrintLayout::Compute(Page, Page, r);
    const std::vector<RecordingCanvas> pages = PrintPages(r, l);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_TRUE(Has(Lines(pages[0]), {{156, 353}, {175, 353}}));
    EXPECT_TRUE(Has(Lines(pages[0]), {{185, 353}, {210, 364}}));
    ExpectTextAt(pages[0], "-2.00", 224, 358);
    EXPECT_TRUE(Has(Lines(pages[1]), {{156, -207}, {175, -207}}));
    ExpectTextAt(pages[1], "-2.00", 224, -201);
    // An "I" code shows no quantities.
    EXPECT_EQ(pages[0].textsEqual("5cm ").size(), 0u);
}

TEST(PrintSectionPage, QuantityColumnsOnPaper) {
    HaltungRecord r = Section(20.0);
    AddZustand(r, 10.0);
    const PrintLayout l = PrintLayout::Compute(Page, Page, r);
    RecordingCanvas canvas;
    PrintSectionPage(canvas, l, r, 0);
    const int y = 431; // trunc(70 + 367 - 0 - 5.25)
    std::vector<int> xs;
    for (const CanvasCall& c : canvas.ofKind(CanvasOp::TextOut))
        if (c.b == y)
            xs.push_back(c.a);
    // xp + 1.2, 2.1, 2.9, 3.4, 8.7, 9.7, 10.7, 11.7, 12.2, 12.9, 14.9 units
    EXPECT_EQ(xs, (std::vector<int>{224, 268, 308, 332, 592, 641, 690, 739, 763, 798, 896}));
}

} // namespace
