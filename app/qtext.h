#pragma once

#include <QString>

#include <string>
#include <string_view>

// The program's Windows-1252 text where it meets Qt.
QString toQString(std::string_view cp1252);
std::string fromQString(const QString& text);
