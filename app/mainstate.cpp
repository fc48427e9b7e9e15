#include "app/mainstate.h"

#include <climits>

MainState::MainState() = default;

std::string lowerCaseAsciiLetters(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

OpenResult MainState::openFile(const std::string& fsPath, std::string_view shownPath) {
    SeriesExportActive = 0;
    auto text = std::make_shared<std::string>();
    const ReadResult read = readIsybauFile(fsPath, *text);
    if (read.status != ReadStatus::Ok)
        return {OpenStatus::Unreadable, describeReadError(read, shownPath)};

    const PrepareResult prepared = PrepareIsybauText(*text);
    if (!prepared.accepted)
        return {OpenStatus::NotIsybau, std::string(NotIsybauMessage)};

    // The grid shows every section: the count is not capped and the new listing replaces the old one.
    HaltungCount = prepared.haltungCount;
    m_mainParser = HaltungParser(std::move(text));
    m_listing = buildListing(m_mainParser.text());
    m_gridRowCount = static_cast<int>(HaltungCount > INT_MAX ? INT_MAX : HaltungCount);
    LoadedFileName = lowerCaseAsciiLetters(shownPath);
    LoadedFilePath = fsPath;
    m_fileLoaded = true;
    return {};
}

std::string_view MainState::gridCell(int row) const noexcept {
    if (row < 0 || static_cast<std::size_t>(row) >= m_listing.size())
        return {};
    return m_listing.row(static_cast<std::size_t>(row));
}

void MainState::selectGridRow(int row) {
    SelectedRow = ParseRequest::forRow(gridCell(row), static_cast<long long>(row) + 1);
}

int MainState::parseGridRow(int row) {
    SeriesExportActive = 0;
    selectGridRow(row);
    ParseHaltung();
    return HaltungFound;
}

void MainState::ParseHaltung() {
    const HaltungParser& parser = SeriesExportActive == 1 ? m_seriesParser : m_mainParser;
    HaltungFound = parser.ParseHaltung(SelectedRow, Haltung);
}

void MainState::setSeriesText(std::shared_ptr<const std::string> text) { m_seriesParser = HaltungParser(std::move(text)); }
