#include "app/programwindows.h"
#include "app/recordingmessageboxes.h"
#include "graphic/printdevice.h"
#include "graphic/printerchoice.h"
#include "graphic/serialprinterchoice.h"
#include "mainform_support.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <gtest/gtest.h>

namespace {

using namespace testsupport;

class NoPrinter final : public PrinterChoice, public SerialPrinterChoice {
public:
    std::unique_ptr<PrintDevice> choosePrinter() override { return nullptr; }
    SerialPrinter chooseSerialPrinter() override { return {}; }
};

class Program : public ::testing::Test {
protected:
    RecordingMessageBoxes m_messages;
    FakeFileChooser m_files;
    FakeModalDialogs m_modals;
    NoPrinter m_printers;
    TempFolder m_folder{"program"};
};

TEST_F(Program, WindowsStartHiddenAndTheCommandsReachTheirWindows) {
    ProgramWindows windows({m_messages, m_files, m_modals, m_printers, m_printers, nullptr, ""});
    for (QWidget* w : std::initializer_list<QWidget*>{&windows.mainForm, &windows.aboutForm, &windows.schSuchForm,
                                                      &windows.grafikForm, &windows.theoForm, &windows.pdfForm,
                                                      &windows.excelExportForm, &windows.serienExportForm})
        EXPECT_FALSE(w->isVisible());

    m_files.answers.push_back(m_folder.write("netz.h", isybauText(sectionsFrom({"S1", "S2"}))));
    windows.mainForm.FileOpenClick();
    windows.mainForm.setCurrentRow(1);
    windows.mainForm.StringGrid1DblClick();
    EXPECT_TRUE(windows.grafikForm.isVisible());
    EXPECT_EQ(windows.state.Haltung.aSchacht.view(), "S2        ");

    // "Excel - Export": the folder beside the file, the dialog with its fields, and the run from it.
    m_modals.whileShown = [&](QDialog& dialog) {
        ASSERT_EQ(&dialog, &windows.excelExportForm);
        EXPECT_EQ(windows.excelExportForm.AnzHaltSText->text(), "2");
        windows.excelExportForm.StartExportBtnClick();
    };
    windows.mainForm.SBtn_ExcelExportClick();
    EXPECT_TRUE(std::filesystem::exists(m_folder.path() / "exceldat" / "netz.xls"));
    ASSERT_FALSE(m_messages.shown.empty());
    EXPECT_EQ(m_messages.shown.back().text, ExportFinishedMessage);

    // "Serien - Export" opens with its displays empty and the option off.
    windows.serienExportForm.EineExcelDateiCBox->setChecked(true);
    m_modals.whileShown = [&](QDialog& dialog) {
        EXPECT_EQ(&dialog, &windows.serienExportForm);
        EXPECT_FALSE(windows.serienExportForm.EineExcelDateiCBox->isChecked());
        EXPECT_TRUE(windows.serienExportForm.files().empty());
    };
    windows.mainForm.SerienExportSBtnClick();
    EXPECT_EQ(m_modals.shown.back(), &windows.serienExportForm);

    // "Seriendruck": a cancelled print dialog shows no serial print dialog.
    const std::size_t shownBefore = m_modals.shown.size();
    windows.mainForm.SBtn_pdf_SDClick();
    EXPECT_EQ(m_modals.shown.size(), shownBefore);
}

TEST_F(Program, ClosingTheMainWindowQuitsAnApplicationThatAnExportStillHolds) {
    ProgramWindows windows({m_messages, m_files, m_modals, m_printers, m_printers, nullptr, ""});
    windows.mainForm.FormClose(); // no export ran: nothing is started or touched
    EXPECT_TRUE(windows.excelOle.excelApplication().isEmpty());
    EXPECT_TRUE(m_messages.shown.empty());

    AutoValue application;
    windows.excelOle.ExcelStart(false, application);
    windows.excelOle.WorkbookAdd(1, windows.exportState.ExportWorkbook);
    ASSERT_FALSE(windows.exportState.ExportWorkbook.isEmpty());
    windows.mainForm.FormClose();
    EXPECT_TRUE(windows.excelOle.excelApplication().isEmpty());
    EXPECT_TRUE(windows.exportState.ExportWorkbook.isEmpty());
    EXPECT_TRUE(m_messages.shown.empty());
}

} // namespace
