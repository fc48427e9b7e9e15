#include "record/listing.h"

#include "record/isybaubuilder.h"

#include <gtest/gtest.h>

namespace {

std::string threeSections() {
    return isybauHeader() + hi1("12.03.2007") + hi2("10010", "Lindenstra\337e, K\366ln") +
           hi3({.a = "211107", .e = "211108"}) + hi4({.station = "0.00", .code = "HA"}) + hi1("13.03.2007") +
           hi3({.a = "211108", .e = "2111F1", .profile = "1", .height = "600", .width = "400", .length = "38.75"}) +
           hi2("10011", "M\374hlenweg") + hi2("10012", "Am Hang") + hi3({.a = "S1", .e = "S2"});
}

TEST(Listing, OneRowPerSectionWithItsFieldsUnderTheHeaderWords) {
    const Listing listing = buildListing(threeSections());
    ASSERT_EQ(listing.size(), 3u);
    const std::string_view row = listing.row(0);
    ASSERT_EQ(row.size(), ListingRowLength);
    EXPECT_EQ(row.substr(0, 4), "1   ");
    EXPECT_EQ(row.substr(4, 10), "12.03.2007");
    EXPECT_EQ(row.substr(16, 30), "Lindenstra\337e, K\366ln            ");
    EXPECT_EQ(row.substr(47, 10), "211107    ");
    EXPECT_EQ(row.substr(58, 10), "211108    ");
    EXPECT_EQ(row.substr(69, 10), "10010     ");
    EXPECT_EQ(row.substr(81, 6), " 45.30");
    EXPECT_EQ(row.substr(87, 2), " 0");
    EXPECT_EQ(row.substr(90, 4), " 300");
    EXPECT_EQ(row.substr(95, 4), "    ");
    EXPECT_EQ(row.substr(99), "      ");
    // the header's words stand where the fields begin
    for (std::size_t pos : {0, 4, 16, 47, 58, 69, 81, 88, 91, 96})
        EXPECT_NE(ListingHeader[pos], ' ') << pos;
}

TEST(Listing, SecondSectionTakesTheNearestDateAndEitherLineOrder) {
    const Listing listing = buildListing(threeSections());
    // "HI 3" before "HI 2": the row is complete once both have come
    EXPECT_EQ(listing.row(1).substr(0, 14), "2   13.03.2007");
    EXPECT_EQ(listing.row(1).substr(47, 21), "211108     2111F1    ");
    // a second "HI 2" line before the "HI 3" line overwrites the first one's fields
    EXPECT_EQ(listing.row(2).substr(69, 10), "10012     ");
    EXPECT_EQ(listing.row(2).substr(16, 7), "Am Hang");
    EXPECT_EQ(listing.lastUntDatum().view(), "13.03.2007");
}

TEST(Listing, EverySectionIsListedAndLongNumbersKeepFourDigits) {
    std::string text = isybauHeader();
    for (int i = 0; i < 12000; ++i)
        text += hi2("B", "Weg") + hi3({.a = "A" + std::to_string(i), .e = "E"});
    const Listing listing = buildListing(text);
    ASSERT_EQ(listing.size(), 12000u);
    EXPECT_EQ(listing.row(998).substr(0, 4), "999 ");
    EXPECT_EQ(listing.row(999).substr(0, 4), "1000");
    EXPECT_EQ(listing.row(11999).substr(0, 4), "1200");
    EXPECT_EQ(listing.row(11999).substr(47, 6), "A11999");
}

TEST(Listing, IncompleteSectionsCarryTheirFieldsIntoTheNextRow) {
    const std::string text = isybauHeader() + hi2("ALT", "Alte Str") + hi2("NEU", "") + hi3({.a = "S1", .e = "S2"}) +
                             hi3({.a = "S3", .e = "S4"});
    const Listing listing = buildListing(text);
    ASSERT_EQ(listing.size(), 1u);
    // the second "HI 2" line is short: verbatim fields end with the line, the old street stays
    EXPECT_EQ(listing.row(0).substr(69, 10), "NEU       ");
    EXPECT_EQ(listing.row(0).substr(16, 8), "Alte Str");
}

} // namespace
