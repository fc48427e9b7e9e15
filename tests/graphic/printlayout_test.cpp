#include "graphic/printlayout.h"
#include "testrecords.h"

#include <gtest/gtest.h>

#include <ostream>

#include <limits>
#include <vector>

using testrecords::AddZustand;
using testrecords::Section;

namespace {

TEST(PrintLayout, UnitsAndRectanglesOfTheExamplePrinter) {
    const PrintLayout l = PrintLayout::Compute(480, 680, Section());
    EXPECT_DOUBLE_EQ(l.PrintScaleY, 23.8);
    EXPECT_DOUBLE_EQ(l.PrintScaleX, 23.52);
    EXPECT_EQ(l.HeaderRect, (PrintRect{47, 71, 468, 190}));
}

// A 1000 x 1000 pixel page has whole-numbered units: X 49, Y 35, 7 pixels per metre and a window of
// 560 pixels (80 m, 16 units) per page.
TEST(PrintLayout, UnitsAndRectanglesOfAWholeNumberedPage) {
    const PrintLayout l = PrintLayout::Compute(1000, 1000, Section());
    EXPECT_DOUBLE_EQ(l.MetreScale, 7.0);
    EXPECT_EQ(l.OuterRect, (PrintRect{98, 35, 975, 982}));
    EXPECT_EQ(l.HeaderRect, (PrintRect{98, 105, 975, 280}));
    EXPECT_EQ(l.GraphicRect, (PrintRect{98, 297, 975, 927}));
    EXPECT_EQ(l.pipeAxisX, 166);
    EXPECT_EQ(l.startLineY, 367);
    EXPECT_DOUBLE_EQ(l.usableHeight, 560.0);
}

struct PaginationCase {
    const char* name;
    std::vector<double> stations;
    double untLaenge;
    int pages;         // n
    double lastWindow; // A_{n-1}
    int pipePages;     // m
    double lastSlice;  // B_{m-1}, when m > 0
};

void PrintTo(const PaginationCase& c, std::ostream* os) {
    *os << c.name;
}

class Pagination : public testing::TestWithParam<PaginationCase> {};

TEST_P(Pagination, PagesFollowTheRowsAndThePipeItsOwnSlices) {
    const PaginationCase& c = GetParam();
    HaltungRecord r = Section(c.untLaenge);
    for (double s : c.stations)
        AddZustand(r, s);
    const PrintLayout l = PrintLayout::Compute(1000, 1000, r);
    EXPECT_EQ(l.PrintPageCount, c.pages);
    EXPECT_DOUBLE_EQ(l.pageWindow(c.pages - 1).height(), c.lastWindow);
    EXPECT_EQ(l.PipePageCount, c.pipePages);
    if (c.pipePages > 0) {
        EXPECT_DOUBLE_EQ(l.PipeSlice(c.pipePages - 1), c.lastSlice);
    }
    for (int j = 0; j + 1 < c.pipePages; ++j)
        EXPECT_DOUBLE_EQ(l.PipeSlice(j), 560.0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Pagination,
    testing::Values(PaginationCase{"LastRowAt70mFitsOnePage", {70.0}, 20.0, 1, 525.0, 1, 133.0},
                    PaginationCase{"LastRowAt80mNeedsTwo", {80.0}, 20.0, 2, 35.0, 1, 133.0},
                    PaginationCase{"FortyFiveRowsAtOneStation", std::vector<double>(45, 5.0), 20.0, 2, 126.0,
                                   1, 133.0},
                    PaginationCase{"NoObservations", {}, 20.0, 1, 18.0, 1, 133.0},
                    PaginationCase{"PipeLongerThanTheRows", {10.0}, 200.0, 1, 105.0, 3, 273.0},
                    PaginationCase{"PipeOfExactlyTwoWindows", {10.0}, 161.0, 1, 105.0, 2, 560.0},
                    PaginationCase{"OneMetreHasNoPipe", {10.0}, 1.0, 1, 105.0, 0, 0.0},
                    PaginationCase{"LessThanOneMetreHasNoPipe", {10.0}, 0.5, 1, 105.0, 0, 0.0},
                    PaginationCase{"NegativeLengthHasNoPipe", {10.0}, -30.0, 1, 105.0, 0, 0.0}),
    [](const testing::TestParamInfo<PaginationCase>& info) { return info.param.name; });

TEST(PrintLayout, StackedRowsKeepFourTenthsOfAUnitApart) {
    HaltungRecord r = Section();
    for (double s : {5.0, 5.0, 5.0, 20.0, -2.0})
        AddZustand(r, s);
    const PrintLayout l = PrintLayout::Compute(1000, 1000, r);
    EXPECT_EQ(l.rowPositions, (std::vector<int>{35, 49, 63, 140, 154}));
    EXPECT_DOUBLE_EQ(l.extent, 154.0 + 35.0);
}

TEST(PrintLayout, PageWindowsAdjoinWithoutGapOrOverlap) {
    HaltungRecord r = Section();
    AddZustand(r, 300.0);
    const PrintLayout l = PrintLayout::Compute(9921, 14031, r); // A4 at 1200 dpi
    ASSERT_GE(l.PrintPageCount, 3);
    EXPECT_EQ(l.pageWindow(0).lo, 0.0);
    for (int j = 0; j + 1 < l.PrintPageCount; ++j)
        EXPECT_EQ(l.pageWindow(j).hi, l.pageWindow(j + 1).lo);
    EXPECT_EQ(l.pageWindow(l.PrintPageCount - 1).hi, l.extent);
}

struct LimitCase {
    double station;
    bool printable;
};

void PrintTo(const LimitCase& c, std::ostream* os) {
    *os << "station " << c.station;
}

class PageLimit : public testing::TestWithParam<LimitCase> {};

TEST_P(PageLimit, MoreThan999PagesAreRefused) {
    HaltungRecord r = Section();
    AddZustand(r, GetParam().station);
    const PrintLayout l = PrintLayout::Compute(1000, 1000, r);
    EXPECT_TRUE(l.fitsPage());
    EXPECT_EQ(l.withinPageLimit(), GetParam().printable);
    if (GetParam().printable) {
        EXPECT_GE(l.PrintPageCount, 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, PageLimit,
                         testing::Values(LimitCase{79915.0, true},  // exactly 999 pages
                                         LimitCase{79916.0, false}, // 1000 pages
                                         LimitCase{999999.0, false}, LimitCase{1e300, false},
                                         LimitCase{std::numeric_limits<double>::infinity(), false},
                                         LimitCase{std::numeric_limits<double>::quiet_NaN(), true},
                                         LimitCase{-1e300, true}));

TEST(PrintLayout, APageWithoutRoomForAWindowDoesNotFit) {
    EXPECT_FALSE(PrintLayout::Compute(1, 1, Section()).fitsPage());
    EXPECT_FALSE(PrintLayout::Compute(0, 0, Section()).fitsPage());
    EXPECT_FALSE(PrintLayout::Compute(-500, -500, Section()).fitsPage());
}

} // namespace
