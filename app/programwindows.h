#pragma once

#include "app/mainstate.h"
#include "app/tmainform.h"
#include "dialogs/taboutform.h"
#include "dialogs/tschsuchform.h"
#include "dialogs/ttheoform.h"
#include "excel/exportstate.h"
#include "excel/texcelexportform.h"
#include "excel/texcelole.h"
#include "excel/tserienexportform.h"
#include "graphic/tgrafikhuform.h"
#include "graphic/tpdfform.h"

#include <string>

class FileChooser;
class FolderPrompt;
class MessageBoxes;
class ModalDialogs;
class PrinterChoice;
class SerialPrinterChoice;

// What the windows ask of the platform: message boxes, file and folder choice, modal dialogs, printers.
struct PlatformServices {
    MessageBoxes& messages;
    FileChooser& files;
    ModalDialogs& modals;
    PrinterChoice& printers;               // the print dialog of the graphic window
    SerialPrinterChoice& serialPrinters;   // the same dialog, for a serial print
    FolderPrompt* folders = nullptr; // nullptr: the platform's folder dialog
    std::string programFile;         // the running program's own file, for the version line
};

// The program: its state and every window, created hidden in the order of start-up with the main
// window first, and the main window's commands joined to the windows that carry them out.
class ProgramWindows final {
public:
    explicit ProgramWindows(PlatformServices services);
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;

    MainState state;
    ExportState exportState;
    TMainForm mainForm;
    TAboutForm aboutForm;
    TSchSuchForm schSuchForm;
    TGrafikHUForm grafikForm;
    TTheoForm theoForm;
    TPDFForm pdfForm;
    TExcelOle excelOle;
    TExcelExportForm excelExportForm;
    TSerienExportForm serienExportForm;

private:
    void SBtn_ExcelExportClick();
    void SerienExportSBtnClick();
    void FormClose();

    PlatformServices m_services;
};
