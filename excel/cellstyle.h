#pragma once

#include <array>
#include <cstdint>
#include <string>

// The sides of a cell that can carry a border line.
enum class CellSide { Left, Right, Top, Bottom };

// The formatting of a cell or column: number format, fill and border lines.
struct CellStyle {
    std::string numberFormat = "General";
    std::int16_t fillColorIndex = 0; // 0: no fill; 1 to 56: Excel's standard palette
    // Border line per side (CellSide order) as a file line code: 0 none, 1 thin, 3 dashed, 4 dotted,
    // 6 double, 9 dash-dot, 11 dash-dot-dot, 13 slanted dash-dot.
    std::array<std::uint8_t, 4> borders{};

    bool operator==(const CellStyle&) const = default;
};
