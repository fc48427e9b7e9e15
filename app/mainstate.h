#pragma once

#include "record/haltungparser.h"
#include "record/haltungrecord.h"
#include "record/isybautext.h"
#include "record/listing.h"

#include <memory>
#include <string>
#include <string_view>

// Rows the grid shows before the first file is loaded.
inline constexpr int EmptyGridRows = 20;

// How opening a file ended.
enum class OpenStatus { Loaded, NotIsybau, Unreadable };

struct OpenResult {
    OpenStatus status = OpenStatus::Loaded;
    std::string message; // what to tell the user when the file was not loaded (Windows-1252)
};

// The program-wide state that the main window owns: the loaded file, its listing in the grid, the parse
// request and the section record. The windows, the batch tool and the tests share this one piece.
class MainState {
public:
    MainState();

    // Opening a file after the user chose it: read, convert, check, keep and list it. fsPath is the path
    // as the file system knows it; shownPath the same path as the user sees it (Windows-1252). A file
    // that is not accepted, or cannot be read, changes nothing of the loaded state.
    OpenResult openFile(const std::string& fsPath, std::string_view shownPath);

    // The grid: one cell per row, HaltungCount rows once a file is loaded (20 empty rows before).
    int gridRowCount() const noexcept { return m_gridRowCount; }
    std::string_view gridCell(int row) const noexcept;

    // Parses the section in grid row `row` (the double click); returns HaltungFound.
    int parseGridRow(int row);

    // Fills SelectedRow from grid row `row` (empty cells give an empty request).
    void selectGridRow(int row);

    // Parses the section of SelectedRow in the text that SeriesExportActive selects; sets HaltungFound.
    void ParseHaltung();

    // The series export's text (its copy of the converted file text) and its listing.
    void setSeriesText(std::shared_ptr<const std::string> text);

    bool fileLoaded() const noexcept { return m_fileLoaded; }
    // Text of the loaded file as the parser reads it while SeriesExportActive is 0.
    std::string_view richEdit2() const noexcept { return m_mainParser.text(); }
    const Listing& listing() const noexcept { return m_listing; }

    // The loaded-file state.
    long long HaltungCount = 0;
    std::string LoadedFileName; // the path as shown, letters A-Z lower-cased (Windows-1252)
    std::string LoadedFilePath; // the path as the file system knows it, for every file operation
    int SeriesExportActive = 0;

    // The parse request and its result.
    ParseRequest SelectedRow;
    HaltungRecord Haltung;
    int HaltungFound = 0;

private:
    bool m_fileLoaded = false;
    int m_gridRowCount = EmptyGridRows;
    Listing m_listing;
    HaltungParser m_mainParser;
    HaltungParser m_seriesParser;
};

// Lower-cases the letters A to Z of a path; every other character, umlauts included, stays.
std::string lowerCaseAsciiLetters(std::string_view text);
