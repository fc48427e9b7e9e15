#pragma once

#include "excel/exporthaltungen.h"

#include <string>
#include <string_view>
#include <vector>

// What the series export shows while it runs, besides the section export's own fields.
class SeriesExportView : public ExportView {
public:
    virtual void showFileNumber(long long number) = 0;   // "Datei Lfd.Nr."
    virtual void showFileCount(long long count) = 0;     // "von" files
    virtual void showSource(std::string_view path) = 0;  // "Quelle"
    virtual void showTarget(std::string_view path) = 0;  // "Ziel"
    virtual void showSectionCount(long long count) = 0;  // "von" sections
};

inline constexpr std::string_view SeriesFolderMessage =
    "Verzeichnis f\374r Excel-Datei(en) kann nicht erstellt werden";
inline constexpr std::string_view OneWorkbookName = "isybau_h";

struct SeriesExportRequest {
    std::string folder;              // the chosen folder (Windows-1252), without a final delimiter
    std::vector<std::string> files;  // full paths (Windows-1252), in order
    bool oneWorkbook = false;        // " Alle Haltungen in eine Excel-Datei"
    std::string extension = ".xls";  // of the workbooks written
};

enum class SeriesOutcome { Done, Cancelled, Stopped, Failed };

struct SeriesExportResult {
    SeriesOutcome outcome = SeriesOutcome::Done;
    std::vector<std::string> workbooks; // paths of the workbooks saved, in order
};

// Exports every file of the list: one workbook per file in "exceldat" beside it, or all into
// "isybau_h.xls" in the folder itself. A file that cannot be read or is no ISYBAU file ends the run with
// its message (captioned with its path); what was exported before it is saved.
SeriesExportResult runSeriesExport(MainState& state, TExcelOle& excel, ExportState& exportState,
                                   MessageBoxes& messages, SeriesExportView& view, const SeriesExportRequest& request);
