#include "graphic/recordingcanvas.h"
#include "graphic/sectiongraphic.h"
#include "testrecords.h"

#include <gtest/gtest.h>

#include <ostream>

#include <climits>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

using testrecords::AddZustand;
using testrecords::Section;
using testrecords::SetStrecke;

namespace {

constexpr Rgb Black{0, 0, 0};
constexpr Rgb White{255, 255, 255};
constexpr Rgb Silver{192, 192, 192};
constexpr Rgb Green{0, 128, 0};
constexpr Rgb DarkRed{128, 0, 0};
constexpr Rgb PipeFill{128, 128, 192};
constexpr Rgb Blue{0, 0, 255};
constexpr Rgb Grey{128, 128, 128};

// At the window width 790 and frame top 50: X0 = 70, Y0 = 200; a 20 m section ends at Yend = 295.
constexpr int X0 = 70, Y0 = 200, YEnd = 295;

RecordingCanvas Draw(const HaltungRecord& record, FrameBounds* frame = nullptr) {
    RecordingCanvas canvas;
    const FrameBounds f = DrawSectionGraphic(record, canvas);
    if (frame)
        *frame = f;
    return canvas;
}

std::vector<CanvasCall> LinesIn(const RecordingCanvas& canvas, Rgb colour) {
    std::vector<CanvasCall> out;
    for (const CanvasCall& c : canvas.ofKind(CanvasOp::LineTo))
        if (c.pen == colour)
            out.push_back(c);
    return out;
}

void ExpectText(const RecordingCanvas& canvas, std::string_view text, int x, int y, Rgb colour) {
    SCOPED_TRACE(std::string(text));
    const CanvasCall* call = canvas.findText(text);
    ASSERT_NE(call, nullptr);
    EXPECT_EQ(call->a, x);
    EXPECT_EQ(call->b, y);
    EXPECT_EQ(call->textColour, colour);
}

struct FrameCase {
    double untLaenge;
    std::vector<double> stations;
    int height;
};

void PrintTo(const FrameCase& c, std::ostream* os) {
    *os << c.untLaenge << " m, " << c.stations.size() << " rows";
}

class FrameHeight : public testing::TestWithParam<FrameCase> {};

TEST_P(FrameHeight, FollowsTheLastRowOrThePipe) {
    HaltungRecord r = Section(GetParam().untLaenge);
    for (double s : GetParam().stations)
        AddZustand(r, s);
    FrameBounds f;
    const RecordingCanvas canvas = Draw(r, &f);
    EXPECT_EQ(f, (FrameBounds{10, 50, 750, GetParam().height}));
    const CanvasCall white = canvas.ofKind(CanvasOp::FillRect).front();
    EXPECT_EQ(white.brush, White);
    EXPECT_EQ(std::vector<int>({white.a, white.b, white.c, white.d}),
              std::vector<int>({11, 51, 759, 50 + GetParam().height - 1}));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FrameHeight,
    testing::Values(FrameCase{20.0, {}, 220},                 // 5 x 20 + 120
                    FrameCase{20.3, {}, 221},                 // trunc(101.5 + 120)
                    FrameCase{10.0, {0, 0, 0, 0, 0, 0}, 255}, // last row at 75 >= 50: 75 + 180
                    FrameCase{3.0, {0, 0}, 195},              // last row at 15 = 5 x 3: the row rule wins
                    FrameCase{0.0, {}, 120},                  // -15 < 0
                    FrameCase{-10.0, {}, 165}));              // -15 >= -50

struct BottomCase {
    double untLaenge;
    std::vector<double> stations;
    int bottom;
};

void PrintTo(const BottomCase& c, std::ostream* os) {
    *os << c.untLaenge << " m, " << c.stations.size() << " rows";
}

class DrawingBottom : public testing::TestWithParam<BottomCase> {};

TEST_P(DrawingBottom, ReachesTheEndManholeNameAndTheLastRow) {
    HaltungRecord r = Section(GetParam().untLaenge);
    for (double s : GetParam().stations)
        AddZustand(r, s);
    EXPECT_EQ(SectionGraphicBottom(r, {}), GetParam().bottom);
}

INSTANTIATE_TEST_SUITE_P(Cases, DrawingBottom,
                         testing::Values(BottomCase{20.0, {}, 335}, // name at 320, frame ends at 270
                                         BottomCase{
                                             10.0, {0, 0, 0, 0, 0, 0}, 305}, // frame ends below the rows
                                         BottomCase{10.0, {9.9}, 285},       // name below the row at 249
                                         BottomCase{-100.0, {}, 215}));      // frame 165 high

TEST(SectionGraphic, BottomFollowsTheRowsDrawnEvenWhenTheRecordsRowPositionIsStale) {
    HaltungRecord r = Section(10.0);
    for (int i = 0; i < 20; ++i)
        AddZustand(r, 0.0);
    r.lastLabelPos = -15;
    EXPECT_EQ(SectionGraphicBottom(r, {}), 200 + 19 * 15 + 9);
}

TEST(SectionGraphic, HeaderRowsInTheirColoursOnSilver) {
    const RecordingCanvas canvas = Draw(Section());
    struct Cell {
        std::string_view text;
        int x, y;
        Rgb colour;
    };
    const Cell cells[] = {
        {"Startschacht", 60, 65, Black},
        {"S100", 140, 65, Green},
        {"Unters.l\xE4nge.", 320, 65, Black},
        {"20.00m", 420, 65, DarkRed},
        {"Videokass.", 620, 65, Black},
        {"V07", 690, 65, DarkRed},
        {"Endschacht", 60, 80, Black},
        {"S200", 140, 80, Green},
        {"Profilart", 320, 80, Black},
        {"0  Kreisprofil", 420, 80, DarkRed},
        {"lfd.Nr.", 620, 80, Black},
        {"  12", 690, 80, DarkRed},
        {"Haltungsbez.", 60, 95, Black},
        {"H4711", 140, 95, DarkRed},
        {"Profilh\xF6he/-breite", 320, 95, Black},
        {"300 / 300 mm", 420, 95, DarkRed},
        {"Unt.datum", 620, 95, Black},
        {"05.03.2007", 690, 95, DarkRed},
        {"Stra\xDF"
         "enname",
         60, 110, Black},
        {"Hauptstra\xDF"
         "e Berlin",
         140, 110, DarkRed},
        {"Material", 320, 110, Black},
        {"STZ  Steinzeug", 420, 110, DarkRed},
    };
    for (const Cell& cell : cells) {
        ExpectText(canvas, cell.text, cell.x, cell.y, cell.colour);
        EXPECT_EQ(canvas.findText(cell.text)->brush, Silver);
        EXPECT_EQ(canvas.findText(cell.text)->font.pixelHeight, 11);
    }
    const std::vector<CanvasCall> fills = canvas.ofKind(CanvasOp::FillRect);
    ASSERT_GE(fills.size(), 2u);
    EXPECT_EQ(std::vector<int>({fills[1].a, fills[1].b, fills[1].c, fills[1].d}),
              std::vector<int>({15, 55, 755, 130}));
    EXPECT_TRUE(canvas.hasLine({15, 55}, {755, 55}));
    EXPECT_TRUE(canvas.hasLine({755, 55}, {755, 130}));
    EXPECT_TRUE(canvas.hasLine({755, 130}, {15, 130}));
    EXPECT_TRUE(canvas.hasLine({15, 130}, {15, 55}));
}

TEST(SectionGraphic, PipeAndManholesToScale) {
    const RecordingCanvas canvas = Draw(Section(20.0));
    const CanvasCall pipe = canvas.ofKind(CanvasOp::FillRect).at(2);
    EXPECT_EQ(pipe.brush, PipeFill);
    EXPECT_EQ(std::vector<int>({pipe.a, pipe.b, pipe.c, pipe.d}), std::vector<int>({67, 190, 73, 305}));
    EXPECT_TRUE(canvas.hasLine({X0 - 2, 190}, {X0 - 2, YEnd + 10}));
    EXPECT_TRUE(canvas.hasLine({X0 + 2, 190}, {X0 + 2, YEnd + 10}));
    const std::vector<CanvasCall> circles = canvas.ofKind(CanvasOp::Ellipse);
    ASSERT_EQ(circles.size(), 2u);
    EXPECT_EQ(std::vector<int>({circles[0].a, circles[0].b, circles[0].c, circles[0].d}),
              std::vector<int>({60, 180, 80, 200}));
    EXPECT_EQ(std::vector<int>({circles[1].a, circles[1].b, circles[1].c, circles[1].d}),
              std::vector<int>({60, 295, 80, 315}));
    EXPECT_EQ(circles[1].brush, PipeFill);
    EXPECT_EQ(circles[1].pen, Black);
}

TEST(SectionGraphic, AbortedInspectionHasNoEndCircleButKeepsTheName) {
    HaltungRecord r = Section(20.0);
    r.inspektionAbgebrochen = 1;
    const RecordingCanvas canvas = Draw(r);
    EXPECT_EQ(canvas.ofKind(CanvasOp::Ellipse).size(), 1u);
    const std::vector<CanvasCall> names = canvas.textsEqual("S200");
    ASSERT_EQ(names.size(), 2u); // header and beside the pipe
    EXPECT_EQ(names[1].a, X0 - 30);
    EXPECT_EQ(names[1].b, YEnd + 25);
    EXPECT_EQ(names[1].textColour, DarkRed);
}

TEST(SectionGraphic, ZeroLengthEndsFivePixelsAboveTheStartLine) {
    const RecordingCanvas canvas = Draw(Section(0.0));
    const std::vector<CanvasCall> circles = canvas.ofKind(CanvasOp::Ellipse);
    ASSERT_EQ(circles.size(), 2u);
    EXPECT_EQ(circles[1].b, Y0 - 5);
}

struct DirectionCase {
    std::string_view richtung;
    std::string_view top, bottom; // manhole at the top of the pipe and below its end
    int nameX;
    CanvasPoint apex; // of the blue flow triangle
    CanvasPoint fr;
};

void PrintTo(const DirectionCase& c, std::ostream* os) {
    *os << "\"" << c.richtung << "\"";
}

class Direction : public testing::TestWithParam<DirectionCase> {};

TEST_P(Direction, PlacesManholesAndTriangles) {
    const DirectionCase& c = GetParam();
    HaltungRecord r = Section(20.0);
    r.untRichtung.assign(c.richtung);
    const RecordingCanvas canvas = Draw(r);

    ExpectText(canvas, "UR", X0 - 52, Y0 - 53, Black);
    for (auto [from, to] : {std::pair<CanvasPoint, CanvasPoint>{{20, 160}, {30, 160}},
                            {{30, 160}, {25, 170}},
                            {{25, 170}, {20, 160}}}) {
        const CanvasCall* line = canvas.findLine(from, to);
        ASSERT_NE(line, nullptr);
        EXPECT_EQ(line->pen, Black);
    }

    const std::vector<CanvasCall> tops = canvas.textsEqual(c.top);
    ASSERT_EQ(tops.size(), 2u);
    EXPECT_EQ(std::pair(tops[0].a, tops[0].b), std::pair(140, 65)); // "Startschacht" value
    EXPECT_EQ(tops[0].textColour, Green);
    EXPECT_EQ(std::pair(tops[1].a, tops[1].b), std::pair(c.nameX, Y0 - 35));
    const std::vector<CanvasCall> bottoms = canvas.textsEqual(c.bottom);
    ASSERT_EQ(bottoms.size(), 2u);
    EXPECT_EQ(std::pair(bottoms[0].a, bottoms[0].b), std::pair(140, 80));
    EXPECT_EQ(std::pair(bottoms[1].a, bottoms[1].b), std::pair(c.nameX, YEnd + 25));

    const CanvasPoint a{X0 - 50, Y0 - 15}, b{X0 - 40, Y0 - 15};
    for (auto [from, to] : {std::pair{a, b}, std::pair{b, c.apex}, std::pair{c.apex, a}}) {
        const CanvasCall* line = canvas.findLine(from, to);
        ASSERT_NE(line, nullptr);
        EXPECT_EQ(line->pen, Blue);
    }
    ExpectText(canvas, "FR", c.fr.x, c.fr.y, Blue);
}

INSTANTIATE_TEST_SUITE_P(Cases, Direction,
                         testing::Values(DirectionCase{"U", "S200", "S100", X0 - 35, {25, 175}, {19, 186}},
                                         DirectionCase{"u", "S200", "S100", X0 - 35, {25, 175}, {19, 186}},
                                         DirectionCase{"O", "S100", "S200", X0 - 30, {25, 195}, {19, 172}},
                                         DirectionCase{"", "S100", "S200", X0 - 30, {25, 195}, {19, 172}}));

TEST(SectionGraphic, BracketsStopAtTheFirstUnsetSlotAndStepInwards) {
    HaltungRecord r = Section(20.0);
    SetStrecke(r, 0, 2.0, 10.0); // d 44
    SetStrecke(r, 1, 12.0, 8.0); // end before begin: begin tick only, d 42
    SetStrecke(r, 2, 4.0, 6.0);  // d 40
    SetStrecke(r, 3, 5.0, StreckeUnset);
    SetStrecke(r, 4, 1.0, 3.0); // after the unset slot: not drawn
    const RecordingCanvas canvas = Draw(r);

    const std::vector<std::pair<CanvasPoint, CanvasPoint>> expected = {
        {{50, 210}, {26, 210}}, {{26, 210}, {26, 250}}, {{26, 250}, {50, 250}}, {{50, 260}, {28, 260}},
        {{50, 220}, {30, 220}}, {{30, 220}, {30, 230}}, {{30, 230}, {50, 230}},
    };
    std::vector<std::pair<CanvasPoint, CanvasPoint>> brackets;
    for (const CanvasCall& c : LinesIn(canvas, Blue))
        if (c.a == X0 - 20 || c.c == X0 - 20 || (c.a == c.c && c.a < X0 - 20))
            brackets.push_back({{c.a, c.b}, {c.c, c.d}});
    EXPECT_EQ(brackets, expected);
}

TEST(SectionGraphic, UnsetBeginInTheFirstSlotDrawsNoBrackets) {
    HaltungRecord r = Section(20.0);
    SetStrecke(r, 0, StreckeUnset, 10.0);
    SetStrecke(r, 1, 2.0, 4.0);
    const RecordingCanvas canvas = Draw(r);
    EXPECT_EQ(LinesIn(canvas, Blue).size(), 3u); // the flow triangle only
}

TEST(SectionGraphic, CaptionsAndRule) {
    const RecordingCanvas canvas = Draw(Section());
    ExpectText(canvas, "Entf.", X0 + 50, Y0 - 50, Black);
    ExpectText(canvas, "[m]", X0 + 50, Y0 - 35, Black);
    ExpectText(canvas, "K\xFCrzel", X0 + 80, Y0 - 50, Black);
    ExpectText(canvas, "A149", X0 + 380, Y0 - 35, Black);
    ExpectText(canvas, "nach", X0 + 500, Y0 - 35, Black);
    ExpectText(canvas, "Bilddatei", X0 + 610, Y0 - 50, Black);
    EXPECT_EQ(canvas.findText("Entf.")->brush, White);
    const CanvasCall* rule = canvas.findLine({X0 + 50, Y0 - 18}, {X0 + 680, Y0 - 18});
    ASSERT_NE(rule, nullptr);
    EXPECT_EQ(rule->pen, Grey);
}

TEST(SectionGraphic, RowsKeepFifteenPixelsApartAndNeverRiseAboveTheirStation) {
    HaltungRecord r = Section(20.0);
    AddZustand(r, 1.0).kuerzel.assign("BAA ");
    AddZustand(r, 2.0).kuerzel.assign("BAB ");
    AddZustand(r, 10.0).kuerzel.assign("BAC ");
    const RecordingCanvas canvas = Draw(r);

    struct Row {
        std::string_view station, code;
        int ys, r;
    };
    const Row rows[] = {{"1.00", "BAA ", 205, 205}, {"2.00", "BAB ", 210, 220}, {"10.00", "BAC ", 250, 250}};
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.station));
        EXPECT_TRUE(canvas.hasLine({X0 - 10, row.ys}, {X0 + 10, row.ys}));
        EXPECT_TRUE(canvas.hasLine({X0 + 15, row.ys}, {X0 + 20, row.ys}));
        EXPECT_TRUE(canvas.hasLine({X0 + 20, row.ys}, {X0 + 40, row.r})); // leader, slanted when ys != r
        EXPECT_TRUE(canvas.hasLine({X0 + 40, row.r}, {X0 + 45, row.r}));
        ExpectText(canvas, row.station, X0 + 47, row.r - 6, Black);
        ExpectText(canvas, row.code, X0 + 80, row.r - 6, Black);
    }
}

