#pragma once

#include <optional>
#include <string>
#include <string_view>

// A rectangle of cells, 1-based and inclusive, as an A1-style address names it.
struct CellRect {
    static constexpr int MaxRows = 1048576;
    static constexpr int MaxColumns = 16384;

    int top = 1;
    int left = 1;
    int bottom = 1;
    int right = 1;

    int rows() const noexcept { return bottom - top + 1; }
    int columns() const noexcept { return right - left + 1; }
    long long cellCount() const noexcept { return static_cast<long long>(rows()) * columns(); }
    bool entireColumns() const noexcept { return top == 1 && bottom == MaxRows; }
    bool entireRows() const noexcept { return left == 1 && right == MaxColumns; }

    // The A1-style address with absolute references ("$A$1:$B$2", "$C:$E").
    std::string address() const;

    // Parses "A1", "$B$2", "A1:Y1", "A:Y", "1:3"; nothing for anything else.
    static std::optional<CellRect> parse(std::string_view text);
    // Parses a column address as Columns() takes it: "C", "C:E", "$A:$Y".
    static std::optional<CellRect> parseColumns(std::string_view text);
};

// "A", "Z", "AA", … for a 1-based column number.
std::string columnName(int column);
