#include "app/programwindows.h"

#include "app/modaldialogs.h"
#include "excel/exporthaltungen.h"

ProgramWindows::ProgramWindows(PlatformServices services)
    : mainForm(state, services.messages, services.files, services.modals),
      aboutForm(services.programFile, &mainForm),
      schSuchForm(mainForm, services.messages, &mainForm),
      grafikForm(state.Haltung, state.LoadedFileName, services.printers, services.messages, &mainForm),
      theoForm(&mainForm),
      pdfForm(state, services.serialPrinters, services.messages, services.modals, &mainForm),
      excelOle(services.messages),
      excelExportForm(state, excelOle, exportState, services.messages, &mainForm),
      serienExportForm(state, excelOle, exportState, services.messages, services.folders, &mainForm),
      m_services(services) {
    mainForm.setAboutForm(&aboutForm);
    mainForm.setSchSuchForm(&schSuchForm);
    mainForm.setTheoForm(&theoForm);
    mainForm.setShowSectionGraphicHook([this] { grafikForm.ShowSection(); });
    mainForm.setSerialPrintHook([this] { pdfForm.ShowSerialPrint(); });
    mainForm.setExcelExportHook([this] { SBtn_ExcelExportClick(); });
    mainForm.setSeriesExportHook([this] { SerienExportSBtnClick(); });
    mainForm.setCloseHook([this] { FormClose(); });
}

void ProgramWindows::SBtn_ExcelExportClick() {
    state.SeriesExportActive = 0;
    if (!prepareMainWindowExport(state, exportState, m_services.messages))
        return;
    excelExportForm.prepare(state.HaltungCount);
    m_services.modals.exec(excelExportForm);
}

void ProgramWindows::SerienExportSBtnClick() {
    serienExportForm.reset();
    m_services.modals.exec(serienExportForm);
}

void ProgramWindows::FormClose() {
    // An export that still holds a workbook leaves no application running behind the program.
    if (!exportState.ExportWorkbook.isEmpty()) {
        excelOle.ExcelQuit();
        exportState.ExportWorkbook = AutoValue();
    }
}
