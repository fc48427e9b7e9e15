#include "app/mainstate.h"
#include "app/recordingmessageboxes.h"
#include "excel/exportstate.h"
#include "excel/folders.h"
#include "excel/texcelexportform.h"
#include "excel/texcelole.h"
#include "excel/tselectdir.h"
#include "excel/tserienexportform.h"
#include "record/isybaubuilder.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

class ScriptedFolderPrompt final : public FolderPrompt {
public:
    std::optional<std::string> chooseFolder(const std::string& title, const std::string& root,
                                            const std::string& start) override {
        asked.push_back({title, root, start});
        return answer;
    }
    struct Asked {
        std::string title, root, start;
    };
    std::vector<Asked> asked;
    std::optional<std::string> answer;
};

std::string sectionText(int sections) {
    std::string text = isybauHeader();
    for (int n = 1; n <= sections; ++n)
        text += hi2("B", "Weg") + hi3({.a = "A" + std::to_string(n), .e = "E"}) + hi4({.station = "1", .code = "BA"});
    return text;
}

class ExportForms : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() /
                ("telmora_forms_" + std::to_string(::getpid()) + "_" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }
    std::string write(const std::string& name, const std::string& bytes) {
        std::ofstream(m_dir / name, std::ios::binary) << bytes;
        return (m_dir / name).string();
    }
    static void pressEsc(QWidget* target) {
        QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    }

    fs::path m_dir;
    MainState m_state;
    ExportState m_export;
    RecordingMessageBoxes m_messages;
    TExcelOle m_excel{m_messages};
};

TEST_F(ExportForms, ExportDialogRunsTheExportAndEscBeforeTheStartHasNoEffect) {
    const std::string path = write("netz.h", sectionText(3));
    ASSERT_EQ(m_state.openFile(path, path).status, OpenStatus::Loaded);
    ASSERT_TRUE(prepareMainWindowExport(m_state, m_export, m_messages));
    TExcelExportForm form(m_state, m_excel, m_export, m_messages);
    form.prepare(m_state.HaltungCount);
    EXPECT_EQ(form.windowTitle(), "  Excel - Export");
    EXPECT_EQ(form.AnzHaltSText->text(), "3");
    EXPECT_EQ(form.ZielSText->text().toStdString(), (m_dir / "exceldat" / "netz.xls").string());

    form.FormKeyDown(Qt::Key_Escape); // pressed before the start: the start clears it
    form.StartExportBtnClick();
    ASSERT_EQ(m_messages.shown.size(), 1u);
    EXPECT_EQ(m_messages.shown[0].text, ExportFinishedMessage);
    EXPECT_EQ(form.LfdNrSText->text(), "3   ");
    EXPECT_TRUE(fs::exists(m_dir / "exceldat" / "netz.xls"));
    EXPECT_TRUE(form.StartExportBtn->isEnabled());
    EXPECT_TRUE(m_export.ExportWorkbook.isEmpty());

    // Esc while the export runs: the key reaches the dialog through the message handled per section.
    form.show();
    pressEsc(&form);
    form.StartExportBtnClick();
    ASSERT_EQ(m_messages.shown.size(), 2u);
    EXPECT_EQ(m_messages.shown[1].text, ExportCancelledMessage);
    EXPECT_TRUE(form.isVisible()); // Esc cancels the export, it does not close the dialog
}

