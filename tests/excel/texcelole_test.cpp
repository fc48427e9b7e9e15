#include "excel/texcelole.h"

#include "app/recordingmessageboxes.h"
#include "record/cp1252.h"
#include "recordingautomation.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

// Texts of the program are Windows-1252; the tests write them in UTF-8.
std::string cp(const char* utf8) {
    return utf8ToCp1252(utf8);
}

class TExcelOleTest : public ::testing::Test {
protected:
    // Starts the recorded instance and adds the workbook, as the export does, then forgets those calls.
    void prepare() {
        AutoValue application;
        ole.ExcelStart(false, application);
        ole.WorkbookAdd(1, workbook);
        automation.calls.clear();
        baseline = automation.liveObjects;
    }

    std::vector<std::string> messageTexts() const {
        std::vector<std::string> texts;
        for (const auto& shown : boxes.shown) {
            EXPECT_EQ(shown.caption, "Fehler");
            EXPECT_EQ(shown.buttons, MessageButtons::Ok);
            texts.push_back(shown.text);
        }
        return texts;
    }

    RecordingAutomation automation;
    RecordingMessageBoxes boxes;
    TExcelOle ole{boxes, [this](std::string_view progId) { return automation.create(std::string(progId)); }};
    AutoValue workbook;
    int baseline = 0;
};

// Runs one operation and gives its result in the recorded notation ("" when it has none).
using Operation = std::function<std::string(TExcelOle&, const AutoValue& workbook)>;

std::string none() {
    return "";
}

const Operation Start = [](TExcelOle& o, const AutoValue&) {
    AutoValue app;
    o.ExcelStart(false, app);
    return app.describe();
};
const Operation StartVisible = [](TExcelOle& o, const AutoValue&) {
    AutoValue app;
    o.ExcelStart(true, app);
    return app.describe();
};
const Operation AddWorkbook = [](TExcelOle& o, const AutoValue&) {
    AutoValue wb;
    o.WorkbookAdd(1, wb);
    return wb.describe();
};
const Operation CloseAll = [](TExcelOle& o, const AutoValue&) {
    return std::string(o.WorkbooksClose("C:\\daten\\exceldat\\kanal.xls") ? "true" : "false");
};
const Operation Save = [](TExcelOle& o, const AutoValue& wb) {
    o.WorkbookSaveAs("C:\\daten\\exceldat\\kanal.xls", false, wb);
    return none();
};
const Operation Quit = [](TExcelOle& o, const AutoValue&) {
    o.ExcelQuit();
    return o.excelApplication().describe() + " " + o.excelWorkbooks().describe();
};
const Operation AddSheet = [](TExcelOle& o, const AutoValue& wb) {
    AutoValue sheet;
    o.SheetAdd("Haltungen", sheet, wb);
    return sheet.describe();
};
const Operation GetSheet = [](TExcelOle& o, const AutoValue& wb) {
    AutoValue sheet;
    o.SheetGet("Haltungen", sheet, wb);
    return sheet.describe();
};
const Operation SetCell = [](TExcelOle& o, const AutoValue& wb) {
    o.CellValueSet("Haltungen", 2, AutoValue(4.5), 15, wb);
    return none();
};
const Operation GetCell = [](TExcelOle& o, const AutoValue& wb) {
    AutoValue value;
    o.CellValueGet("Haltungen", 7, value, 3, wb);
    return value.describe();
};
const Operation SetFormula = [](TExcelOle& o, const AutoValue& wb) {
    o.RangeFormulaSet("Haltungen", "A1:B2", "=1+2", wb);
    return none();
};
const Operation SetColor = [](TExcelOle& o, const AutoValue& wb) {
    o.RangeColorSet("Haltungen", "A1:Y1", 15, wb);
    return none();
};
const Operation SetFormat = [](TExcelOle& o, const AutoValue& wb) {
    o.ColumnFormatSet("Haltungen", "C:E", "@", wb);
    return none();
};
const Operation AutoFit = [](TExcelOle& o, const AutoValue& wb) {
    o.ColumnAutoFit("Haltungen", "A:Y", wb);
    return none();
};
Operation borders(int style, BorderSides sides) {
    return [style, sides](TExcelOle& o, const AutoValue& wb) {
        return std::string(o.CellBorderSet("Haltungen", "B2:C3", style, sides, wb) ? "true" : "false");
    };
}
BorderSides sides(std::initializer_list<int> list) {
    BorderSides set;
    for (int side : list)
        set.set(static_cast<std::size_t>(side));
    return set;
}

const std::string LookUp1 = "Item get Worksheets()";
const std::string LookUp2 = "Worksheets get Item(BSTR \"Haltungen\")";

