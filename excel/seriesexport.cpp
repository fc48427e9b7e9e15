#include "excel/seriesexport.h"

#include "app/mainstate.h"
#include "app/messageboxes.h"
#include "excel/folders.h"
#include "excel/texcelole.h"
#include "record/isybautext.h"
#include "record/listing.h"

#include <memory>

namespace {

// Saves, closes and quits the one workbook of the series; false when an operation failed.
bool finishOneWorkbook(TExcelOle& excel, ExportState& e) {
    const bool saved = finishExportWorkbook(excel, e);
    if (!saved && !excel.excelApplication().isEmpty())
        excel.ExcelQuit(); // leave no invisible application behind
    e.ExportWorkbook = AutoValue();
    e.ExportWorkbookReady = 0;
    return saved;
}

} // namespace

SeriesExportResult runSeriesExport(MainState& state, TExcelOle& excel, ExportState& e, MessageBoxes& messages,
                                   SeriesExportView& view, const SeriesExportRequest& request) {
    SeriesExportResult result;
    state.SeriesExportActive = 1;
    view.showFileCount(static_cast<long long>(request.files.size()));
    if (request.oneWorkbook) {
        e.ExportSourceFolder = request.folder;
        e.ExportTargetFolder = request.folder;
        e.ExportTargetPath = request.folder + "/" + std::string(OneWorkbookName) + request.extension;
        view.showTarget(e.ExportTargetPath);
        e.ExportWorkbookReady = 0;
    }

    // Ends the run early: the one workbook keeps what the files before this one gave.
    auto stop = [&](SeriesOutcome outcome) {
        if (request.oneWorkbook && e.ExportWorkbookReady == 1 && finishOneWorkbook(excel, e))
            result.workbooks.push_back(e.ExportTargetPath);
        result.outcome = outcome;
        return result;
    };

    for (std::size_t i = 0; i < request.files.size(); ++i) {
        const std::string& path = request.files[i];
        view.showFileNumber(static_cast<long long>(i) + 1);
        view.showSource(path);
        const auto [folder, name] = splitPath(path);
        e.ExportSourceName = name;
        if (!request.oneWorkbook) {
            e.ExportWorkbookReady = 0;
            e.ExportSourceFolder = folder;
            e.ExportTargetFolder = folder + "exceldat";
            e.ExportTargetPath = e.ExportTargetFolder + "/" + workbookFileName(name, request.extension);
            view.showTarget(e.ExportTargetPath);
            const std::string target = toFileSystemPath(e.ExportTargetFolder);
            if (!FolderExists(target) && !createFolder(target)) {
                messages.show(SeriesFolderMessage, ApplicationTitle, MessageButtons::Ok);
                return stop(SeriesOutcome::Stopped);
            }
        }

        auto text = std::make_shared<std::string>();
        const ReadResult read = readIsybauFile(toFileSystemPath(path), *text);
        if (read.status != ReadStatus::Ok) {
            SeriesExportResult stopped = stop(SeriesOutcome::Stopped);
            messages.show(describeReadError(read, path), path, MessageButtons::Ok);
            return stopped;
        }
        const PrepareResult prepared = PrepareIsybauText(*text);
        if (!prepared.accepted) {
            SeriesExportResult stopped = stop(SeriesOutcome::Stopped);
            messages.show(NotIsybauMessage, path, MessageButtons::Ok);
            return stopped;
        }
        const Listing listing = buildListing(*text);
        state.setSeriesText(std::move(text));
        view.showLfdNr("");
        view.showSectionCount(prepared.haltungCount);

        ExportContext context{state, excel, e, messages, view, &listing, prepared.haltungCount, request.oneWorkbook};
        const ExportOutcome outcome = ExportHaltungen(context);
        if (outcome == ExportOutcome::Failed) {
            result.outcome = SeriesOutcome::Failed;
            return result;
        }
        if (!request.oneWorkbook || outcome == ExportOutcome::Cancelled)
            result.workbooks.push_back(e.ExportTargetPath);
        if (outcome == ExportOutcome::Cancelled) {
            result.outcome = SeriesOutcome::Cancelled;
            return result;
        }
    }

    if (request.oneWorkbook && e.ExportWorkbookReady == 1) {
        if (!finishOneWorkbook(excel, e)) {
            result.outcome = SeriesOutcome::Failed;
            return result;
        }
        result.workbooks.push_back(e.ExportTargetPath);
    }
    messages.show(ExportFinishedMessage, ApplicationTitle, MessageButtons::Ok);
    return result;
}
