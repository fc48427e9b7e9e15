#pragma once

#include "excel/seriesexport.h"

#include <QDialog>

#include <string>
#include <vector>

class FolderPrompt;
class MainState;
class MessageBoxes;
class QCheckBox;
class QLabel;
class QPushButton;
class QToolButton;
class TExcelOle;
class TSelectDir;
struct ExportState;

// "Serien - Export": exports every ISYBAU file of a folder, one workbook per file or all in one.
class TSerienExportForm final : public QDialog, private SeriesExportView {
    Q_OBJECT
public:
    TSerienExportForm(MainState& state, TExcelOle& excel, ExportState& exportState, MessageBoxes& messages,
                      FolderPrompt* folderPrompt = nullptr, QWidget* parent = nullptr);

    // What the main window's command does before it shows the dialog: empty displays and file list.
    void reset();

    void OrdnerBtnClick();
    void StartExportBtnClick();
    void CloseBtnClick();
    void FormKeyDown(int key);
    void FormClose();

    // The file list (one full path per entry, Windows-1252) and the number of files found.
    const std::vector<std::string>& files() const noexcept { return m_files; }
    long long SeriesFileCount = 0;

    QLabel* StaticText5;
    QToolButton* OrdnerBtn;
    QLabel* StaticText8;
    QLabel* StaticText10;
    QLabel* StaticText12;
    QLabel* QuelleSText;
    QLabel* ZielSText;
    QLabel* LfdNrSText;
    QLabel* AnzHaltSText;
    QCheckBox* EineExcelDateiCBox;
    QPushButton* StartExportBtn;
    QPushButton* CloseBtn;
    TSelectDir* SelectDir;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
    void done(int result) override;

private:
    void dispatchPendingMessages() override;
    void showLfdNr(std::string_view lfdNr) override;
    void showFileNumber(long long number) override;
    void showFileCount(long long count) override;
    void showSource(std::string_view path) override;
    void showTarget(std::string_view path) override;
    void showSectionCount(long long count) override;
    void setRunning(bool running);

    MainState& m_state;
    TExcelOle& m_excel;
    ExportState& m_export;
    MessageBoxes& m_messages;
    std::vector<std::string> m_files;
    bool m_running = false;
};
