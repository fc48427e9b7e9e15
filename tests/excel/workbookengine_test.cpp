#include "excel/automationerror.h"
#include "excel/automationfactory.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

AutoValue i4(int value) {
    return AutoValue(static_cast<std::int32_t>(value));
}

// A fresh engine instance with one new workbook, driven by automation calls as the wrapper makes them.
class WorkbookEngineTest : public ::testing::Test {
public:
    AutoValue cell(int row, int column) const {
        return sheet.get("Cells").get("Item", {i4(row), i4(column)});
    }
    AutoValue range(const char* address) const { return sheet.get("Range", {AutoValue(address)}); }

    AutoValue app{createAutomationObject("Excel.Application")};
    AutoValue books = app.get("Workbooks");
    AutoValue book = (books.call("Add"), books.get("Item", {i4(1)}));
    AutoValue sheet = book.get("Worksheets").get("Item", {i4(1)});
};

TEST_F(WorkbookEngineTest, NewWorkbookHasOneSheetAndAddedSheetBecomesActiveBeforeIt) {
    const AutoValue sheets = book.get("Worksheets");
    EXPECT_EQ(sheets.get("Count"), i4(1));
    EXPECT_EQ(sheet.get("Name"), AutoValue("Tabelle1"));
    sheets.call("Add");
    EXPECT_EQ(sheets.get("Count"), i4(2));
    EXPECT_EQ(app.get("ActiveSheet").get("Name"), AutoValue("Tabelle2"));
    app.get("ActiveSheet").put("Name", AutoValue("Haltungen"));
    EXPECT_EQ(sheets.get("Item", {i4(1)}).get("Name"), AutoValue("Haltungen"));
    EXPECT_EQ(sheets.get("Item", {AutoValue("HALTUNGEN")}).get("Index"), i4(1));
}

TEST_F(WorkbookEngineTest, ValuesKeepTheTypeTheyWereGiven) {
    const struct {
        AutoValue put;
        AutoValue got;
    } cases[] = {
        {AutoValue("12.5"), AutoValue("12.5")}, // no guessing of numbers or dates from text
        {AutoValue("0815"), AutoValue("0815")},
        {AutoValue("=1+2"), AutoValue("=1+2")}, // through Value a text is a text
        {AutoValue(12.5), AutoValue(12.5)},
        {i4(7), AutoValue(7.0)}, // Excel keeps numbers as doubles
        {AutoValue(true), AutoValue(true)},
        {AutoValue(""), AutoValue()}, // an empty text empties the cell
        {AutoValue(), AutoValue()},
    };
    for (const auto& c : cases) {
        cell(3, 4).put("Value", c.put);
        EXPECT_EQ(cell(3, 4).get("Value"), c.got) << c.put.describe();
    }
}

TEST_F(WorkbookEngineTest, FormulasAreKeptAsWrittenAndCalculatedWhenRead) {
    cell(1, 1).put("Value", AutoValue(2.0));
    cell(2, 1).put("Value", AutoValue(3.5));
    cell(3, 1).put("Value", AutoValue("x"));
    const struct {
        const char* formula;
        AutoValue value;
    } cases[] = {
        {"=A1+A2", AutoValue(5.5)},
        {"=SUM(A1:A3)", AutoValue(5.5)}, // texts in a range do not count
        {"=A1&\"-\"&A3", AutoValue("2-x")},
        {"=IF(A1>1,\"gro\xDF\",\"klein\")", AutoValue("gro\xDF")},
        {"=-2^2", AutoValue(4.0)},
        {"=ROUND(A2*3,0)", AutoValue(11.0)},
        {"=AVERAGE(A1,A2)", AutoValue(2.75)},
        {"=COUNT(A1:A3)", AutoValue(2.0)},
        {"=$A$1*(1+A2)", AutoValue(9.0)},
        {"=A1=2", AutoValue(true)},
        {"=A1/0", AutoValue()}, // an error result reads as empty
        {"=A3+1", AutoValue()},
        {"=B1+1", AutoValue()}, // refers to itself
    };
    for (const auto& c : cases) {
        range("B1").put("Formula", AutoValue(c.formula));
        EXPECT_EQ(range("B1").get("Formula"), AutoValue(c.formula));
        EXPECT_EQ(range("B1").get("Value"), c.value) << c.formula;
    }
}