TEST_F(ExportForms, SeriesDialogFindsFilesAndExports) {
    write("a.h", sectionText(2));
    write("b.h", sectionText(1));
    ScriptedFolderPrompt prompt;
    TSerienExportForm form(m_state, m_excel, m_export, m_messages, &prompt);
    form.reset();
    EXPECT_EQ(form.windowTitle(), "  Serien - Excel-Export");
    EXPECT_FALSE(form.StartExportBtn->isEnabled());

    // cancelled choice: nothing found, nothing changes
    form.OrdnerBtnClick();
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0].title, "Ordner mit Isybau-Dateien (*.h) ausw\344hlen");
    EXPECT_EQ(prompt.asked[0].root, "Desktop");
    EXPECT_TRUE(form.files().empty());

    prompt.answer = m_dir.string() + "/";
    form.OrdnerBtnClick();
    EXPECT_EQ(form.StaticText5->text().toStdString(), m_dir.string());
    EXPECT_EQ(form.StaticText8->text(), " 2 Isybau-Dateien (*.h) gefunden");
    EXPECT_TRUE(form.StartExportBtn->isEnabled());
    EXPECT_EQ(form.SelectDir->GetStartDir(), m_dir.string());

    form.EineExcelDateiCBox->setChecked(true);
    form.StartExportBtnClick();
    EXPECT_TRUE(fs::exists(m_dir / "isybau_h.xls"));
    EXPECT_EQ(form.StaticText10->text(), "2");
    EXPECT_EQ(form.StaticText12->text(), "2");
    ASSERT_EQ(m_messages.shown.size(), 1u);
    EXPECT_EQ(m_messages.shown[0].text, ExportFinishedMessage);
    EXPECT_TRUE(form.OrdnerBtn->isEnabled());

    // closing switches the option off, so a later export from the main window saves its workbook
    form.show();
    form.CloseBtnClick();
    EXPECT_FALSE(form.EineExcelDateiCBox->isChecked());
}

TEST_F(ExportForms, SeriesDialogShowsTheRedMessageForAFolderWithoutFilesAndEscCancels) {
    fs::create_directory(m_dir / "leer");
    write("a.h", sectionText(2));
    write("b.h", sectionText(2));
    ScriptedFolderPrompt prompt;
    TSerienExportForm form(m_state, m_excel, m_export, m_messages, &prompt);
    form.reset();
    prompt.answer = (m_dir / "leer").string();
    form.OrdnerBtnClick();
    EXPECT_EQ(form.StaticText8->text(), " Keine Isybau-Dateien (*.h) gefunden !");
    EXPECT_EQ(form.StaticText8->palette().color(QPalette::WindowText), QColor(Qt::red));
    EXPECT_FALSE(form.StartExportBtn->isEnabled());

    prompt.answer = m_dir.string();
    form.OrdnerBtnClick();
    EXPECT_EQ(form.StaticText8->palette().color(QPalette::WindowText), QColor(Qt::black));
    form.show();
    pressEsc(&form);
    form.StartExportBtnClick();
    ASSERT_EQ(m_messages.shown.size(), 1u);
    EXPECT_EQ(m_messages.shown[0].text, ExportCancelledMessage);
    EXPECT_TRUE(fs::exists(m_dir / "exceldat" / "a.xls"));
    EXPECT_FALSE(fs::exists(m_dir / "exceldat" / "b.xls"));
}

TEST(SelectDir, ExecuteSetsSelectedDirOnlyOnSuccessAndFlagsKeepTheirBits) {
    ScriptedFolderPrompt prompt;
    TSelectDir chooser(nullptr, &prompt);
    prompt.answer = "/tmp/daten/kanal/";
    EXPECT_TRUE(chooser.Execute());
    EXPECT_EQ(chooser.SelectedDir(), "/tmp/daten/kanal");
    prompt.answer.reset();
    EXPECT_FALSE(chooser.Execute());
    EXPECT_EQ(chooser.SelectedDir(), "");

    chooser.SetReturnOnlyFSDirs(true);
    chooser.SetBrowseForPrinter(true);
    EXPECT_EQ(chooser.flags(), 0x2001u);
    chooser.SetReturnOnlyFSDirs(false);
    EXPECT_EQ(chooser.flags(), 0x2000u);
    EXPECT_TRUE(chooser.GetBrowseForPrinter());
    EXPECT_FALSE(chooser.GetBrowseForComputer());
}

} // namespace