struct SequenceCase {
    const char* name;
    Operation run;
    std::vector<std::string> calls;
    std::string result;
};

const SequenceCase Sequences[] = {
    {"ExcelStartInvisible", Start, {"create Excel.Application", "Application get Workbooks()"}, "DISPATCH"},
    {"ExcelStartVisible",
     StartVisible,
     {"create Excel.Application", "Application put Visible(BOOL true)", "Application get Workbooks()"},
     "DISPATCH"},
    {"WorkbookAdd", AddWorkbook, {"Workbooks call Add()", "Workbooks get Item(I4 1)"}, "DISPATCH"},
    {"WorkbooksClose", CloseAll, {"Workbooks call Close()"}, "true"},
    {"WorkbookSaveAs",
     Save,
     {"Application put DisplayAlerts(BOOL false)",
      "Item call SaveAs(BSTR \"C:\\daten\\exceldat\\kanal.xls\")"},
     ""},
    {"ExcelQuit", Quit, {"Application call Quit()"}, "EMPTY EMPTY"},
    {"SheetAdd",
     AddSheet,
     {"Item get Worksheets()", "Worksheets call Add()", "Application get ActiveSheet()",
      "ActiveSheet put Name(BSTR \"Haltungen\")"},
     "DISPATCH"},
    {"SheetGet", GetSheet, {LookUp1, LookUp2}, "DISPATCH"},
    {"CellValueSet",
     SetCell,
     {LookUp1, LookUp2, "Item get Cells()", "Cells get Item(I4 2, I4 15)", "Item put Value(R8 4.5)"},
     ""},
    {"CellValueGet",
     GetCell,
     {LookUp1, LookUp2, "Item get Cells()", "Cells get Item(I4 7, I4 3)", "Item get Value()"},
     "BSTR \"x\""},
    {"RangeFormulaSet",
     SetFormula,
     {LookUp1, LookUp2, "Item get Range(BSTR \"A1:B2\")", "Range put Formula(BSTR \"=1+2\")"},
     ""},
    {"RangeColorSet",
     SetColor,
     {LookUp1, LookUp2, "Item get Range(BSTR \"A1:Y1\")", "Range get Interior()",
      "Interior put ColorIndex(I4 15)"},
     ""},
    {"ColumnFormatSet",
     SetFormat,
     {LookUp1, LookUp2, "Item get Columns(BSTR \"C:E\")", "Columns put NumberFormat(BSTR \"@\")"},
     ""},
    {"ColumnAutoFit",
     AutoFit,
     {LookUp1, LookUp2, "Item get Columns(BSTR \"A:Y\")", "Columns get EntireColumn()",
      "EntireColumn call AutoFit()"},
     ""},
    {"CellBorderSetStyle7SetsContinuousFirst",
     borders(7, sides({1, 3})),
     {LookUp1, LookUp2, "Item get Range(BSTR \"B2:C3\")", "Range get Borders(I4 1)",
      "Borders put LineStyle(I4 1)", "Range get Borders(I4 1)", "Borders put LineStyle(I4 7)",
      "Item get Range(BSTR \"B2:C3\")", "Range get Borders(I4 3)", "Borders put LineStyle(I4 1)",
      "Range get Borders(I4 3)", "Borders put LineStyle(I4 7)"},
     "true"},
    {"CellBorderSetOtherStyleOnce",
     borders(9, sides({4, 2})),
     {LookUp1, LookUp2, "Item get Range(BSTR \"B2:C3\")", "Range get Borders(I4 2)",
      "Borders put LineStyle(I4 9)", "Item get Range(BSTR \"B2:C3\")", "Range get Borders(I4 4)",
      "Borders put LineStyle(I4 9)"},
     "true"},
    {"CellBorderSetEmptySetOnlyLooksUpTheSheet", borders(1, {}), {LookUp1, LookUp2}, "true"},
};

class TExcelOleSequence : public TExcelOleTest, public ::testing::WithParamInterface<SequenceCase> {};

TEST_P(TExcelOleSequence, MakesItsCallsInOrderAndReleasesEveryIntermediate) {
    automation.results["Value"] = AutoValue("x");
    prepare();
    const SequenceCase& c = GetParam();
    const std::string result = c.run(ole, workbook);
    EXPECT_EQ(automation.calls, c.calls);
    EXPECT_EQ(result, c.result);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_FALSE(ole.lastFailed());
    EXPECT_LE(automation.liveObjects, baseline);
}

INSTANTIATE_TEST_SUITE_P(Operations, TExcelOleSequence, ::testing::ValuesIn(Sequences),
                         [](const auto& info) { return std::string(info.param.name); });

