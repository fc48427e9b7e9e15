#include "dialogs/versiontext.h"

#include "app/messageboxes.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <system_error>

std::string versionTextForDate(int year, int month, int day) {
    const int packedYears = std::clamp(year - 1980, 0, 127);
    char text[48];
    std::snprintf(text, sizeof text, "Version %2d.%d.%d", packedYears - 20, month, day);
    return text;
}

std::string versionTextOfFile(const std::string& path) {
    std::error_code error;
    const auto written = std::filesystem::last_write_time(path, error);
    if (error)
        return {};
    const auto system = std::chrono::file_clock::to_sys(written);
    const std::time_t seconds = std::chrono::system_clock::to_time_t(
        std::chrono::time_point_cast<std::chrono::system_clock::duration>(system));
    std::tm local{};
    if (localtime_r(&seconds, &local) == nullptr)
        return {};
    return versionTextForDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

std::string programLabel() { return "Programm " + std::string(ApplicationTitle); }