struct CodeCase {
    std::string_view kuerzel;
    bool quantities;
};

void PrintTo(const CodeCase& c, std::ostream* os) {
    *os << "\"" << c.kuerzel << "\"";
}

class QuantityColumns : public testing::TestWithParam<CodeCase> {};

TEST_P(QuantityColumns, LeftOutForCodesWithIFirstOrSecond) {
    HaltungRecord r = Section(20.0);
    AddZustand(r, 4.0, GetParam().kuerzel);
    const RecordingCanvas canvas = Draw(r);
    const int y = Y0 + 20 - 6;
    std::vector<int> xs;
    for (const CanvasCall& c : canvas.ofKind(CanvasOp::TextOut))
        if (c.b == y)
            xs.push_back(c.a - X0);
    const std::vector<int> always = {47, 80, 110, 130, 540, 610};
    const std::vector<int> all = {47, 80, 110, 130, 320, 380, 440, 480, 500, 540, 610};
    EXPECT_EQ(xs, GetParam().quantities ? all : always);
}

INSTANTIATE_TEST_SUITE_P(Cases, QuantityColumns,
                         testing::Values(CodeCase{"BAB ", true}, CodeCase{"IAB ", false},
                                         CodeCase{"BIA ", false}, CodeCase{"II  ", false},
                                         CodeCase{"BBI ", true}, CodeCase{"iab ", true}));

