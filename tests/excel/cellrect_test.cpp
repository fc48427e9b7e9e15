#include "excel/cellrect.h"

#include <gtest/gtest.h>

namespace {

struct AddressCase {
    const char* text;
    bool columnsOnly; // read as Columns() reads its argument
    std::optional<CellRect> rect;
};

constexpr int R = CellRect::MaxRows;
constexpr int C = CellRect::MaxColumns;

const AddressCase Addresses[] = {
    {"A1", false, CellRect{1, 1, 1, 1}},
    {"a1", false, CellRect{1, 1, 1, 1}},
    {"$B$2", false, CellRect{2, 2, 2, 2}},
    {"A1:Y1", false, CellRect{1, 1, 1, 25}},
    {"Y3:A1", false, CellRect{1, 1, 3, 25}},
    {"A:Y", false, CellRect{1, 1, R, 25}},
    {"$C:$E", false, CellRect{1, 3, R, 5}},
    {"1:3", false, CellRect{1, 1, 3, C}},
    {"XFD1048576", false, CellRect{R, C, R, C}},
    {"XFE1", false, std::nullopt},
    {"A1048577", false, std::nullopt},
    {"A0", false, std::nullopt},
    {"A", false, std::nullopt},
    {"A1:", false, std::nullopt},
    {":A1", false, std::nullopt},
    {"A1:B", false, std::nullopt},
    {"A1,B2", false, std::nullopt},
    {"", false, std::nullopt},
    {"C", true, CellRect{1, 3, R, 3}},
    {"C:E", true, CellRect{1, 3, R, 5}},
    {"A1:B2", true, std::nullopt},
    {"1:3", true, std::nullopt},
};

class CellRectAddress : public ::testing::TestWithParam<AddressCase> {};

TEST_P(CellRectAddress, ReadsAsExcelDoes) {
    const AddressCase& c = GetParam();
    const auto rect = c.columnsOnly ? CellRect::parseColumns(c.text) : CellRect::parse(c.text);
    ASSERT_EQ(rect.has_value(), c.rect.has_value()) << c.text;
    if (rect) {
        EXPECT_EQ(rect->top, c.rect->top) << c.text;
        EXPECT_EQ(rect->left, c.rect->left) << c.text;
        EXPECT_EQ(rect->bottom, c.rect->bottom) << c.text;
        EXPECT_EQ(rect->right, c.rect->right) << c.text;
    }
}

INSTANTIATE_TEST_SUITE_P(Addresses, CellRectAddress, ::testing::ValuesIn(Addresses));

TEST(CellRectNames, ColumnNamesRunFromAToXfd) {
    EXPECT_EQ(columnName(1), "A");
    EXPECT_EQ(columnName(26), "Z");
    EXPECT_EQ(columnName(27), "AA");
    EXPECT_EQ(columnName(CellRect::MaxColumns), "XFD");
}

} // namespace
