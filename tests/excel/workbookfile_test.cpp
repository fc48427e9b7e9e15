#include "excel/texcelole.h"

#include "app/recordingmessageboxes.h"
#include "record/cp1252.h"
#include "workbookreader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string cp(const std::string& utf8) {
    return utf8ToCp1252(utf8);
}

const char* const Header[25] = {
    "Dateiname",    "Lfd.Nr.",      "A-Schacht",   "E-Schacht",  "Bez.Haltg.", "Str.Name", "Unt.datum",
    "Halt.länge",   "Unt.länge",    "U-Richtung",  "Profilart",  "H/B",        "Material", "Videokass.",
    "Entf.[m]",     "Kürzel",       "Langtext",    "Textzusatz", "M143",       "A149",     "B.Riss[mm]",
    "Pos.Ang. von", "Pos.Ang. bis", "Videozähler", "Bilddatei",
};

// One observation row as the export writes it; column O (index 14) is the number.
std::vector<std::string> rowTexts(int row) {
    return {"kanal.h",
            "  12",
            "S0815",
            "S0816",
            "H1",
            "Große Straße",
            "12.03.2007",
            "45.30",
            "12.5",
            "in FR",
            "Kreis",
            "300 /  mm",
            "Beton",
            "K-7",
            "",
            "BAB",
            "Riss längs – Scherbe € " + std::to_string(row),
            "",
            "10",
            "20",
            "0.3",
            "03",
            "09",
            "00:12:34",
            "bild" + std::to_string(row) + ".jpg"};
}

bool isTextColumn(int column) { // C:E, S:T, V:Y (0-based)
    return (column >= 2 && column <= 4) || column == 18 || column == 19 || (column >= 21 && column <= 24);
}

class WorkbookFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        python = pythonWithXlrd();
        folder =
            fs::temp_directory_path() / ("telmora-excel-" + std::to_string(::getpid()) + "-" +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::permissions(folder, fs::perms::owner_all, ignored);
        fs::remove_all(folder, ignored);
    }

    // Writes the sheet "Haltungen" the way the export does: grey header, text columns, rows, auto-fit.
    void writeExportLike(const std::string& path, int rows, bool alerts = false) {
        AutoValue app;
        AutoValue sheet;
        ole.ExcelStart(false, app);
        ole.WorkbookAdd(1, workbook);
        ole.SheetAdd("Haltungen", sheet, workbook);
        ole.RangeColorSet("Haltungen", "A1:Y1", 15, workbook);
        for (const char* columns : {"C:E", "S:T", "V:Y"})
            ole.ColumnFormatSet("Haltungen", columns, "@", workbook);
        for (int c = 0; c < 25; ++c)
            ole.CellValueSet("Haltungen", 1, AutoValue(cp(Header[c])), c + 1, workbook);
        for (int r = 2; r <= rows + 1; ++r) {
            const auto texts = rowTexts(r);
            for (int c = 0; c < 25; ++c) {
                const AutoValue value =
                    c == 14 ? AutoValue(r * 0.5) : AutoValue(cp(texts[static_cast<std::size_t>(c)]));
                ole.CellValueSet("Haltungen", r, value, c + 1, workbook);
            }
        }
        ole.ColumnAutoFit("Haltungen", "A:Y", workbook);
        ole.WorkbookSaveAs(cp(path), alerts, workbook);
        ole.WorkbooksClose(cp(path));
        ole.ExcelQuit();
    }

    ReadWorkbook read(const fs::path& file, int rowLimit = -1) {
        ReadWorkbook book = readWorkbook(*python, file.string(), rowLimit);
        EXPECT_TRUE(book.ok) << book.error;
        return book;
    }

    std::string contentOf(const fs::path& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    std::optional<std::string> python;
    fs::path folder;
    RecordingMessageBoxes boxes;
    TExcelOle ole{boxes};
    AutoValue workbook;
};

