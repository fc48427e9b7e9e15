#include "excel/exporthaltungen.h"

#include "app/mainstate.h"
#include "app/messageboxes.h"
#include "excel/folders.h"
#include "excel/texcelole.h"
#include "record/cp1252.h"
#include "record/fixedtext.h"
#include "record/haltungrecord.h"
#include "record/listing.h"

#include <cstdio>

const std::array<std::string_view, ExportColumns> ExportHeader = {
    "Dateiname",    "Lfd.Nr.",      "A-Schacht",    "E-Schacht",   "Bez.Haltg.",  "Str.Name",   "Unt.datum",
    "Halt.l\344nge", "Unt.l\344nge", "U-Richtung",   "Profilart",   "H/B",         "Material",   "Videokass.",
    "Entf.[m]",     "K\374rzel",    "Langtext",     "Textzusatz",  "M143",        "A149",       "B.Riss[mm]",
    "Pos.Ang. von", "Pos.Ang. bis", "Videoz\344hler", "Bilddatei",
};

std::string toFileSystemPath(std::string_view cp1252) {
#ifdef _WIN32
    return std::string(cp1252);
#else
    return cp1252ToUtf8(cp1252);
#endif
}

std::string fromFileSystemPath(std::string_view native) {
#ifdef _WIN32
    return std::string(native);
#else
    return utf8ToCp1252(native);
#endif
}

std::string lengthValue(std::string_view text) {
    std::string_view value = trimRight(text);
    if (!value.empty() && value.back() == 'm')
        value.remove_suffix(1);
    return std::string(value);
}

std::string workbookFileName(std::string_view sourceName, std::string_view extension) {
    return std::string(sourceName.substr(0, sourceName.find('.'))) + std::string(extension);
}

std::pair<std::string, std::string> splitPath(std::string_view path) {
    const std::size_t at = path.find_last_of("/\\");
    if (at == std::string_view::npos)
        return {std::string(), std::string(path)};
    return {std::string(path.substr(0, at + 1)), std::string(path.substr(at + 1))};
}

std::array<std::optional<AutoValue>, ExportColumns> observationRow(std::string_view sourceName,
                                                                    const HaltungRecord& r,
                                                                    const ZustandEntry& z) {
    auto text = [](std::string_view s) { return std::optional<AutoValue>(AutoValue(std::string(s))); };
    std::array<std::optional<AutoValue>, ExportColumns> row;
    row[0] = text(sourceName);
    row[1] = text(r.lfdNr.view());
    row[2] = text(trimRight(r.aSchacht.view()));
    row[3] = text(trimRight(r.eSchacht.view()));
    row[4] = text(trimRight(r.haltungsBez.view()));
    row[5] = text(trimRight(r.strassenname.view()));
    row[6] = text(r.untDatum.view());
    row[7] = text(lengthValue(r.haltungsLaenge.view()));
    row[8] = text(lengthValue(r.untLaengeText.view()));
    row[9] = text(r.againstFlow() ? "gegen FR" : "in FR");
    row[10] = text(r.profilart.view());
    row[11] = text(FormatProfile(r));
    row[12] = text(r.material.view());
    row[13] = text(r.videokassette.view());
    row[14] = AutoValue(z.station);
    const std::string_view code = trimRight(z.kuerzel.view());
    row[15] = text(code);
    row[16] = text(trimRight(z.langtext.view()));
    row[17] = text(trimRight(z.textzusatz.view()));
    if (!OmitsQuantities(z)) {
        row[18] = text(trimRight(z.quant1.view()));
        row[19] = text(trimRight(z.quant2.view()));
        row[20] = text(trimRight(z.rissbreite.view()));
        row[21] = text(z.posVon.view());
        row[22] = text(z.posBis.view());
    }
    row[23] = text(z.videozaehler.view());
    row[24] = text(z.bilddatei.view());
    return row;
}

namespace {

// One export run: every wrapper call is followed by a look at its result, and the first failure ends it.
class ExportRun {
public:
    explicit ExportRun(ExportContext& c) : m_c(c) {}

    ExportOutcome run();

private:
    bool ok() const { return !m_c.excel.lastFailed(); }
    ExportOutcome failed();
    bool setUp();
    bool writeSection();
    ExportOutcome cancel();
    bool finish();

