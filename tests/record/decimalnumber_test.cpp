#include "record/decimalnumber.h"

#include <gtest/gtest.h>

#include <climits>
#include <clocale>
#include <cmath>
#include <limits>

namespace {

struct NumberCase {
    const char* text;
    double value;
};

TEST(ReadDecimal, ReadsDecimalNotationOnly) {
    const NumberCase cases[] = {
        {"  12.50", 12.5}, {"45.3", 45.3},   {"-3", -3.0},      {"+7.", 7.0},    {".5", 0.5},      {"1e3", 1000.0},
        {"2E-1x", 0.2},    {"12a", 12.0},    {"1e", 1.0},       {"1e+", 1.0},    {"", 0.0},        {"   ", 0.0},
        {"abc", 0.0},      {"-", 0.0},       {".", 0.0},        {"0x1A", 0.0},   {"inf", 0.0},     {"nan", 0.0},
        {"1e999", 0.0},    {"-1e999", 0.0},  {"12,50", 12.0},   {"\t 3", 3.0},   {"999999", 999999.0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(readDecimal(c.text), c.value) << '"' << c.text << '"';
}

TEST(ReadDecimal, DoesNotDependOnTheLocale) {
    // A German locale writes a comma as decimal separator; the files always use a point.
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8") && !std::setlocale(LC_ALL, "de_DE"))
        GTEST_SKIP() << "no German locale on this machine";
    EXPECT_EQ(readDecimal("12.50"), 12.5);
    std::setlocale(LC_ALL, "C");
}

TEST(Saturation, ConversionsToIntNeverOverflow) {
    EXPECT_EQ(truncToInt(1e30), INT_MAX);
    EXPECT_EQ(truncToInt(-1e30), INT_MIN);
    EXPECT_EQ(truncToInt(-2.9), -2);
    EXPECT_EQ(truncToInt(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(saturatingAdd(INT_MAX, 15), INT_MAX);
    EXPECT_EQ(saturatingAdd(INT_MIN, -15), INT_MIN);
    EXPECT_EQ(saturatingAdd(-15, 15), 0);
}

} // namespace
