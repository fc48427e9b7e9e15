#include "excel/styletable.h"

#include <stdexcept>

namespace {

constexpr std::size_t MaxStyles = 4000; // what an Excel 97-2003 workbook holds

} // namespace

StyleTable::StyleTable() : m_styles(1) {}

std::uint16_t StyleTable::intern(const CellStyle& style) {
    for (std::size_t i = 0; i < m_styles.size(); ++i)
        if (m_styles[i] == style)
            return static_cast<std::uint16_t>(i);
    if (m_styles.size() >= MaxStyles)
        throw std::length_error("too many different cell formats");
    m_styles.push_back(style);
    return static_cast<std::uint16_t>(m_styles.size() - 1);
}
