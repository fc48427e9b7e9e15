#pragma once

#include "excel/cellrect.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

enum class CellKind : std::uint8_t { Blank, Number, Text, Bool, Formula };

// One stored cell: 16 bytes. `payload` holds the bits of a number, a text's index in the workbook's
// string pool, a boolean, or a formula's index in the sheet's formula list. A blank cell carries only
// a style.
struct Cell {
    std::uint64_t payload = 0;
    std::uint16_t column = 0; // 0-based
    std::uint16_t style = 0;
    CellKind kind = CellKind::Blank;

    double number() const;
    static std::uint64_t numberBits(double value);
};

// Width and style of a column.
struct ColumnInfo {
    double width = -1.0; // in characters as Excel shows it; negative: the standard width
    std::uint16_t style = 0;
};

// The cells of one worksheet: one vector per row, holding only the cells that exist, ordered by column.
class SheetData final {
public:
    static constexpr double StandardWidth = 8.43;

    explicit SheetData(std::string name);

    const std::string& name() const noexcept { return m_name; }
    void setName(std::string name) { m_name = std::move(name); }

    // 0-based row and column. find() gives nothing for a cell that does not exist; touch() creates it
    // blank with the style of its column.
    const Cell* find(int row, int column) const;
    Cell& touch(int row, int column);

    // Number of rows up to the last one that holds a cell.
    int rowCount() const noexcept { return static_cast<int>(m_rows.size()); }
    const std::vector<Cell>& row(int row) const { return m_rows[static_cast<std::size_t>(row)]; }
    // Number of columns up to the last one that holds a cell, a width or a style.
    int columnCount() const noexcept;

    const ColumnInfo& column(int column) const;
    void setColumnWidth(int column, double width);

    // Restyles a 1-based rectangle: `change` maps a style index to the new one. Whole columns keep the
    // new style for cells created later; other rectangles get their cells created.
    void restyle(const CellRect& rect, const std::function<std::uint16_t(std::uint16_t)>& change);

    // Visits every existing cell of a 1-based rectangle, row by row.
    void forEachCell(const CellRect& rect, const std::function<void(int row, Cell&)>& visit);
    void visitCells(const CellRect& rect, const std::function<void(const Cell&)>& visit) const;

    std::uint32_t addFormula(std::string formula);
    const std::string& formula(std::uint32_t index) const { return m_formulas.at(index); }

private:
    std::string m_name;
    std::vector<std::vector<Cell>> m_rows;
    std::vector<ColumnInfo> m_columns;
    std::vector<std::string> m_formulas;
    std::size_t m_lastRowSize = 0;
};
