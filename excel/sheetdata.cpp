#include "excel/sheetdata.h"

#include <algorithm>
#include <bit>
#include <map>

namespace {

const ColumnInfo DefaultColumn;

auto columnLess = [](const Cell& cell, int column) { return cell.column < column; };

} // namespace

double Cell::number() const {
    return std::bit_cast<double>(payload);
}

std::uint64_t Cell::numberBits(double value) {
    return std::bit_cast<std::uint64_t>(value);
}

SheetData::SheetData(std::string name) : m_name(std::move(name)) {}

const Cell* SheetData::find(int row, int column) const {
    if (row < 0 || row >= rowCount())
        return nullptr;
    const auto& cells = m_rows[static_cast<std::size_t>(row)];
    const auto it = std::lower_bound(cells.begin(), cells.end(), column, columnLess);
    return it != cells.end() && it->column == column ? &*it : nullptr;
}

Cell& SheetData::touch(int row, int column) {
    if (row >= rowCount())
        m_rows.resize(static_cast<std::size_t>(row) + 1);
    auto& cells = m_rows[static_cast<std::size_t>(row)];
    if (cells.empty() && m_lastRowSize > 0)
        cells.reserve(m_lastRowSize); // rows tend to be as wide as the one before
    Cell fresh;
    fresh.column = static_cast<std::uint16_t>(column);
    fresh.style = this->column(column).style;
    if (cells.empty() || cells.back().column < column) {
        cells.push_back(fresh);
        m_lastRowSize = std::max(m_lastRowSize, cells.size());
        return cells.back();
    }
    const auto it = std::lower_bound(cells.begin(), cells.end(), column, columnLess);
    if (it != cells.end() && it->column == column)
        return *it;
    m_lastRowSize = std::max(m_lastRowSize, cells.size() + 1);
    return *cells.insert(it, fresh);
}

int SheetData::columnCount() const noexcept {
    int count = static_cast<int>(m_columns.size());
    for (const auto& cells : m_rows)
        if (!cells.empty())
            count = std::max(count, cells.back().column + 1);
    return count;
}

const ColumnInfo& SheetData::column(int column) const {
    return column < static_cast<int>(m_columns.size()) ? m_columns[static_cast<std::size_t>(column)]
                                                       : DefaultColumn;
}

void SheetData::setColumnWidth(int column, double width) {
    if (column >= static_cast<int>(m_columns.size()))
        m_columns.resize(static_cast<std::size_t>(column) + 1);
    m_columns[static_cast<std::size_t>(column)].width = width;
}

void SheetData::restyle(const CellRect& rect, const std::function<std::uint16_t(std::uint16_t)>& change) {
    std::map<std::uint16_t, std::uint16_t> changed; // the change is the same for every cell of a style
    const auto apply = [&](std::uint16_t style) {
        const auto it = changed.find(style);
        if (it != changed.end())
            return it->second;
        const std::uint16_t result = change(style);
        changed.emplace(style, result);
        return result;
    };
    if (rect.entireColumns()) {
        if (rect.right > static_cast<int>(m_columns.size()))
            m_columns.resize(static_cast<std::size_t>(rect.right));
        for (int c = rect.left; c <= rect.right; ++c)
            m_columns[static_cast<std::size_t>(c - 1)].style =
                apply(m_columns[static_cast<std::size_t>(c - 1)].style);
        forEachCell(rect, [&](int, Cell& cell) { cell.style = apply(cell.style); });
        return;
    }
    for (int r = rect.top; r <= rect.bottom; ++r)
        for (int c = rect.left; c <= rect.right; ++c) {
            Cell& cell = touch(r - 1, c - 1);
            cell.style = apply(cell.style);
        }
}

void SheetData::forEachCell(const CellRect& rect, const std::function<void(int row, Cell&)>& visit) {
    const int last = std::min(rect.bottom, rowCount());
    for (int r = rect.top; r <= last; ++r) {
        auto& cells = m_rows[static_cast<std::size_t>(r - 1)];
        auto it = std::lower_bound(cells.begin(), cells.end(), rect.left - 1, columnLess);
        for (; it != cells.end() && it->column <= rect.right - 1; ++it)
            visit(r - 1, *it);
    }
}

std::uint32_t SheetData::addFormula(std::string formula) {
    m_formulas.push_back(std::move(formula));
    return static_cast<std::uint32_t>(m_formulas.size() - 1);
}

void SheetData::visitCells(const CellRect& rect, const std::function<void(const Cell&)>& visit) const {
    const int last = std::min(rect.bottom, rowCount());
    for (int r = rect.top; r <= last; ++r) {
        const auto& cells = m_rows[static_cast<std::size_t>(r - 1)];
        auto it = std::lower_bound(cells.begin(), cells.end(), rect.left - 1, columnLess);
        for (; it != cells.end() && it->column <= rect.right - 1; ++it)
            visit(*it);
    }
}