class WorkbookFormatTest : public WorkbookFileTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(WorkbookFormatTest, ExportLikeSheetReadsBackWithValuesTypesFormatsFillAndWidths) {
    if (!python)
        GTEST_SKIP() << "python3-xlrd is not installed";
    const fs::path file = folder / (std::string("kanal") + GetParam());
    writeExportLike(file.string(), 3);
    ASSERT_TRUE(boxes.shown.empty()) << boxes.shown[0].text;

    const ReadWorkbook book = read(file);
    ASSERT_EQ(book.sheets.size(), 2u);
    const ReadSheet& sheet = book.sheets[0];
    EXPECT_EQ(sheet.name, "Haltungen");
    EXPECT_EQ(book.sheets[1].name, "Tabelle1");
    EXPECT_EQ(sheet.rows, 4);
    for (int c = 0; c < 25; ++c) {
        const ReadCell& cell = sheet.cells.at({0, c});
        EXPECT_EQ(cell.value, Header[c]);
        EXPECT_EQ(cell.type, "text");
        EXPECT_EQ(cell.fill, "C0C0C0") << "header column " << c;
    }
    for (int r = 1; r <= 3; ++r) {
        const auto texts = rowTexts(r + 1);
        for (int c = 0; c < 25; ++c) {
            const auto it = sheet.cells.find({r, c});
            if (c == 14) {
                ASSERT_NE(it, sheet.cells.end());
                EXPECT_EQ(it->second.type, "number");
                EXPECT_EQ(std::stod(it->second.value), (r + 1) * 0.5);
            } else if (texts[static_cast<std::size_t>(c)].empty()) {
                EXPECT_EQ(it, sheet.cells.end()) << "an empty text leaves the cell empty, column " << c;
                continue;
            } else {
                ASSERT_NE(it, sheet.cells.end()) << "row " << r << " column " << c;
                EXPECT_EQ(it->second.type, "text") << "column " << c;
                EXPECT_EQ(it->second.value, texts[static_cast<std::size_t>(c)]);
            }
            EXPECT_EQ(it->second.format, isTextColumn(c) ? "@" : "General") << "column " << c;
            EXPECT_EQ(it->second.fill, "-");
        }
    }
    for (int c = 0; c < 25; ++c)
        EXPECT_TRUE(sheet.widths.count(c)) << "auto-fit width of column " << c;
    EXPECT_GT(sheet.widths.at(16), sheet.widths.at(1) + 10) << "the long text column is the wider";
    EXPECT_GT(sheet.widths.at(16), 18.0);
}

INSTANTIATE_TEST_SUITE_P(Formats, WorkbookFormatTest, ::testing::Values(".xls", ".xlsx"),
                         [](const auto& info) { return std::string(info.param + 1); });

TEST_P(WorkbookFormatTest, FormulasAreSavedWithTheirResults) {
    if (!python)
        GTEST_SKIP() << "python3-xlrd is not installed";
    AutoValue app;
    ole.ExcelStart(false, app);
    ole.WorkbookAdd(1, workbook);
    ole.CellValueSet("Tabelle1", 1, AutoValue(2.0), 1, workbook);
    ole.CellValueSet("Tabelle1", 2, AutoValue(3.5), 1, workbook);
    ole.RangeFormulaSet("Tabelle1", "B1", "=SUM(A1:A2)*2", workbook);
    ole.RangeFormulaSet("Tabelle1", "B2", "=IF(A1<A2,\"kleiner \x80\",\"\")", workbook);
    ole.RangeFormulaSet("Tabelle1", "B3", "=$A$1^3+ROUND(A2,0)", workbook);
    const fs::path file = folder / (std::string("formeln") + GetParam());
    ole.WorkbookSaveAs(file.string(), false, workbook);
    ASSERT_TRUE(boxes.shown.empty()) << boxes.shown[0].text;

    const ReadWorkbook book = read(file);
    ASSERT_EQ(book.sheets.size(), 1u);
    const auto& cells = book.sheets[0].cells;
    EXPECT_EQ(cells.at({0, 1}).type, "number");
    EXPECT_EQ(std::stod(cells.at({0, 1}).value), 11.0);
    EXPECT_EQ(cells.at({1, 1}).type, "text");
    EXPECT_EQ(cells.at({1, 1}).value, "kleiner €");
    EXPECT_EQ(std::stod(cells.at({2, 1}).value), 12.0);
    if (std::string(GetParam()) == ".xls") {
        const auto& formulas = book.sheets[0].formulas;
        EXPECT_EQ(formulas.at({0, 1}), "SUM(A1:A2)*2.0");
        EXPECT_EQ(formulas.at({1, 1}), "IF(A1<A2,\"kleiner €\",\"\")");
        EXPECT_EQ(formulas.at({2, 1}), "$A$1^3.0+ROUND(A2,0.0)");
    }
}

