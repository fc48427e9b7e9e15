#pragma once

#include "excel/automationfactory.h"
#include "excel/autovalue.h"

#include <bitset>
#include <string>
#include <string_view>

class MessageBoxes;

// Sides for CellBorderSet: bit n set means side n (1 to 4), handed to the application as Borders(n).
using BorderSides = std::bitset<5>;

// The program's only gateway to the spreadsheet application. Each operation makes its automation calls,
// catches every failure of them, shows its message with the caption "Fehler" and returns normally with
// its failure result; no automation error reaches a caller. lastFailed() tells whether the most recent
// operation failed, so that a caller can stop at the first failure.
// Workbook and sheet arguments are references as returned by WorkbookAdd and SheetAdd/SheetGet; every
// cell, range and column operation looks its sheet up by name again.
class TExcelOle final {
public:
    TExcelOle(MessageBoxes& messages, AutomationFactory factory = createAutomationObject);
    TExcelOle(const TExcelOle&) = delete;
    TExcelOle& operator=(const TExcelOle&) = delete;
    // Releases whatever references are still held, without quitting the application.
    ~TExcelOle();

    // Starts a new instance of "Excel.Application"; application := it, or integer 0 on failure.
    void ExcelStart(bool visible, AutoValue& application);
    // Adds a workbook and yields the workbook at 1-based position `index` (integer 0 on failure).
    void WorkbookAdd(int index, AutoValue& workbook);
    // Closes every open workbook of the instance; `name` is used only in the failure message.
    bool WorkbooksClose(std::string_view name);
    // Sets DisplayAlerts to `alerts` (and leaves it so), then saves `workbook` under the full path.
    void WorkbookSaveAs(std::string_view path, bool alerts, const AutoValue& workbook);
    // Quits the application; the references are emptied only when that succeeded.
    void ExcelQuit();
    // Adds a worksheet, takes the active sheet as the new one and names it (integer 0 on failure).
    void SheetAdd(std::string_view name, AutoValue& sheet, const AutoValue& workbook);
    // Finds a worksheet by name (integer 0 on failure).
    void SheetGet(std::string_view name, AutoValue& sheet, const AutoValue& workbook);
    // Row and column are 1-based; the value is passed through as the caller built it.
    void CellValueSet(std::string_view sheetName, int row, const AutoValue& value, int column,
                      const AutoValue& workbook);
    // value := the cell's value, or integer 0 on failure.
    void CellValueGet(std::string_view sheetName, int row, AutoValue& value, int column,
                      const AutoValue& workbook);
    void RangeFormulaSet(std::string_view sheetName, std::string_view address, std::string_view formula,
                         const AutoValue& workbook);
    void RangeColorSet(std::string_view sheetName, std::string_view address, int colorIndex,
                       const AutoValue& workbook);
    // `columns` is a column address such as "C:E"; `format` a number format such as "@".
    void ColumnFormatSet(std::string_view sheetName, std::string_view columns, std::string_view format,
                         const AutoValue& workbook);
    void ColumnAutoFit(std::string_view sheetName, std::string_view columns, const AutoValue& workbook);
    // Sets the line style of the sides in `sides` (ascending); style 7 is set as 1 first, then as 7.
    // False when anything failed, the sheet lookup included.
    bool CellBorderSet(std::string_view sheetName, std::string_view address, int lineStyle, BorderSides sides,
                       const AutoValue& workbook);

    // True when the most recent operation (a nested sheet lookup included) reported a failure.
    bool lastFailed() const noexcept { return m_lastFailed; }

    const AutoValue& excelApplication() const noexcept { return ExcelApplication; }
    const AutoValue& excelWorkbooks() const noexcept { return ExcelWorkbooks; }

private:
    void fail(const char* format, std::string_view name = {});

    MessageBoxes& m_messages;
    AutomationFactory m_factory;
    AutoValue ExcelApplication;
    AutoValue ExcelWorkbooks;
    bool m_lastFailed = false;
};
