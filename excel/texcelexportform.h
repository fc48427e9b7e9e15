#pragma once

#include "excel/exporthaltungen.h"

#include <QDialog>

class MainState;
class MessageBoxes;
class QLabel;
class QPushButton;
class TExcelOle;
struct ExportState;

// "Excel - Export": shows source, target and progress of the export of the loaded file; Esc cancels.
class TExcelExportForm final : public QDialog, private ExportView {
    Q_OBJECT
public:
    TExcelExportForm(MainState& state, TExcelOle& excel, ExportState& exportState, MessageBoxes& messages,
                     QWidget* parent = nullptr);

    // Fills the fields for the prepared export; the main window then shows the dialog modally.
    void prepare(long long haltungCount);

    void StartExportBtnClick();
    void CloseBtnClick();
    // Esc sets the cancel flag of the export; other keys do nothing.
    void FormKeyDown(int key);

    QLabel* QuelleSText;
    QLabel* ZielSText;
    QLabel* LfdNrSText;
    QLabel* AnzHaltSText;
    QPushButton* StartExportBtn;
    QPushButton* CloseBtn;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override;

private:
    void dispatchPendingMessages() override;
    void showLfdNr(std::string_view lfdNr) override;

    MainState& m_state;
    TExcelOle& m_excel;
    ExportState& m_export;
    MessageBoxes& m_messages;
    bool m_running = false;
};