TEST_F(WorkbookFileTest, LongSheetGoesOnContinuationSheetsInXlsEachStartingWithTheHeader) {
    if (!python)
        GTEST_SKIP() << "python3-xlrd is not installed";
    constexpr int Rows = 140000; // 65,536 + 65,535 + 8,929
    AutoValue app;
    AutoValue sheet;
    ole.ExcelStart(false, app);
    ole.WorkbookAdd(1, workbook);
    ole.SheetAdd("Haltungen", sheet, workbook);
    ole.CellValueSet("Haltungen", 1, AutoValue("Dateiname"), 1, workbook);
    ole.CellValueSet("Haltungen", 1, AutoValue("Entf.[m]"), 2, workbook);
    for (int r = 2; r <= Rows; ++r) {
        ole.CellValueSet("Haltungen", r, AutoValue("r" + std::to_string(r)), 1, workbook);
        ole.CellValueSet("Haltungen", r, AutoValue(static_cast<double>(r)), 2, workbook);
    }
    const fs::path xls = folder / "lang.xls";
    const fs::path xlsx = folder / "lang.xlsx";
    ole.WorkbookSaveAs(xls.string(), false, workbook);
    ole.WorkbookSaveAs(xlsx.string(), false, workbook);
    ASSERT_TRUE(boxes.shown.empty()) << boxes.shown[0].text;

    const ReadWorkbook book = read(xls, 3);
    ASSERT_EQ(book.sheets.size(), 4u);
    const struct {
        const char* name;
        int rows;
        int secondRow; // source row (1-based) shown in the part's second row
        int lastRow;
    } parts[] = {{"Haltungen", 65536, 2, 65536},
                 {"Haltungen (2)", 65536, 65537, 131071},
                 {"Haltungen (3)", 8930, 131072, 140000}};
    for (std::size_t p = 0; p < 3; ++p) {
        const ReadSheet& part = book.sheets[p];
        EXPECT_EQ(part.name, parts[p].name);
        EXPECT_EQ(part.rows, parts[p].rows);
        EXPECT_EQ(part.cells.at({0, 0}).value, "Dateiname");
        EXPECT_EQ(part.cells.at({0, 1}).value, "Entf.[m]");
        EXPECT_EQ(part.cells.at({1, 0}).value, "r" + std::to_string(parts[p].secondRow));
        EXPECT_EQ(std::stod(part.cells.at({part.rows - 1, 1}).value), parts[p].lastRow);
    }
    EXPECT_EQ(book.sheets[3].name, "Tabelle1");

    const ReadWorkbook whole = read(xlsx, 3);
    ASSERT_EQ(whole.sheets.size(), 2u);
    EXPECT_EQ(whole.sheets[0].rows, Rows);
    EXPECT_EQ(std::stod(whole.sheets[0].cells.at({Rows - 1, 1}).value), Rows);
}

