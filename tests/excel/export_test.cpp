#include "app/mainstate.h"
#include "app/recordingmessageboxes.h"
#include "excel/exporthaltungen.h"
#include "excel/folders.h"
#include "excel/seriesexport.h"
#include "excel/texcelole.h"
#include "record/cp1252.h"
#include "record/isybaubuilder.h"
#include "workbookreader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

// A view that counts the dispatches and presses Esc at the one asked for.
class ScriptedView final : public SeriesExportView {
public:
    explicit ScriptedView(ExportState& e) : m_e(e) {}
    void dispatchPendingMessages() override {
        if (++dispatches == escAt)
            m_e.ExportCancel = 1;
    }
    void showLfdNr(std::string_view lfdNr) override { lastLfdNr = lfdNr; }
    void showFileNumber(long long n) override { fileNumbers.push_back(n); }
    void showFileCount(long long n) override { fileCount = n; }
    void showSource(std::string_view) override {}
    void showTarget(std::string_view) override {}
    void showSectionCount(long long) override {}

    int dispatches = 0;
    int escAt = -1;
    std::string lastLfdNr;
    std::vector<long long> fileNumbers;
    long long fileCount = 0;

private:
    ExportState& m_e;
};

// Section n of a generated file: `observations` lines with codes cycling through a few kinds.
std::string section(int n, int observations, const char* street = "M\374hlenweg") {
    std::string text = hi2("B" + std::to_string(n), street) +
                       hi3({.a = "A" + std::to_string(n), .e = "E" + std::to_string(n), .profile = "1", .width = "",
                            .direction = n % 2 ? "u" : "I", .length = "12.5"});
    static const char* codes[] = {"BA", "HI", "HL", "IAB", "RL"};
    for (int i = 0; i < observations; ++i)
        text += hi4({.station = std::to_string(i) + ".5", .code = codes[i % 5], .q1 = i % 5 == 2 ? "45.30" : "7",
                     .q2 = "3", .crack = "2", .from = "11", .to = "1"});
    return text;
}