TEST_F(WorkbookEngineTest, SheetReachesToTheLastRowAndColumnOfExcel) {
    cell(1048576, 16384).put("Value", AutoValue("XFD1048576"));
    EXPECT_EQ(range("XFD1048576").get("Value"), AutoValue("XFD1048576"));
    EXPECT_EQ(cell(1048576, 16384).get("Address"), AutoValue("$XFD$1048576"));
}

TEST_F(WorkbookEngineTest, ColumnFormatReachesCellsWrittenLater) {
    sheet.get("Columns", {AutoValue("C:E")}).put("NumberFormat", AutoValue("@"));
    cell(5, 4).put("Value", AutoValue("x"));
    EXPECT_EQ(range("D5").get("NumberFormat"), AutoValue("@"));
    EXPECT_EQ(range("E9").get("NumberFormat"), AutoValue("@"));
    EXPECT_EQ(range("F5").get("NumberFormat"), AutoValue("General"));
}

TEST_F(WorkbookEngineTest, EdgeBordersTouchOnlyTheEdgeWhileSideIndexesTouchEveryCell) {
    range("B2:C3").get("Borders", {i4(7)}).put("LineStyle", i4(1)); // xlEdgeLeft
    range("E2:F3").get("Borders", {i4(1)}).put("LineStyle", i4(1)); // left side of every cell
    EXPECT_EQ(range("B3").get("Borders", {i4(1)}).get("LineStyle"), i4(1));
    EXPECT_EQ(range("C2").get("Borders", {i4(1)}).get("LineStyle"), i4(-4142));
    EXPECT_EQ(range("F3").get("Borders", {i4(1)}).get("LineStyle"), i4(1));
}

TEST_F(WorkbookEngineTest, AutoFitWidensToTheLongestValueAndResetsEmptyColumns) {
    cell(1, 1).put("Value", AutoValue("kurz"));
    cell(2, 1).put("Value", AutoValue("ein deutlich längerer Text in der Spalte"));
    sheet.get("Columns", {AutoValue("B")}).put("ColumnWidth", i4(30));
    sheet.get("Columns", {AutoValue("A:B")}).get("EntireColumn").call("AutoFit");
    EXPECT_GT(sheet.get("Columns", {AutoValue("A")}).get("ColumnWidth").asDouble(), 25.0);
    EXPECT_EQ(sheet.get("Columns", {AutoValue("B")}).get("ColumnWidth"), AutoValue(8.43));
}

TEST_F(WorkbookEngineTest, CloseEndsEveryWorkbookAndQuitEndsEveryObject) {
    books.call("Add");
    EXPECT_EQ(books.get("Count"), i4(2));
    books.call("Close");
    EXPECT_EQ(books.get("Count"), i4(0));
    EXPECT_TRUE(app.get("ActiveSheet").isEmpty());
    EXPECT_THROW(sheet.get("Cells"), AutomationError);
    app.call("Quit");
    EXPECT_THROW(books.get("Count"), AutomationError);
}

struct ErrorCase {
    const char* name;
    std::function<void(WorkbookEngineTest&)> call;
    AutomationErrorKind kind;
};

class WorkbookEngineErrors : public WorkbookEngineTest, public ::testing::WithParamInterface<ErrorCase> {};

using T = WorkbookEngineTest;
using K = AutomationErrorKind;

