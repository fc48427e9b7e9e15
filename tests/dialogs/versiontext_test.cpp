#include "dialogs/versiontext.h"

#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>

namespace {

TEST(VersionText, FormsYearFrom2000MonthAndDay) {
    const struct {
        int year, month, day;
        const char* text;
    } cases[] = {
        {2007, 1, 26, "Version  7.1.26"},
        {2010, 3, 5, "Version 10.3.5"},
        {1999, 12, 31, "Version -1.12.31"},
        {2000, 1, 1, "Version  0.1.1"},
        {2026, 12, 11, "Version 26.12.11"},
        {1980, 1, 1, "Version -20.1.1"},
        {1975, 6, 1, "Version -20.6.1"},
        {2107, 12, 31, "Version 107.12.31"},
        {2150, 12, 31, "Version 107.12.31"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(versionTextForDate(c.year, c.month, c.day), c.text) << c.year << "-" << c.month << "-" << c.day;
}

// Sets a file's time of last modification to noon of a local date.
void setLocalDate(const std::filesystem::path& file, int year, int month, int day) {
    std::tm local{};
    local.tm_year = year - 1900;
    local.tm_mon = month - 1;
    local.tm_mday = day;
    local.tm_hour = 12;
    local.tm_isdst = -1;
    const auto system = std::chrono::system_clock::from_time_t(std::mktime(&local));
    std::filesystem::last_write_time(file, std::chrono::file_clock::from_sys(system));
}

TEST(VersionText, ComesFromTheFileDate) {
    const auto folder = std::filesystem::temp_directory_path() / "telmora_versiontext_test";
    std::filesystem::create_directories(folder);
    const auto program = folder / "telmora";
    std::ofstream(program) << "program";
    setLocalDate(program, 2010, 3, 5);
    EXPECT_EQ(versionTextOfFile(program.string()), "Version 10.3.5");
    setLocalDate(program, 1999, 7, 4);
    EXPECT_EQ(versionTextOfFile(program.string()), "Version -1.7.4");
    std::filesystem::remove_all(folder);
}

TEST(VersionText, EmptyWhenTheFileIsMissing) {
    EXPECT_EQ(versionTextOfFile("/nonexistent/telmora"), "");
    EXPECT_EQ(versionTextOfFile(""), "");
}

TEST(VersionText, ProgramLabelNamesTheTitle) { EXPECT_EQ(programLabel(), "Programm  TELMORA "); }

} // namespace
