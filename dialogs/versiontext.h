#pragma once

#include <string>

// The version text of a program file dated year-month-day: "Version %2d.%d.%d" with the year counted
// from 2000 (no lower bound: a 1999 date gives -1), month and day without leading zeros. The year is
// the one the file system's packed date holds, 1980 to 2107; a date outside takes the nearer end.
std::string versionTextForDate(int year, int month, int day);

// The version text from the local date of the file's last modification; empty when the file cannot be
// reached.
std::string versionTextOfFile(const std::string& path);

// "Programm " followed by the application title.
std::string programLabel();
