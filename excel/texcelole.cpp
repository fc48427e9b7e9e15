#include "excel/texcelole.h"

#include "app/messageboxes.h"

#include <cstdint>
#include <cstdio>

namespace {

// Messages are formatted into a text of at most 255 characters.
constexpr std::size_t MessageCapacity = 256;
constexpr std::string_view ErrorCaption = "Fehler";

AutoValue text(std::string_view value) {
    return AutoValue(std::string(value));
}

AutoValue number(int value) {
    return AutoValue(static_cast<std::int32_t>(value));
}

const AutoValue FailureObject{std::int32_t{0}};

} // namespace

TExcelOle::TExcelOle(MessageBoxes& messages, AutomationFactory factory)
    : m_messages(messages), m_factory(std::move(factory)) {}

TExcelOle::~TExcelOle() = default;

void TExcelOle::fail(const char* format, std::string_view name) {
    m_lastFailed = true;
    const std::string argument(name);
    char message[MessageCapacity];
    std::snprintf(message, sizeof message, format, argument.c_str());
    m_messages.show(message, ErrorCaption, MessageButtons::Ok);
}

void TExcelOle::ExcelStart(bool visible, AutoValue& application) {
    m_lastFailed = false;
    ExcelApplication = AutoValue();
    try {
        ExcelApplication = AutoValue(m_factory("Excel.Application"));
        if (visible)
            ExcelApplication.put("Visible", true);
        ExcelWorkbooks = ExcelApplication.get("Workbooks");
        application = ExcelApplication;
    } catch (...) {
        fail("Fehler beim \xD6"
             "ffnen der OLE-Schnittstelle");
        application = FailureObject;
    }
}

void TExcelOle::WorkbookAdd(int index, AutoValue& workbook) {
    m_lastFailed = false;
    try {
        ExcelWorkbooks.call("Add");
        workbook = ExcelWorkbooks.get("Item", {number(index)});
    } catch (...) {
        fail("Fehler beim Erstellen einer Arbeitsmappe");
        workbook = FailureObject;
    }
}

bool TExcelOle::WorkbooksClose(std::string_view name) {
    m_lastFailed = false;
    try {
        ExcelWorkbooks.call("Close");
        return true;
    } catch (...) {
        fail("Fehler beim Schlie\xDF"
             "en der Arbeitsmappe \"%s\"",
             name);
        return false;
    }
}

void TExcelOle::WorkbookSaveAs(std::string_view path, bool alerts, const AutoValue& workbook) {
    m_lastFailed = false;
    try {
        ExcelApplication.put("DisplayAlerts", alerts);
        workbook.call("SaveAs", {text(path)});
    } catch (...) {
        fail("Fehler beim Speichern einer Arbeitsmappe");
    }
}

void TExcelOle::ExcelQuit() {
    m_lastFailed = false;
    try {
        ExcelApplication.call("Quit");
        ExcelApplication = AutoValue();
        ExcelWorkbooks = AutoValue();
    } catch (...) {
        fail("Fehler beim Beenden von Excel");
    }
}

void TExcelOle::SheetAdd(std::string_view name, AutoValue& sheet, const AutoValue& workbook) {
    m_lastFailed = false;
    try {
        const AutoValue sheets = workbook.get("Worksheets");
        sheets.call("Add");
        const AutoValue active = ExcelApplication.get("ActiveSheet");
        active.put("Name", text(name));
        sheet = active;
    } catch (...) {
        fail("Fehler beim Erzeugen der Tabelle \"%s\"", name);
        sheet = FailureObject;
    }
}

void TExcelOle::SheetGet(std::string_view name, AutoValue& sheet, const AutoValue& workbook) {
    m_lastFailed = false;
    try {
        const AutoValue sheets = workbook.get("Worksheets");
        sheet = sheets.get("Item", {text(name)});
    } catch (...) {
        fail("Fehler beim Ermitteln der Tabelle \"%s\"", name);
        sheet = FailureObject;
    }
}

