#pragma once

#include "excel/formula.h"
#include "excel/sheetdata.h"
#include "excel/stringpool.h"
#include "excel/styletable.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

// One open workbook of the engine: its worksheets in tab order, the texts and styles they share, and
// which sheet is active.
class WorkbookData final {
public:
    // A new workbook holds one empty sheet, as Excel's does.
    explicit WorkbookData(std::string name);

    std::string name;
    bool closed = false;
    std::vector<std::shared_ptr<SheetData>> sheets;
    int activeSheet = 0;
    StringPool strings;
    StyleTable styles;

    // Adds a sheet before the active one, makes it active and returns it.
    std::shared_ptr<SheetData> addSheet();
    // The sheet of that name (compared without regard to case), or nothing.
    std::shared_ptr<SheetData> findSheet(std::string_view name) const;
    // Why `name` cannot name `sheet` (empty when it can): length, characters, uniqueness.
    std::string sheetNameProblem(std::string_view name, const SheetData* sheet) const;

    // Sets the width of 1-based columns left to right to fit their longest shown value; an empty column
    // gets the standard width.
    void autoFit(SheetData& sheet, int left, int right) const;
    // The text a cell shows in the general format (a formula shows its result).
    std::string shownText(const SheetData& sheet, const Cell& cell) const;
    // The value of a cell; a formula is calculated.
    FormulaValue cellValue(const SheetData& sheet, const Cell& cell, int depth = 0) const;

private:
    int m_sheetCounter = 0;
};

// Compares two Windows-1252 texts without regard to case.
bool equalsNoCase(std::string_view a, std::string_view b);
