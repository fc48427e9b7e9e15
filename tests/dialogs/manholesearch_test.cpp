#include "app/recordingmessageboxes.h"
#include "dialogs/manholesearch.h"
#include "record/listing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A listing row with the start manhole at positions 48-57 and the end manhole at 59-68.
std::string listingRow(std::string_view aSchacht, std::string_view eSchacht) {
    std::string row(ListingRowLength, ' ');
    row.replace(47, aSchacht.size(), aSchacht);
    row.replace(58, eSchacht.size(), eSchacht);
    return row;
}

class FakeGrid final : public SearchGrid {
public:
    int searchRowCount() const override { return static_cast<int>(rows.size()); }
    std::string_view searchRowText(int row) const override { return rows[static_cast<std::size_t>(row)]; }
    void selectSearchRow(int row) override { selected.push_back(row); }

    std::vector<std::string> rows;
    std::vector<int> selected;
};

FakeGrid sampleGrid() {
    FakeGrid grid;
    grid.rows = {
        listingRow("211107", "K1"),    // 0
        listingRow("2302111", "K2"),   // 1
        listingRow("2111F1", "K3"),    // 2
        listingRow("211145A", "K4"),   // 3
        listingRow("S1", "K5"),        // 4
        listingRow("Q9", "S10"),       // 5
        listingRow("D1", "D1"),        // 6
        std::string(),                 // 7: a row the listing did not fill
        listingRow("AB", "").substr(0, 49), // 8: cut after the first two characters of the start manhole
    };
    return grid;
}

struct SearchCase {
    const char* name;
    std::string text;
    std::vector<MessageAnswer> answers;
    std::vector<int> selected;
    std::vector<std::string> messages;
    SearchEnd end;
};

const std::string Found(FoundMessage);
const std::string NotFound(NotFoundMessage);
const std::string NoFurther(NoFurtherMessage);
const MessageAnswer Ok = MessageAnswer::Ok;
const MessageAnswer Cancel = MessageAnswer::Cancel;

class ManholeSearchPass : public ::testing::TestWithParam<SearchCase> {};

TEST_P(ManholeSearchPass, SelectsEveryMatchAndEndsWithItsMessage) {
    const SearchCase& c = GetParam();
    FakeGrid grid = sampleGrid();
    RecordingMessageBoxes boxes;
    boxes.answers.assign(c.answers.begin(), c.answers.end());

    EXPECT_EQ(runManholeSearch(c.text, grid, boxes), c.end);

    EXPECT_EQ(grid.selected, c.selected);
    std::vector<std::string> messages;
    for (const auto& shown : boxes.shown) {
        messages.push_back(shown.text);
        if (shown.text == Found) {
            EXPECT_EQ(shown.caption, " Meldung");
            EXPECT_EQ(shown.buttons, MessageButtons::OkCancel);
        } else {
            EXPECT_EQ(shown.caption, "Meldung");
            EXPECT_EQ(shown.buttons, MessageButtons::Ok);
        }
    }
    EXPECT_EQ(messages, c.messages);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ManholeSearchPass,
    ::testing::Values(
        SearchCase{"PrefixOfStartManholes", "2111", {Ok, Ok, Ok}, {0, 2, 3}, {Found, Found, Found, NoFurther},
                   SearchEnd::NoFurtherFound},
        SearchCase{"CancelAtFirstMatch", "2111", {Cancel}, {0}, {Found}, SearchEnd::Cancelled},
        SearchCase{"CancelAtSecondMatch", "2111", {Ok, Cancel}, {0, 2}, {Found, Found}, SearchEnd::Cancelled},
        SearchCase{"CaseCounts", "s1", {}, {}, {NotFound}, SearchEnd::NotFound},
        SearchCase{"StartOrEndManhole", "S1", {Ok, Ok}, {4, 5}, {Found, Found, NoFurther}, SearchEnd::NoFurtherFound},
        SearchCase{"EndManholeOnly", "S10", {Ok}, {5}, {Found, NoFurther}, SearchEnd::NoFurtherFound},
        SearchCase{"TrailingBlankAsksForExactName", "S1 ", {Ok}, {4}, {Found, NoFurther}, SearchEnd::NoFurtherFound},
        SearchCase{"BothManholesStopOnce", "D1", {Ok}, {6}, {Found, NoFurther}, SearchEnd::NoFurtherFound},
        SearchCase{"ElevenCharactersNeverMatch", "211107     ", {}, {}, {NotFound}, SearchEnd::NotFound},
        SearchCase{"TenCharactersMatchThePaddedName", "211107    ", {Ok}, {0}, {Found, NoFurther},
                   SearchEnd::NoFurtherFound},
        SearchCase{"WildcardsAreCharacters", "21*", {}, {}, {NotFound}, SearchEnd::NotFound},
        SearchCase{"FieldCutAtRowEnd", "AB", {Ok}, {8}, {Found, NoFurther}, SearchEnd::NoFurtherFound},
        SearchCase{"ShortFieldDoesNotMatchLongerText", "ABC", {}, {}, {NotFound}, SearchEnd::NotFound},
        SearchCase{"EmptyTextDoesNothing", "", {}, {}, {}, SearchEnd::NoText}),
    [](const ::testing::TestParamInfo<SearchCase>& info) { return std::string(info.param.name); });

TEST(ManholeSearch, EveryPassStartsAgainAtTheFirstRow) {
    FakeGrid grid = sampleGrid();
    RecordingMessageBoxes boxes;
    boxes.answers = {Ok, Cancel};
    runManholeSearch("2111", grid, boxes);
    ASSERT_EQ(grid.selected, (std::vector<int>{0, 2}));

    boxes.answers = {Ok, Ok, Ok};
    EXPECT_EQ(runManholeSearch("2111", grid, boxes), SearchEnd::NoFurtherFound);
    EXPECT_EQ(grid.selected, (std::vector<int>{0, 2, 0, 2, 3}));
}

TEST(ManholeSearch, UmlautsCompareAsWindows1252Bytes) {
    FakeGrid grid;
    grid.rows = {listingRow("M\374hle1", "K1"), listingRow("Muehle1", "K2")};
    RecordingMessageBoxes boxes;
    EXPECT_EQ(runManholeSearch("M\374h", grid, boxes), SearchEnd::NoFurtherFound);
    EXPECT_EQ(grid.selected, (std::vector<int>{0}));
}

} // namespace