class Export : public ::testing::Test {
protected:
    void SetUp() override {
        m_python = pythonWithXlrd();
        if (!m_python)
            GTEST_SKIP() << "python3-xlrd is not installed";
        m_dir = fs::temp_directory_path() / ("telmora_export_" + std::to_string(::getpid()) + "_" +
                                             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    std::string write(const std::string& name, const std::string& bytes) {
        std::ofstream(m_dir / name, std::ios::binary) << bytes;
        return (m_dir / name).string();
    }
    ReadSheet sheetOf(const fs::path& workbook, int rowLimit = -1) {
        const ReadWorkbook book = readWorkbook(*m_python, workbook.string(), rowLimit);
        EXPECT_TRUE(book.ok) << book.error;
        EXPECT_FALSE(book.sheets.empty());
        return book.sheets.empty() ? ReadSheet{} : book.sheets.front();
    }
    static std::string value(const ReadSheet& s, int row, int column) {
        const auto it = s.cells.find({row, column});
        return it == s.cells.end() ? std::string() : it->second.value;
    }

    // The main window's export of one file; the outcome and the messages shown.
    ExportOutcome exportFile(const std::string& path, RecordingMessageBoxes& messages, ExportState& e,
                             int escAt = -1) {
        MainState state;
        EXPECT_EQ(state.openFile(path, path).status, OpenStatus::Loaded);
        if (!prepareMainWindowExport(state, e, messages))
            return ExportOutcome::Failed;
        TExcelOle excel(messages);
        ScriptedView view(e);
        view.escAt = escAt;
        ExportContext context{state, excel, e, messages, view};
        return ExportHaltungen(context);
    }

    SeriesExportResult exportFolder(RecordingMessageBoxes& messages, bool oneWorkbook, ScriptedView* view = nullptr) {
        MainState state;
        ExportState e;
        TExcelOle excel(messages);
        ScriptedView ownView(e);
        SeriesExportRequest request;
        request.folder = fromFileSystemPath(m_dir.string());
        for (const std::string& file : findIsybauFiles(m_dir.string()))
            request.files.push_back(fromFileSystemPath(file));
        request.oneWorkbook = oneWorkbook;
        if (view)
            return runSeriesExport(state, excel, e, messages, *view, request);
        return runSeriesExport(state, excel, e, messages, ownView, request);
    }

    std::optional<std::string> m_python;
    fs::path m_dir;
};

TEST_F(Export, OneRowPerObservationWithTheValuesOfItsSection) {
    const std::string path =
        write("Kanal.2007.h", isybauHeader() + hi1("01.02.2003") + section(1, 3) + section(2, 0) + section(3, 2));
    RecordingMessageBoxes messages;
    ExportState e;
    ASSERT_EQ(exportFile(path, messages, e), ExportOutcome::Done);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, ExportFinishedMessage);
    EXPECT_EQ(messages.shown[0].caption, ApplicationTitle);

    // The workbook's name is the lower-cased file name cut at its first point.
    const ReadSheet s = sheetOf(m_dir / "exceldat" / "kanal.xls");
    EXPECT_EQ(s.name, "Haltungen");
    ASSERT_EQ(s.rows, 6);
    EXPECT_EQ(value(s, 0, 7), "Halt.l\303\244nge");
    EXPECT_EQ(s.cells.at({0, 0}).fill, "C0C0C0");
    EXPECT_EQ(s.cells.at({1, 2}).format, "@");
    const std::vector<std::string> first = {"kanal.2007.h", "1   ", "A1", "E1", "B1", "M\303\274hlenweg", "01.02.2003",
                                            "45.30",        "12.5", "gegen FR", "1  Eiprofil (H/B = 3/2)",
                                            "300 /  mm",    "STZ  Steinzeug", "001"};
    for (int column = 0; column < 14; ++column)
        EXPECT_EQ(value(s, 1, column), first[static_cast<std::size_t>(column)]) << column;
    EXPECT_EQ(s.cells.at({1, 14}).type, "number");
    EXPECT_EQ(value(s, 1, 14), "0.5");
    EXPECT_EQ(value(s, 1, 15), "BA");
    EXPECT_EQ(value(s, 1, 18), "7");
    EXPECT_EQ(value(s, 1, 19), "3cm2");
    EXPECT_EQ(value(s, 1, 21), "11");
    // "HI": an "I" in the second place leaves S to W empty
    EXPECT_EQ(value(s, 2, 15), "HI");
    for (int column = 18; column <= 22; ++column)
        EXPECT_FALSE(s.cells.count({2, column})) << column;
    EXPECT_EQ(value(s, 2, 23), "00:00:12:34");
    // The section without observations gives no row; section 3 follows at once.
    EXPECT_EQ(value(s, 4, 1), "3   ");
    EXPECT_EQ(value(s, 4, 9), "gegen FR");
    // the "HL" length of section 1 stands in every row of it, the first rows included
    EXPECT_EQ(value(s, 3, 7), "45.30");
}

TEST(ExportValues, LengthRule) {
    struct Case {
        const char* text;
        const char* value;
    };
    const Case cases[] = {{"45.30m  ", "45.30"}, {"12.5m", "12.5"}, {"0.8 m", "0.8 "}, {"", ""}, {"   ", ""}, {"7", "7"}};
    for (const Case& c : cases)
        EXPECT_EQ(lengthValue(c.text), c.value) << c.text;
}

TEST_F(Export, EveryObservationOfEverySectionIsWritten) {
    std::string text = isybauHeader();
    long long expected = 0;
    for (int n = 1; n <= 1200; ++n) {
        const int observations = n == 7 ? 150 : n % 3;
        text += section(n, observations);
        expected += observations;
    }
    const std::string path = write("gross.h", text);
    RecordingMessageBoxes messages;
    ExportState e;
    ASSERT_EQ(exportFile(path, messages, e), ExportOutcome::Done);
    const ReadSheet s = sheetOf(m_dir / "exceldat" / "gross.xls", 2);
    EXPECT_EQ(s.rows, expected + 1);
}

TEST_F(Export, EscSavesWhatWasWrittenAndTheCancelRow) {
    const std::string path = write("k.h", isybauHeader() + section(1, 2) + section(2, 2) + section(3, 2));
    RecordingMessageBoxes messages;
    ExportState e;
    ASSERT_EQ(exportFile(path, messages, e, 2), ExportOutcome::Cancelled);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, ExportCancelledMessage);
    const ReadSheet s = sheetOf(m_dir / "exceldat" / "k.xls");
    ASSERT_EQ(s.rows, 4);
    EXPECT_EQ(value(s, 3, 0), "Abbruch durch Anwender");
}