// Every coordinate that reached the canvas stays inside the drawing range.
void ExpectBounded(const RecordingCanvas& canvas) {
    for (const CanvasCall& c : canvas.calls()) {
        for (int v : {c.a, c.b, c.c, c.d}) {
            ASSERT_LE(v, MaxDrawCoordinate);
            ASSERT_GE(v, -MaxDrawCoordinate);
        }
    }
}

TEST(SectionGraphic, AnyContentDrawsWithBoundedCoordinates) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (double length : {0.0, -5.0, 1e300, -1e300, nan, inf}) {
        SCOPED_TRACE(length);
        HaltungRecord r = Section(length);
        for (double s : {1e300, -1e300, nan, inf, -inf, 999999.0, -3.0})
            AddZustand(r, s);
        for (int slot = 0; slot < StreckenSlots; ++slot)
            SetStrecke(r, slot, slot % 2 ? -1e300 : nan, slot % 3 ? inf : 1e12);
        FrameBounds f;
        const RecordingCanvas canvas = Draw(r, &f);
        ExpectBounded(canvas);
        EXPECT_GE(f.height, 0);
        EXPECT_LE(f.height, MaxDrawCoordinate);
    }
}

TEST(SectionGraphic, ExtremeRowPositionAndFrameTopDoNotOverflow) {
    HaltungRecord r = Section(1e300);
    r.lastLabelPos = INT_MAX;
    AddZustand(r, 1e300);
    r.lastLabelPos = INT_MAX;
    RecordingCanvas canvas;
    const FrameBounds f =
        DrawSectionGraphic(r, canvas, {790, -MaxDrawCoordinate, -MaxDrawCoordinate, MaxDrawCoordinate});
    ExpectBounded(canvas);
    EXPECT_EQ(f.height, MaxDrawCoordinate);
}