const ErrorCase Errors[] = {
    {"UnknownMember", [](T& t) { t.app.get("Spreadsheets"); }, K::UnknownMember},
    {"MethodCalledAsPut", [](T& t) { t.app.put("Quit", AutoValue(true)); }, K::UnknownMember},
    {"CallOnANonObject", [](T&) { AutoValue(std::int32_t{0}).get("Cells"); }, K::NotAnObject},
    {"UnknownProgId", [](T&) { createAutomationObject("Word.Application"); }, K::UnknownClass},
    {"RowZero", [](T& t) { t.cell(0, 1); }, K::ApplicationError},
    {"RowBeyondTheSheet", [](T& t) { t.cell(1048577, 1); }, K::ApplicationError},
    {"ColumnBeyondTheSheet", [](T& t) { t.cell(1, 16385); }, K::ApplicationError},
    {"TextAsRow",
     [](T& t) {
         t.sheet.get("Cells").get("Item", {AutoValue("1"), i4(1)});
     },
     K::BadArguments},
    {"MissingSheetName", [](T& t) { t.book.get("Worksheets").get("Item", {AutoValue("Haltungen")}); },
     K::ApplicationError},
    {"MissingSheetNumber", [](T& t) { t.book.get("Worksheets").get("Item", {i4(2)}); }, K::ApplicationError},
    {"MissingWorkbook", [](T& t) { t.books.get("Item", {i4(2)}); }, K::ApplicationError},
    {"BadAddress", [](T& t) { t.range("A0"); }, K::ApplicationError},
    {"ColumnBeyondXFD", [](T& t) { t.range("XFE1"); }, K::ApplicationError},
    {"CellsAsColumns", [](T& t) { t.sheet.get("Columns", {AutoValue("A1:B2")}); }, K::ApplicationError},
    {"AutoFitOnCells", [](T& t) { t.range("A1:B2").call("AutoFit"); }, K::ApplicationError},
    {"DuplicateSheetName",
     [](T& t) {
         t.book.get("Worksheets").call("Add");
         t.app.get("ActiveSheet").put("Name", AutoValue("tabelle1"));
     },
     K::ApplicationError},
    {"SheetNameWithSlash", [](T& t) { t.sheet.put("Name", AutoValue("a/b")); }, K::ApplicationError},
    {"SheetNameTooLong", [](T& t) { t.sheet.put("Name", AutoValue(std::string(32, 'x'))); },
     K::ApplicationError},
    {"ColourOutsideThePalette", [](T& t) { t.range("A1").get("Interior").put("ColorIndex", i4(57)); },
     K::ApplicationError},
    {"BorderIndexUnknown", [](T& t) { t.range("A1").get("Borders", {i4(13)}); }, K::ApplicationError},
    {"LineStyleUnknown", [](T& t) { t.range("A1").get("Borders", {i4(1)}).put("LineStyle", i4(7)); },
     K::ApplicationError},
    {"FormulaUnreadable", [](T& t) { t.range("A1").put("Formula", AutoValue("=SUM(A1")); },
     K::ApplicationError},
    {"FormulaUnknownFunction", [](T& t) { t.range("A1").put("Formula", AutoValue("=FOO(1)")); },
     K::ApplicationError},
    {"FormulaTwoOperands", [](T& t) { t.range("A1").put("Formula", AutoValue("=1 2")); },
     K::ApplicationError},
    {"ObjectAsValue", [](T& t) { t.cell(1, 1).put("Value", t.sheet); }, K::BadArguments},
    {"TextTooLong", [](T& t) { t.cell(1, 1).put("Value", AutoValue(std::string(32768, 'x'))); },
     K::ApplicationError},
    {"SaveAsUnknownFormat", [](T& t) { t.book.call("SaveAs", {AutoValue("/tmp/kanal.txt")}); },
     K::BadArguments},
    {"SaveAsIntoMissingFolder",
     [](T& t) { t.book.call("SaveAs", {AutoValue("/nonexistent/dir/kanal.xls")}); }, K::ApplicationError},
};

TEST_P(WorkbookEngineErrors, RaisesAnAutomationErrorOfItsKind) {
    try {
        GetParam().call(*this);
        ADD_FAILURE() << "no automation error";
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.kind(), GetParam().kind) << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(Calls, WorkbookEngineErrors, ::testing::ValuesIn(Errors),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