struct FailureCase {
    const char* name;
    Operation run;
    const char* failing;
    std::vector<const char*> messages; // UTF-8
    std::string result;
};

const FailureCase Failures[] = {
    {"ExcelStartNotInstalled", Start, "create", {"Fehler beim Öffnen der OLE-Schnittstelle"}, "I4 0"},
    {"ExcelStartNoWorkbooks",
     Start,
     "Application get Workbooks",
     {"Fehler beim Öffnen der OLE-Schnittstelle"},
     "I4 0"},
    {"WorkbookAdd", AddWorkbook, "Workbooks call Add", {"Fehler beim Erstellen einer Arbeitsmappe"}, "I4 0"},
    {"WorkbooksCloseNamesTheWorkbook",
     CloseAll,
     "Workbooks call Close",
     {"Fehler beim Schließen der Arbeitsmappe \"C:\\daten\\exceldat\\kanal.xls\""},
     "false"},
    {"WorkbookSaveAs", Save, "Item call SaveAs", {"Fehler beim Speichern einer Arbeitsmappe"}, ""},
    {"ExcelQuitKeepsBothReferences",
     Quit,
     "Application call Quit",
     {"Fehler beim Beenden von Excel"},
     "DISPATCH DISPATCH"},
    {"SheetAdd",
     AddSheet,
     "Application get ActiveSheet",
     {"Fehler beim Erzeugen der Tabelle \"Haltungen\""},
     "I4 0"},
    {"SheetGet",
     GetSheet,
     "Worksheets get Item",
     {"Fehler beim Ermitteln der Tabelle \"Haltungen\""},
     "I4 0"},
    {"CellValueSet", SetCell, "Item put Value", {"Fehler beim Schreiben einer Zelle"}, ""},
    {"CellValueSetOnMissingSheetShowsTwoMessages",
     SetCell,
     "Worksheets get Item",
     {"Fehler beim Ermitteln der Tabelle \"Haltungen\"", "Fehler beim Schreiben einer Zelle"},
     ""},
    {"CellValueGet", GetCell, "Item get Value", {"Fehler beim Lesen einer Zelle"}, "I4 0"},
    {"CellValueGetOnMissingSheet",
     GetCell,
     "Worksheets get Item",
     {"Fehler beim Ermitteln der Tabelle \"Haltungen\"", "Fehler beim Lesen einer Zelle"},
     "I4 0"},
    {"RangeFormulaSet",
     SetFormula,
     "Range put Formula",
     {"Fehler beim Erzeugen einer Formel über einen Bereich"},
     ""},
    {"RangeColorSet",
     SetColor,
     "Interior put ColorIndex",
     {"Fehler beim Ändern der Farbe eines Bereiches"},
     ""},
    {"RangeColorSetOnMissingSheet",
     SetColor,
     "Worksheets get Item",
     {"Fehler beim Ermitteln der Tabelle \"Haltungen\"", "Fehler beim Ändern der Farbe eines Bereiches"},
     ""},
    {"ColumnFormatSet", SetFormat, "Columns put NumberFormat", {"Fehler beim Formatieren einer Spalte"}, ""},
    {"ColumnAutoFit",
     AutoFit,
     "EntireColumn call AutoFit",
     {"Fehler bei automatischer Breitenanpassung einer Spalte"},
     ""},
    {"CellBorderSet", borders(7, sides({2})), "Borders put LineStyle", {"Fehler in CellBorderSet"}, "false"},
};

class TExcelOleFailure : public TExcelOleTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(TExcelOleFailure, ReportsWithCaptionFehlerAndReturnsTheFailureResult) {
    const FailureCase& c = GetParam();
    prepare();
    automation.failing.insert(c.failing);
    const std::string result = c.run(ole, workbook);
    std::vector<std::string> expected;
    for (const char* m : c.messages)
        expected.push_back(cp(m));
    EXPECT_EQ(messageTexts(), expected);
    EXPECT_EQ(result, c.result);
    EXPECT_TRUE(ole.lastFailed());
    EXPECT_LE(automation.liveObjects, baseline);
}