void TExcelOle::CellValueSet(std::string_view sheetName, int row, const AutoValue& value, int column,
                             const AutoValue& workbook) {
    m_lastFailed = false;
    try {
        AutoValue sheet;
        SheetGet(sheetName, sheet, workbook);
        const AutoValue cells = sheet.get("Cells");
        const AutoValue cell = cells.get("Item", {number(row), number(column)});
        cell.put("Value", value);
    } catch (...) {
        fail("Fehler beim Schreiben einer Zelle");
    }
}

void TExcelOle::CellValueGet(std::string_view sheetName, int row, AutoValue& value, int column,
                             const AutoValue& workbook) {
    m_lastFailed = false;
    try {
        AutoValue sheet;
        SheetGet(sheetName, sheet, workbook);
        const AutoValue cells = sheet.get("Cells");
        const AutoValue cell = cells.get("Item", {number(row), number(column)});
        value = cell.get("Value");
    } catch (...) {
        fail("Fehler beim Lesen einer Zelle");
        value = FailureObject;
    }
}

void TExcelOle::RangeFormulaSet(std::string_view sheetName, std::string_view address,
                                std::string_view formula, const AutoValue& workbook) {
    m_lastFailed = false;
    try {
        AutoValue sheet;
        SheetGet(sheetName, sheet, workbook);
        const AutoValue range = sheet.get("Range", {text(address)});
        range.put("Formula", text(formula));
    } catch (...) {
        fail("Fehler beim Erzeugen einer Formel \xFC"
             "ber einen Bereich");
    }
}

void TExcelOle::RangeColorSet(std::string_view sheetName, std::string_view address, int colorIndex,
                              const AutoValue& workbook) {
    m_lastFailed = false;
    try {
        AutoValue sheet;
        SheetGet(sheetName, sheet, workbook);
        const AutoValue range = sheet.get("Range", {text(address)});
        const AutoValue interior = range.get("Interior");
        interior.put("ColorIndex", number(colorIndex));
    } catch (...) {
        fail("Fehler beim \xC4"
             "ndern der Farbe eines Bereiches");
    }
}

void TExcelOle::ColumnFormatSet(std::string_view sheetName, std::string_view columns, std::string_view format,
                                const AutoValue& workbook) {
    m_lastFailed = false;
    try {
        AutoValue sheet;
        SheetGet(sheetName, sheet, workbook);
        const AutoValue range = sheet.get("Columns", {text(columns)});
        range.put("NumberFormat", text(format));
    } catch (...) {
        fail("Fehler beim Formatieren einer Spalte");
    }
}

void TExcelOle::ColumnAutoFit(std::string_view sheetName, std::string_view columns,
                              const AutoValue& workbook) {
    m_lastFailed = false;
    try {
        AutoValue sheet;
        SheetGet(sheetName, sheet, workbook);
        const AutoValue range = sheet.get("Columns", {text(columns)});
        const AutoValue entire = range.get("EntireColumn");
        entire.call("AutoFit");
    } catch (...) {
        fail("Fehler bei automatischer Breitenanpassung einer Spalte");
    }
}

bool TExcelOle::CellBorderSet(std::string_view sheetName, std::string_view address, int lineStyle,
                              BorderSides sides, const AutoValue& workbook) {
    m_lastFailed = false;
    try {
        AutoValue sheet;
        SheetGet(sheetName, sheet, workbook);
        for (int side = 1; side <= 4; ++side) {
            if (!sides.test(static_cast<std::size_t>(side)))
                continue;
            const AutoValue range = sheet.get("Range", {text(address)});
            if (lineStyle == 7) {
                range.get("Borders", {number(side)}).put("LineStyle", number(1));
                range.get("Borders", {number(side)}).put("LineStyle", number(7));
            } else {
                range.get("Borders", {number(side)}).put("LineStyle", number(lineStyle));
            }
        }
        // With no side to set, a failed sheet lookup (already reported) would otherwise pass as success.
        return !m_lastFailed;
    } catch (...) {
        // This one message is shown as it stands, not through the formatter.
        m_lastFailed = true;
        m_messages.show("Fehler in CellBorderSet", ErrorCaption, MessageButtons::Ok);
        return false;
    }
}