    ExportContext& m_c;
};

ExportOutcome ExportRun::failed() {
    // The wrapper has told the user; leave no invisible application behind.
    if (!m_c.excel.excelApplication().isEmpty())
        m_c.excel.ExcelQuit();
    m_c.exportState.ExportWorkbook = AutoValue();
    m_c.exportState.ExportWorkbookReady = 0;
    return ExportOutcome::Failed;
}

bool ExportRun::setUp() {
    ExportState& e = m_c.exportState;
    TExcelOle& x = m_c.excel;
    e.ExportWorkbookReady = 1;
    AutoValue application;
    x.ExcelStart(false, application);
    if (!ok())
        return false;
    x.WorkbookAdd(1, e.ExportWorkbook);
    if (!ok())
        return false;
    AutoValue sheet;
    x.SheetAdd(ExportSheetName, sheet, e.ExportWorkbook);
    if (!ok())
        return false;
    x.RangeColorSet(ExportSheetName, "A1:Y1", 15, e.ExportWorkbook);
    if (!ok())
        return false;
    for (std::string_view columns : {"C:E", "S:T", "V:Y"}) {
        x.ColumnFormatSet(ExportSheetName, columns, "@", e.ExportWorkbook);
        if (!ok())
            return false;
    }
    for (int column = 1; column <= ExportColumns; ++column) {
        x.CellValueSet(ExportSheetName, 1, AutoValue(std::string(ExportHeader[static_cast<std::size_t>(column - 1)])),
                       column, e.ExportWorkbook);
        if (!ok())
            return false;
    }
    e.ExportRow = 1;
    return true;
}

bool ExportRun::writeSection() {
    ExportState& e = m_c.exportState;
    const HaltungRecord& record = m_c.state.Haltung;
    for (const ZustandEntry& entry : record.zustaende) {
        const auto row = observationRow(e.ExportSourceName, record, entry);
        ++e.ExportRow;
        for (int column = 1; column <= ExportColumns; ++column) {
            const auto& value = row[static_cast<std::size_t>(column - 1)];
            if (!value)
                continue;
            m_c.excel.CellValueSet(ExportSheetName, e.ExportRow, *value, column, e.ExportWorkbook);
            if (!ok())
                return false;
        }
    }
    return true;
}

ExportOutcome ExportRun::cancel() {
    ExportState& e = m_c.exportState;
    TExcelOle& x = m_c.excel;
    ++e.ExportRow;
    x.CellValueSet(ExportSheetName, e.ExportRow, AutoValue(std::string(ExportCancelRow)), 1, e.ExportWorkbook);
    if (!ok())
        return failed();
    x.WorkbookSaveAs(e.ExportTargetPath, false, e.ExportWorkbook);
    if (!ok())
        return failed();
    x.WorkbooksClose(e.ExportTargetPath);
    if (!ok())
        return failed();
    x.ExcelQuit();
    if (!ok())
        return failed();
    e.ExportWorkbook = AutoValue();
    m_c.messages.show(ExportCancelledMessage, ApplicationTitle, MessageButtons::Ok);
    return ExportOutcome::Cancelled;
}

bool ExportRun::finish() { return finishExportWorkbook(m_c.excel, m_c.exportState); }

ExportOutcome ExportRun::run() {
    MainState& state = m_c.state;
    ExportState& e = m_c.exportState;
    const bool series = state.SeriesExportActive == 1;
    if ((!series || e.ExportWorkbookReady == 0) && !setUp())
        return failed();

    e.ExportCancel = 0;
    const long long sections = series ? m_c.seriesHaltungCount : state.HaltungCount;
    for (long long i = 0; i < sections; ++i) {
        m_c.view.dispatchPendingMessages();
        if (e.ExportCancel == 1)
            return cancel();
        if (series) {
            // An index without a listing line is passed over, never parsed again as the previous section.
            if (!m_c.seriesListing || static_cast<std::size_t>(i) >= m_c.seriesListing->size())
                continue;
            state.SelectedRow = ParseRequest::forRow(m_c.seriesListing->row(static_cast<std::size_t>(i)), i + 1);
        } else {
            state.selectGridRow(static_cast<int>(i));
        }
        state.ParseHaltung();
        if (state.HaltungFound != 1)
            continue;
        m_c.view.showLfdNr(state.Haltung.lfdNr.view());
        if (!writeSection())
            return failed();
    }

    if (!m_c.oneWorkbook && !finish())
        return failed();
    if (!series)
        m_c.messages.show(ExportFinishedMessage, ApplicationTitle, MessageButtons::Ok);
    return ExportOutcome::Done;
}

} // namespace

ExportOutcome ExportHaltungen(ExportContext& context) { return ExportRun(context).run(); }

bool finishExportWorkbook(TExcelOle& excel, ExportState& e) {
    excel.ColumnAutoFit(ExportSheetName, "A:Y", e.ExportWorkbook);
    if (excel.lastFailed())
        return false;
    excel.WorkbookSaveAs(e.ExportTargetPath, false, e.ExportWorkbook);
    if (excel.lastFailed())
        return false;
    excel.WorkbooksClose(e.ExportTargetPath);
    if (excel.lastFailed())
        return false;
    excel.ExcelQuit();
    if (excel.lastFailed())
        return false;
    e.ExportWorkbook = AutoValue();
    return true;
}

bool prepareMainWindowExport(const MainState& state, ExportState& e, MessageBoxes& messages,
                             std::string_view extension) {
    // Shown and written: the lower-cased name. Made on disk: the folder as it is really named.
    e.ExportSourceName = splitPath(state.LoadedFileName).second;
    e.ExportSourceFolder = splitPath(fromFileSystemPath(state.LoadedFilePath)).first;
    e.ExportSourcePath = state.LoadedFileName;
    e.ExportTargetFolder = e.ExportSourceFolder + "exceldat";
    if (!FolderExists(toFileSystemPath(e.ExportTargetFolder)) && !createFolder(toFileSystemPath(e.ExportTargetFolder))) {
        messages.show(MainFolderMessage, ApplicationTitle, MessageButtons::Ok);
        return false;
    }
    e.ExportTargetPath = e.ExportTargetFolder + "/" + workbookFileName(e.ExportSourceName, extension);
    return true;
}
