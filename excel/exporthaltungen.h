#pragma once

#include "excel/autovalue.h"
#include "excel/exportstate.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

class Listing;
class MainState;
class MessageBoxes;
class TExcelOle;
struct HaltungRecord;
struct ZustandEntry;

// The sheet every export writes, and its 25 column captions.
inline constexpr std::string_view ExportSheetName = "Haltungen";
inline constexpr int ExportColumns = 25;
extern const std::array<std::string_view, ExportColumns> ExportHeader;

inline constexpr std::string_view ExportFinishedMessage = ">>>       Datenexport beendet       <<<";
inline constexpr std::string_view ExportCancelledMessage = " Datenexport wurde durch Anwender abgebrochen ";
inline constexpr std::string_view ExportCancelRow = "Abbruch durch Anwender";

// What a running export shows and asks of its window.
class ExportView {
public:
    virtual ~ExportView() = default;
    // Handles the window messages that are waiting: this is how the Esc key and repaints get through.
    virtual void dispatchPendingMessages() = 0;
    // Shows the running number of the section being exported.
    virtual void showLfdNr(std::string_view lfdNr) = 0;
};

// Everything one export works with.
struct ExportContext {
    MainState& state;
    TExcelOle& excel;
    ExportState& exportState;
    MessageBoxes& messages;
    ExportView& view;
    const Listing* seriesListing = nullptr; // the series file's listing, while SeriesExportActive is 1
    long long seriesHaltungCount = 0;       // its section count
    bool oneWorkbook = false;               // the series option " Alle Haltungen in eine Excel-Datei"
};

enum class ExportOutcome { Done, Cancelled, Failed };

// Writes every section of the listed file into the sheet "Haltungen": one row per observation. Stops at
// the first failed workbook operation (after its message): a failure is never reported as success.
ExportOutcome ExportHaltungen(ExportContext& context);

// Fits the columns of the sheet, saves the workbook under ExportTargetPath (alerts off), closes it and
// quits the application; false at the first step that failed (after its message).
bool finishExportWorkbook(TExcelOle& excel, ExportState& exportState);

// The cells of one observation row, column A first; an empty cell is left out.
std::array<std::optional<AutoValue>, ExportColumns> observationRow(std::string_view sourceName,
                                                                    const HaltungRecord& record,
                                                                    const ZustandEntry& entry);

// Length texts without their trailing blanks and then without a final "m".
std::string lengthValue(std::string_view text);

// The workbook's file name: the file name cut before its first "." and the extension (".xls").
std::string workbookFileName(std::string_view sourceName, std::string_view extension);

// Splits a path after its last path delimiter: the folder with the delimiter, and the name.
std::pair<std::string, std::string> splitPath(std::string_view path);

// The preparation of "Excel - Export" in the main window: paths, and the folder "exceldat" beside the
// loaded file, made when missing. False (after the message) when that folder cannot be made.
bool prepareMainWindowExport(const MainState& state, ExportState& exportState, MessageBoxes& messages,
                             std::string_view extension = ".xls");

inline constexpr std::string_view MainFolderMessage = "Verzeichnis f\374r Excel-Dateien kann nicht erstellt werden";

// Windows-1252 path text to the file system's own encoding and back.
std::string toFileSystemPath(std::string_view cp1252);
std::string fromFileSystemPath(std::string_view native);
