#include "record/cp1252.h"

#include <gtest/gtest.h>

namespace {

TEST(Cp1252, EveryByteSurvivesTheRoundTripThroughUtf8AndUtf16) {
    std::string all;
    for (int b = 1; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(all)), all);
    EXPECT_EQ(utf16ToCp1252(cp1252ToUtf16(all)), all);
}

TEST(Cp1252, MapsTheLettersOfTheFilesAndTheUndefinedBytes) {
    EXPECT_EQ(cp1252ToUtf8("\xE4\xF6\xFC\xC4\xD6\xDC\xDF\xB0\x80"), "äöüÄÖÜß°€");
    EXPECT_EQ(cp1252ToCodePoint(0x81), U'\u0081');
    EXPECT_EQ(cp1252ToCodePoint(0x9D), U'\u009D');
    EXPECT_EQ(utf8ToCp1252("€ 😀 \xFF"), "\x80 ? \xFF"); // unknown: '?', stray byte: taken as it is
}

} // namespace