TEST_F(WorkbookFileTest, LongAndUnicodeTextsSurviveTheSplitsOfTheSharedStringTable) {
    if (!python)
        GTEST_SKIP() << "python3-xlrd is not installed";
    // Texts of 8-bit and of 16-bit characters, some longer than one record, so that texts are cut at
    // record boundaries in both character sizes.
    std::vector<std::string> texts;
    for (int i = 0; i < 600; ++i) {
        const std::string repeated = i % 2 ? "\x80\x96" : "\xe4\xf6";
        std::string text;
        for (int n = 0; n < 10 + i % 97; ++n)
            text += repeated;
        texts.push_back(text + std::to_string(i));
    }
    texts.push_back(std::string(20000, 'x') + "!");
    texts.push_back(std::string(9000, '\x80'));
    AutoValue app;
    ole.ExcelStart(false, app);
    ole.WorkbookAdd(1, workbook);
    for (std::size_t i = 0; i < texts.size(); ++i)
        ole.CellValueSet("Tabelle1", static_cast<int>(i) + 1, AutoValue(texts[i]), 1, workbook);
    const fs::path file = folder / "texte.xls";
    ole.WorkbookSaveAs(file.string(), false, workbook);
    ASSERT_TRUE(boxes.shown.empty()) << boxes.shown[0].text;

    const ReadWorkbook book = read(file);
    ASSERT_EQ(book.sheets.size(), 1u);
    ASSERT_EQ(book.sheets[0].rows, static_cast<int>(texts.size()));
    for (std::size_t i = 0; i < texts.size(); ++i)
        EXPECT_EQ(book.sheets[0].cells.at({static_cast<int>(i), 0}).value, cp1252ToUtf8(texts[i]))
            << "row " << i;
}

TEST_F(WorkbookFileTest, WorkbookOfSeveralMegabytesReadsBackWhole) {
    if (!python)
        GTEST_SKIP() << "python3-xlrd is not installed";
    // Beyond about 7 MB the file's sector table no longer fits its header and goes on in extra sectors.
    constexpr int Rows = 900;
    AutoValue app;
    ole.ExcelStart(false, app);
    ole.WorkbookAdd(1, workbook);
    const auto text = [](int row) {
        return std::to_string(row) + std::string(10000, static_cast<char>('a' + row % 26));
    };
    for (int r = 1; r <= Rows; ++r)
        ole.CellValueSet("Tabelle1", r, AutoValue(text(r)), 1, workbook);
    const fs::path file = folder / "gross.xls";
    ole.WorkbookSaveAs(file.string(), false, workbook);
    ASSERT_TRUE(boxes.shown.empty()) << boxes.shown[0].text;
    ASSERT_GT(fs::file_size(file), 8'000'000u);

    const ReadWorkbook book = read(file);
    ASSERT_EQ(book.sheets.size(), 1u);
    ASSERT_EQ(book.sheets[0].rows, Rows);
    for (int r : {1, 450, Rows})
        EXPECT_EQ(book.sheets[0].cells.at({r - 1, 0}).value, text(r));
}

TEST_F(WorkbookFileTest, SavingAgainReplacesTheWorkbook) {
    if (!python)
        GTEST_SKIP() << "python3-xlrd is not installed";
    const fs::path file = folder / "kanal.xls";
    writeExportLike(file.string(), 5);
    writeExportLike(file.string(), 2);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(read(file).sheets.at(0).rows, 3);
    for (const auto& entry : fs::directory_iterator(folder))
        EXPECT_EQ(entry.path().filename(), "kanal.xls") << "no temporary file is left behind";
}

TEST_F(WorkbookFileTest, FailedSaveLeavesTheOldFileAndReports) {
    const fs::path file = folder / "kanal.xls";
    { std::ofstream(file) << "old workbook"; }
    // With alerts on, an existing target is refused: nobody can be asked.
    writeExportLike(file.string(), 1, true);
    ASSERT_FALSE(boxes.shown.empty());
    EXPECT_EQ(boxes.shown[0].text, "Fehler beim Speichern einer Arbeitsmappe");
    EXPECT_EQ(contentOf(file), "old workbook");
}

TEST_F(WorkbookFileTest, SaveIntoReadOnlyFolderLeavesTheOldFileAndReports) {
    const fs::path file = folder / "kanal.xlsx";
    { std::ofstream(file) << "old workbook"; }
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
    // The superuser writes anywhere, so the save runs in a child without those rights.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(3);
        writeExportLike(file.string(), 1);
        const bool reported =
            !boxes.shown.empty() && boxes.shown[0].text == "Fehler beim Speichern einer Arbeitsmappe";
        ::_exit(reported && boxes.shown.size() == 1 ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the save reports exactly one failure";
    EXPECT_EQ(contentOf(file), "old workbook");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

} // namespace
