#include "dialogs/taboutform.h"

#include <QLabel>
#include <QPixmap>

#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>

namespace {

QString labelText(const TAboutForm& about, const char* name) {
    const auto* label = about.findChild<QLabel*>(QString::fromLatin1(name));
    return label ? label->text() : QStringLiteral("<missing>");
}

TEST(AboutForm, ShowsIconProgramAndTheVersionOfTheProgramFile) {
    const auto program = std::filesystem::temp_directory_path() / "telmora_about_test_program";
    std::ofstream(program) << "program";
    std::tm local{};
    local.tm_year = 2007 - 1900;
    local.tm_mon = 0;
    local.tm_mday = 26;
    local.tm_hour = 12;
    local.tm_isdst = -1;
    std::filesystem::last_write_time(
        program, std::chrono::file_clock::from_sys(std::chrono::system_clock::from_time_t(std::mktime(&local))));

    TAboutForm about(program.string());
    std::filesystem::remove(program);
    EXPECT_EQ(about.windowTitle(), QStringLiteral("Info"));
    EXPECT_EQ(labelText(about, "Label1"), QStringLiteral("Programm  TELMORA "));
    EXPECT_EQ(labelText(about, "VersLabel"), QStringLiteral("Version  7.1.26"));
    const auto* image = about.findChild<QLabel*>(QStringLiteral("Image1"));
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->pixmap().size(), QSize(32, 32));
    EXPECT_FALSE(image->pixmap().toImage().allGray());
}

TEST(AboutForm, VersionLineStaysEmptyWithoutTheProgramFile) {
    TAboutForm about("/nonexistent/telmora");
    EXPECT_EQ(labelText(about, "Label1"), QStringLiteral("Programm  TELMORA "));
    EXPECT_TRUE(labelText(about, "VersLabel").isEmpty());
}

} // namespace