TEST_F(Export, AFailedSaveIsReportedOnceAndNotAsSuccess) {
    const std::string path = write("k.h", isybauHeader() + section(1, 2));
    RecordingMessageBoxes messages;
    ExportState e;
    MainState state;
    ASSERT_EQ(state.openFile(path, path).status, OpenStatus::Loaded);
    ASSERT_TRUE(prepareMainWindowExport(state, e, messages));
    fs::remove_all(m_dir / "exceldat"); // the target folder is gone when the workbook is saved
    TExcelOle excel(messages);
    ScriptedView view(e);
    ExportContext context{state, excel, e, messages, view};
    EXPECT_EQ(ExportHaltungen(context), ExportOutcome::Failed);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Fehler beim Speichern einer Arbeitsmappe");
    EXPECT_TRUE(excel.excelApplication().isEmpty()); // no instance left behind
}

TEST_F(Export, MissingExceldatFolderThatCannotBeMadeStopsBeforeTheDialog) {
    const std::string path = write("k.h", isybauHeader() + section(1, 2));
    write("exceldat", "a file in the folder's place");
    RecordingMessageBoxes messages;
    MainState state;
    ASSERT_EQ(state.openFile(path, path).status, OpenStatus::Loaded);
    ExportState e;
    EXPECT_FALSE(prepareMainWindowExport(state, e, messages));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, MainFolderMessage);

    fs::create_directory(m_dir / "sub");
    write("sub/b.h", isybauHeader() + section(1, 1));
    write("sub/exceldat", "");
    RecordingMessageBoxes seriesMessages;
    m_dir /= "sub";
    const SeriesExportResult result = exportFolder(seriesMessages, false);
    EXPECT_EQ(result.outcome, SeriesOutcome::Stopped);
    ASSERT_EQ(seriesMessages.shown.size(), 1u);
    EXPECT_EQ(seriesMessages.shown[0].text, SeriesFolderMessage);
    m_dir = m_dir.parent_path();
}

TEST_F(Export, SeriesWritesOneWorkbookPerFileOrAllInOne) {
    write("a.h", isybauHeader() + section(1, 2));
    write("b.h", isybauHeader() + section(1, 1) + section(2, 1));
    write("c.h", isybauHeader() + section(1, 3));
    write("notes.txt", "not listed");
    RecordingMessageBoxes messages;
    ExportState unused;
    ScriptedView view(unused);
    SeriesExportResult result = exportFolder(messages, false, &view);
    EXPECT_EQ(result.outcome, SeriesOutcome::Done);
    EXPECT_EQ(view.fileNumbers, (std::vector<long long>{1, 2, 3}));
    EXPECT_EQ(view.fileCount, 3);
    for (const char* name : {"a", "b", "c"})
        EXPECT_TRUE(fs::exists(m_dir / "exceldat" / (std::string(name) + ".xls"))) << name;
    EXPECT_EQ(sheetOf(m_dir / "exceldat" / "b.xls").rows, 3);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, ExportFinishedMessage);

    RecordingMessageBoxes oneMessages;
    result = exportFolder(oneMessages, true);
    EXPECT_EQ(result.outcome, SeriesOutcome::Done);
    const ReadSheet s = sheetOf(m_dir / "isybau_h.xls");
    ASSERT_EQ(s.rows, 1 + 2 + 2 + 3);
    EXPECT_EQ(value(s, 0, 0), "Dateiname");
    EXPECT_EQ(value(s, 1, 0), "a.h");
    EXPECT_EQ(value(s, 3, 0), "b.h");
    EXPECT_EQ(value(s, 4, 1), "2   ");
    EXPECT_EQ(value(s, 7, 0), "c.h");
}