TEST(SectionGraphic, FiveThousandObservationsStackBelowEachOther) {
    HaltungRecord r = Section(100.0);
    for (int i = 0; i < 5000; ++i)
        AddZustand(r, 50.0);
    FrameBounds f;
    const RecordingCanvas canvas = Draw(r, &f);
    EXPECT_EQ(r.zustandCount, 5000);
    EXPECT_EQ(f.height, r.lastLabelPos + 180);
    const std::vector<CanvasCall> rows = canvas.textsEqual("50.00");
    ASSERT_EQ(rows.size(), 5000u);
    EXPECT_EQ(rows.back().b, Y0 + 250 + 4999 * 15 - 6);
}

TEST(SectionGraphic, ClippingSkipsRowsOutsideButKeepsTheirStacking) {
    HaltungRecord r = Section(100.0);
    for (int i = 0; i < 100; ++i)
        AddZustand(r, 0.0);
    RecordingCanvas clipped;
    DrawSectionGraphic(r, clipped, {790, 50, 1000, 1100});
    const RecordingCanvas full = Draw(r);
    std::vector<int> clippedRows, fullRows;
    for (const CanvasCall& c : clipped.textsEqual("0.00"))
        clippedRows.push_back(c.b);
    for (const CanvasCall& c : full.textsEqual("0.00"))
        if (c.b + 6 + 20 >= 1000 && c.b + 6 - 20 <= 1100)
            fullRows.push_back(c.b);
    EXPECT_FALSE(clippedRows.empty());
    EXPECT_LT(clippedRows.size(), 20u);
    EXPECT_EQ(clippedRows, fullRows);
}

} // namespace
