#include "batch/batchcommands.h"

#include "app/mainstate.h"
#include "app/messageboxes.h"
#include "excel/exporthaltungen.h"
#include "excel/folders.h"
#include "excel/seriesexport.h"
#include "excel/texcelole.h"
#include "record/cp1252.h"

#include <chrono>
#include <cstdio>
#include <unistd.h>

namespace {

// Messages go to stderr; there is nobody to ask, so every question is answered with OK. The message that
// announces success is left out: the lines on stdout tell what was written.
class BatchMessages final : public MessageBoxes {
public:
    MessageAnswer show(std::string_view text, std::string_view caption, MessageButtons) override {
        if (text == ExportFinishedMessage)
            return MessageAnswer::Ok;
        if (!caption.empty() && caption != ApplicationTitle) {
            writeUtf8(stderr, caption);
            std::fputs(": ", stderr);
        }
        writeUtf8(stderr, text);
        std::fputc('\n', stderr);
        ++shown;
        return MessageAnswer::Ok;
    }
    int shown = 0;
};

// Progress on a terminal: the file and the section in hand, at most a few times a second.
class BatchProgress final : public SeriesExportView {
public:
    BatchProgress() : m_terminal(::isatty(STDERR_FILENO) == 1) {}
    ~BatchProgress() override { clear(); }

    void dispatchPendingMessages() override {}
    void showLfdNr(std::string_view lfdNr) override {
        if (!m_terminal || lfdNr.empty())
            return;
        const auto now = std::chrono::steady_clock::now();
        if (now - m_last < std::chrono::milliseconds(200))
            return;
        m_last = now;
        std::fprintf(stderr, "\r\033[KDatei %lld von %lld, Haltung %s von %lld", m_file, m_files,
                     cp1252ToUtf8(trimRight(lfdNr)).c_str(), m_sections);
        m_dirty = true;
    }
    void showFileNumber(long long number) override { m_file = number; }
    void showFileCount(long long count) override { m_files = count; }
    void showSource(std::string_view) override {}
    void showTarget(std::string_view) override {}
    void showSectionCount(long long count) override { m_sections = count; }
    void clear() {
        if (m_dirty)
            std::fputs("\r\033[K", stderr);
        m_dirty = false;
    }

private:
    bool m_terminal;
    bool m_dirty = false;
    long long m_file = 1, m_files = 1, m_sections = 0;
    std::chrono::steady_clock::time_point m_last{};
};

void printWorkbook(std::string_view cp1252Path) {
    writeUtf8(stdout, cp1252Path);
    std::fputc('\n', stdout);
}

} // namespace

int runExport(const BatchArgs& args) {
    std::string path;
    bool oneWorkbook = false;
    bool wrong = false;
    std::string extension = ".xls";
    for (const std::string& a : args) {
        if (a == "--one-workbook")
            oneWorkbook = true;
        else if (a == "--xlsx")
            extension = ".xlsx";
        else if (path.empty() && !a.starts_with("--"))
            path = a;
        else
            wrong = true;
    }
    if (path.empty() || wrong) {
        std::fputs("Aufruf: telmora-batch export DATEI|ORDNER [--one-workbook] [--xlsx]\n", stderr);
        return ExitUsage;
    }

    BatchMessages messages;
    BatchProgress progress;
    TExcelOle excel(messages);
    ExportState exportState;
    MainState state;

    if (FolderExists(path)) {
        SeriesExportRequest request;
        std::string folder = path;
        while (folder.size() > 1 && folder.back() == '/')
            folder.pop_back();
        request.folder = fromFileSystemPath(folder);
        for (const std::string& file : findIsybauFiles(folder))
            request.files.push_back(fromFileSystemPath(file));
        request.oneWorkbook = oneWorkbook;
        request.extension = extension;
        const SeriesExportResult result = runSeriesExport(state, excel, exportState, messages, progress, request);
        progress.clear();
        for (const std::string& workbook : result.workbooks)
            printWorkbook(workbook);
        switch (result.outcome) {
        case SeriesOutcome::Done:
            return ExitOk;
        case SeriesOutcome::Stopped:
            return ExitNotIsybau;
        case SeriesOutcome::Cancelled:
        case SeriesOutcome::Failed:
            return ExitFailed;
        }
        return ExitFailed;
    }

    if (const int status = loadForBatch(path, state); status != ExitOk)
        return status;
    if (!prepareMainWindowExport(state, exportState, messages, extension))
        return ExitFailed;
    ExportContext context{state, excel, exportState, messages, progress};
    const ExportOutcome outcome = ExportHaltungen(context);
    progress.clear();
    if (outcome != ExportOutcome::Done)
        return ExitFailed;
    printWorkbook(exportState.ExportTargetPath);
    return ExitOk;
}