TEST_F(Export, SeriesFilesWithTheSameStemWriteTheSameWorkbook) {
    write("kanal.h", isybauHeader() + section(1, 1));
    write("kanal.2007.h", isybauHeader() + section(1, 4));
    RecordingMessageBoxes messages;
    const SeriesExportResult result = exportFolder(messages, false);
    EXPECT_EQ(result.outcome, SeriesOutcome::Done);
    ASSERT_EQ(result.workbooks.size(), 2u);
    EXPECT_EQ(result.workbooks[0], result.workbooks[1]);
    // sorted by name, kanal.h comes last and replaces the workbook of kanal.2007.h
    EXPECT_EQ(sheetOf(m_dir / "exceldat" / "kanal.xls").rows, 2);
}

TEST_F(Export, SeriesStopsAtAFileThatIsNoIsybauFileAndKeepsWhatCameBefore) {
    for (bool oneWorkbook : {false, true}) {
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
        write("a.h", isybauHeader() + section(1, 2));
        const std::string x = write("b_x.h", "Nur ein Text\r\n");
        write("c.h", isybauHeader() + section(1, 3));
        RecordingMessageBoxes messages;
        const SeriesExportResult result = exportFolder(messages, oneWorkbook);
        EXPECT_EQ(result.outcome, SeriesOutcome::Stopped);
        ASSERT_EQ(messages.shown.size(), 1u) << oneWorkbook;
        EXPECT_EQ(messages.shown[0].text, "Es handelt sich um keine ISYBAU-Datei (*.h) ! ");
        EXPECT_EQ(messages.shown[0].caption, x);
        EXPECT_FALSE(fs::exists(m_dir / "exceldat" / "c.xls"));
        const fs::path saved = oneWorkbook ? m_dir / "isybau_h.xls" : m_dir / "exceldat" / "a.xls";
        EXPECT_EQ(sheetOf(saved).rows, 3) << oneWorkbook;
    }
}

TEST_F(Export, SeriesEscDuringTheSecondFileSavesItAndStops) {
    write("a.h", isybauHeader() + section(1, 2) + section(2, 2));
    write("b.h", isybauHeader() + section(1, 2) + section(2, 2));
    write("c.h", isybauHeader() + section(1, 2));
    RecordingMessageBoxes messages;
    MainState state;
    ExportState e;
    TExcelOle excel(messages);
    ScriptedView cancelling(e);
    cancelling.escAt = 4; // sections 1, 2 of a.h, then before section 2 of b.h
    SeriesExportRequest request;
    request.folder = m_dir.string();
    for (const std::string& file : findIsybauFiles(m_dir.string()))
        request.files.push_back(file);
    const SeriesExportResult result = runSeriesExport(state, excel, e, messages, cancelling, request);
    EXPECT_EQ(result.outcome, SeriesOutcome::Cancelled);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, ExportCancelledMessage);
    const ReadSheet s = sheetOf(m_dir / "exceldat" / "b.xls");
    ASSERT_EQ(s.rows, 4);
    EXPECT_EQ(value(s, 3, 0), "Abbruch durch Anwender");
    EXPECT_FALSE(fs::exists(m_dir / "exceldat" / "c.xls"));
}

TEST(Folders, FolderExistsOnlyForFolders) {
    const fs::path dir = fs::temp_directory_path() / ("telmora_folders_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    std::ofstream(dir / "datei.h") << "x";
    EXPECT_TRUE(FolderExists(dir.string()));
    EXPECT_FALSE(FolderExists((dir / "datei.h").string()));
    EXPECT_FALSE(FolderExists((dir / "fehlt").string()));
    EXPECT_FALSE(FolderExists(""));
    fs::create_directory(dir / "sub.h");
    std::ofstream(dir / ".hidden.h") << "x";
    std::ofstream(dir / "GROSS.H") << "x";
    const auto files = findIsybauFiles(dir.string());
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(fs::path(files[0]).filename(), "GROSS.H");
    EXPECT_EQ(fs::path(files[1]).filename(), "datei.h");
    fs::remove_all(dir);
}

} // namespace
