#pragma once

#include "excel/cellstyle.h"

#include <cstdint>
#include <vector>

// The distinct cell styles of one workbook; cells and columns refer to them by index. Index 0 is the
// default style (general format, no fill, no borders).
class StyleTable final {
public:
    StyleTable();

    // Index of `style`, adding it when it is new.
    std::uint16_t intern(const CellStyle& style);
    const CellStyle& at(std::uint16_t index) const { return m_styles.at(index); }
    std::size_t size() const noexcept { return m_styles.size(); }

private:
    std::vector<CellStyle> m_styles;
};