INSTANTIATE_TEST_SUITE_P(Operations, TExcelOleFailure, ::testing::ValuesIn(Failures),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(TExcelOleTest, MissingSheetStopsBeforeAnyCallOnTheFailureValue) {
    prepare();
    automation.failing.insert("Worksheets get Item");
    ole.CellValueSet("Haltungen", 2, AutoValue("a"), 1, workbook);
    EXPECT_EQ(automation.calls, (std::vector<std::string>{LookUp1, LookUp2}));
}

TEST_F(TExcelOleTest, BorderSetWithoutSidesOnMissingSheetDoesNotPassAsSuccess) {
    prepare();
    automation.failing.insert("Worksheets get Item");
    EXPECT_FALSE(ole.CellBorderSet("Haltungen", "A1", 1, BorderSides(), workbook));
    EXPECT_EQ(messageTexts(), std::vector<std::string>{"Fehler beim Ermitteln der Tabelle \"Haltungen\""});
    EXPECT_TRUE(ole.lastFailed());
}

TEST_F(TExcelOleTest, SecondQuitWithoutInstanceReports) {
    prepare();
    ole.ExcelQuit();
    EXPECT_FALSE(ole.lastFailed());
    EXPECT_TRUE(ole.excelApplication().isEmpty());
    ole.ExcelQuit();
    EXPECT_EQ(messageTexts(), std::vector<std::string>{"Fehler beim Beenden von Excel"});
    EXPECT_TRUE(ole.lastFailed());
}

TEST_F(TExcelOleTest, StartAfterQuitCreatesAFreshInstance) {
    prepare();
    ole.ExcelQuit();
    automation.calls.clear();
    AutoValue app;
    ole.ExcelStart(false, app);
    EXPECT_EQ(automation.calls,
              (std::vector<std::string>{"create Excel.Application", "Application get Workbooks()"}));
    EXPECT_TRUE(app.isObject());
}

TEST_F(TExcelOleTest, StartDropsTheEarlierInstanceEvenWhenItFails) {
    prepare();
    automation.failing.insert("create");
    AutoValue app;
    ole.ExcelStart(false, app);
    EXPECT_TRUE(ole.excelApplication().isEmpty());
    EXPECT_EQ(app, AutoValue(std::int32_t{0}));
}

TEST_F(TExcelOleTest, WithoutExcelEveryLaterOperationReportsItsOwnFailure) {
    automation.failing.insert("create");
    AutoValue app;
    AutoValue wb;
    AutoValue sheet;
    ole.ExcelStart(false, app);
    ole.WorkbookAdd(1, wb);
    ole.SheetAdd("Haltungen", sheet, wb);
    ole.CellValueSet("Haltungen", 1, AutoValue("Dateiname"), 1, wb);
    ole.WorkbookSaveAs("x.xls", false, wb);
    EXPECT_EQ(messageTexts(), (std::vector<std::string>{cp("Fehler beim Öffnen der OLE-Schnittstelle"),
                                                        "Fehler beim Erstellen einer Arbeitsmappe",
                                                        "Fehler beim Erzeugen der Tabelle \"Haltungen\"",
                                                        "Fehler beim Ermitteln der Tabelle \"Haltungen\"",
                                                        "Fehler beim Schreiben einer Zelle",
                                                        "Fehler beim Speichern einer Arbeitsmappe"}));
    EXPECT_EQ(automation.calls, std::vector<std::string>{"create Excel.Application"});
}

TEST_F(TExcelOleTest, LastFailedFollowsTheMostRecentOperation) {
    prepare();
    automation.failing.insert("Item put Value");
    ole.CellValueSet("Haltungen", 2, AutoValue("a"), 1, workbook);
    EXPECT_TRUE(ole.lastFailed());
    automation.failing.clear();
    ole.CellValueSet("Haltungen", 2, AutoValue("a"), 1, workbook);
    EXPECT_FALSE(ole.lastFailed());
}

TEST_F(TExcelOleTest, MessageIsCutAt255Characters) {
    prepare();
    automation.failing.insert("Worksheets get Item");
    const std::string name(400, 'x');
    AutoValue sheet;
    ole.SheetGet(name, sheet, workbook);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text.size(), 255u);
    EXPECT_EQ(boxes.shown[0].text.rfind("Fehler beim Ermitteln der Tabelle \"xxx", 0), 0u);
}

TEST_F(TExcelOleTest, NameWithPercentSignIsNotTakenAsFormat) {
    prepare();
    automation.failing.insert("Workbooks call Close");
    ole.WorkbooksClose("100%s%n.xls");
    EXPECT_EQ(messageTexts(),
              std::vector<std::string>{cp("Fehler beim Schließen der Arbeitsmappe \"100%s%n.xls\"")});
}

TEST_F(TExcelOleTest, DestroyingTheWrapperReleasesWithoutQuitting) {
    {
        TExcelOle local{boxes,
                        [this](std::string_view progId) { return automation.create(std::string(progId)); }};
        AutoValue app;
        local.ExcelStart(false, app);
    }
    EXPECT_EQ(automation.liveObjects, 0);
    EXPECT_EQ(automation.calls,
              (std::vector<std::string>{"create Excel.Application", "Application get Workbooks()"}));
}

} // namespace
