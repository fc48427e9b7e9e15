#include "record/isybautext.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> lines(std::string_view text) {
    std::vector<std::string> out;
    IsybauLineReader reader(text);
    IsybauLine line;
    while (reader.next(line))
        out.emplace_back(line.text());
    return out;
}

struct FrameCase {
    const char* name;
    std::string text;
    std::vector<std::string> expected;
};

class LineFrame : public ::testing::TestWithParam<FrameCase> {};

TEST_P(LineFrame, CutsTheTextAsTheFileIsRead) { EXPECT_EQ(lines(GetParam().text), GetParam().expected); }

const std::string A80(80, 'a');

INSTANTIATE_TEST_SUITE_P(
    Cases, LineFrame,
    ::testing::Values(
        FrameCase{"crlf", "H 1\r\nHI 2\r\n", {"H 1", "HI 2"}},
        FrameCase{"lastLineWithoutCrIsIgnored", "H 1\r\nHI 2", {"H 1"}},
        FrameCase{"emptyLines", "\r\n\r\nx\r\n", {"", "", "x"}},
        FrameCase{"exactly80", A80 + "\r\nb\r\n", {A80, "b"}},
        // characters 81 and 82 are dropped, 83 to 85 form a line of their own
        FrameCase{"line85", A80 + "XYcde\r\n", {A80, "cde"}},
        // the dropped pair is "X" and the CR: the LF starts the next line
        FrameCase{"line81DropsItsCr", A80 + "X\r\nb\r\n", {A80, "\nb"}},
        FrameCase{"eighty at the end is not processed", A80, {}},
        FrameCase{"crAsLastCharacter", "ab\r", {"ab"}}),
    [](const auto& info) {
        std::string n = info.param.name;
        for (char& c : n)
            if (!std::isalnum(static_cast<unsigned char>(c)))
                c = '_';
        return n;
    });

TEST(IsybauLine, ColumnsBeyondTheEndReadAsBlanksButVerbatimFieldsEndWithTheLine) {
    const std::string text = "HI 3 abc";
    const IsybauLine line(text.data(), static_cast<int>(text.size()));
    EXPECT_EQ(line.column(8), 'c');
    EXPECT_EQ(line.column(9), ' ');
    EXPECT_EQ(line.verbatim(6, 20), "abc");
    EXPECT_EQ(line.padded(6, 10), "abc  ");
    EXPECT_EQ(line.withoutBlanks(1, 20), "HI3abc");
    EXPECT_TRUE(line.isRecord('3'));
    EXPECT_FALSE(line.isRecord('2'));
}

struct PrepareCase {
    const char* name;
    std::string in;
    std::string converted;
    long long count;
    bool accepted;
};

class Prepare : public ::testing::TestWithParam<PrepareCase> {};

TEST_P(Prepare, ConvertsCountsAndDecides) {
    std::string text = GetParam().in;
    const PrepareResult r = PrepareIsybauText(text);
    EXPECT_EQ(text, GetParam().converted);
    EXPECT_EQ(r.haltungCount, GetParam().count);
    EXPECT_EQ(r.accepted, GetParam().accepted);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Prepare,
    ::testing::Values(
        PrepareCase{"accepted", "H \r\nHI 2\r\n", "H \r\nHI 2\r\n", 1, true},
        PrepareCase{"noHi2", "H \r\nHI 3\r\n", "H \r\nHI 3\r\n", 0, false},
        PrepareCase{"noHeader", "HI 2\r\n", "HI 2\r\n", 1, false},
        PrepareCase{"secondNotBlank", "HX HI 2", "HX HI 2", 1, false},
        PrepareCase{"empty", "", "", 0, false},
        PrepareCase{"hi2InsideFreeText", "H x HI 2 y HI 2HI 2", "H x HI 2 y HI 2HI 2", 3, true},
        PrepareCase{"hi2AtTheVeryEnd", "H HI 2", "H HI 2", 1, true},
        PrepareCase{"oemLetters", "H \x81\x84\x8E\x94\x99\x9A\xE1\xF8 HI 2", "H \xFC\xE4\xC4\xF6\xD6\xDC\xDF\xB0 HI 2", 1,
                    true},
        PrepareCase{"boxDrawing", "H \xB3\xB4\xBF\xC0\xC3\xC4\xD9\xDA HI 2", "H :::::::: HI 2", 1, true},
        // Windows text: ü and ß stay, but Ä becomes ":" and á becomes ß
        PrepareCase{"windowsText", "H \xFC\xDF\xC4\xE1 HI 2", "H \xFC\xDF:\xDF HI 2", 1, true}),
    [](const auto& info) { return std::string(info.param.name); });

struct LineEndCase {
    std::string in, out;
};

TEST(LineEnds, UnixAndOldMacTextsBecomeCrLf) {
    const LineEndCase cases[] = {
        {"a\nb\n", "a\r\nb\r\n"},     {"a\rb\r", "a\r\nb\r\n"},     {"a\r\nb\r\n", "a\r\nb\r\n"},
        {"a\r\nb\nc", "a\r\nb\r\nc"}, {"\na", "\r\na"},              {"a\r\rb\n", "a\r\rb\r\n"},
        {"", ""},                     {"no line end", "no line end"},
    };
    for (const auto& c : cases) {
        std::string text = c.in;
        normaliseLineEnds(text);
        EXPECT_EQ(text, c.out) << c.in;
    }
}

TEST(ReadIsybauFile, ReadsBytesAndNamesTheFileWhenItCannot) {
    const auto dir = std::filesystem::temp_directory_path() / "telmora_read_test";
    std::filesystem::create_directories(dir);
    const auto file = dir / "netz.h";
    {
        std::ofstream out(file, std::ios::binary);
        out << "H \nHI 2\n\x81";
    }
    std::string text;
    EXPECT_EQ(readIsybauFile(file.string(), text).status, ReadStatus::Ok);
    EXPECT_EQ(text, "H \r\nHI 2\r\n\x81");

    const ReadResult missing = readIsybauFile((dir / "fehlt.h").string(), text);
    EXPECT_EQ(missing.status, ReadStatus::Missing);
    EXPECT_EQ(describeReadError(missing, "fehlt.h"), "Die Datei \"fehlt.h\" existiert nicht.");
    EXPECT_TRUE(text.empty());

    const ReadResult folder = readIsybauFile(dir.string(), text);
    EXPECT_EQ(folder.status, ReadStatus::NotAFile);
    EXPECT_NE(describeReadError(folder, "x").find("Ordner"), std::string::npos);
    std::filesystem::remove_all(dir);
}

} // namespace
