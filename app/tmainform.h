#pragma once

#include "dialogs/manholesearch.h"

#include <QMainWindow>

#include <functional>
#include <vector>

class FileChooser;
class ListingModel;
class MainState;
class MessageBoxes;
class ModalDialogs;
class TAboutForm;
class TSchSuchForm;
class TTheoForm;
class QAction;
class QLabel;
class QTableView;
class QToolButton;

// The main window: the tool panel, the menu and the section listing grid. Every command runs a handler
// named after its control; commands of other windows run hooks that do nothing until they are set.
class TMainForm final : public QMainWindow, public SearchGrid {
    Q_OBJECT
public:
    using Hook = std::function<void()>;

    TMainForm(MainState& state, MessageBoxes& boxes, FileChooser& files, ModalDialogs& modals,
              QWidget* parent = nullptr);
    ~TMainForm() override;

    // The dialogs the commands show; a command whose dialog is not set does nothing.
    void setAboutForm(TAboutForm* form) noexcept { m_aboutForm = form; }
    void setSchSuchForm(TSchSuchForm* form) noexcept { m_schSuchForm = form; }
    void setTheoForm(TTheoForm* form) noexcept { m_theoForm = form; }

    // Shows the section graphic once StringGrid1DblClick has found the section of the current row.
    void setShowSectionGraphicHook(Hook hook) { m_showSectionGraphic = std::move(hook); }
    // The serial print, the export of the listed file, the series export.
    void setSerialPrintHook(Hook hook) { m_serialPrint = std::move(hook); }
    void setExcelExportHook(Hook hook) { m_excelExport = std::move(hook); }
    void setSeriesExportHook(Hook hook) { m_seriesExport = std::move(hook); }
    // Runs when the user closes the main window (FormClose), not on "&Beenden".
    void setCloseHook(Hook hook) { m_close = std::move(hook); }
    // Ends the message loop for "&Beenden"; by default the application exits at once.
    void setExitHook(Hook hook) { m_exit = std::move(hook); }

    // Loads a file as "&Öffnen" does once the user has chosen it (also for a file named at start).
    void openFile(const QString& path);

    // The command handlers.
    void FileOpenClick();
    void FileExitBtnClick();
    void StringGrid1DblClick();
    void SBtn_HSuchClick();
    void SBtn_pdf_SDClick();
    void SBtn_ExcelExportClick();
    void SerienExportSBtnClick();
    void AboutBtnClick();
    void SBtn_TheoClick();
    void FormClose();

    // The grid's current row (the row a command works on), and moving it there in view.
    int currentRow() const;
    void setCurrentRow(int row);

    // The grid as the manhole search walks it.
    int searchRowCount() const override;
    std::string_view searchRowText(int row) const override;
    void selectSearchRow(int row) override;

signals:
    // The user closed the window (after FormClose); the program ends with it.
    void formClosed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildToolPanel(QWidget* panel);
    void buildMenu();
    QToolButton* addSpeedButton(QWidget* panel, const char* name, const QString& text, const QString& hint,
                                void (TMainForm::*handler)());
    void setSectionCommandsEnabled(bool enabled);

    MainState& m_state;
    MessageBoxes& m_boxes;
    FileChooser& m_files;
    ModalDialogs& m_modals;

    ListingModel* m_model = nullptr;
    QTableView* m_grid = nullptr;
    QLabel* m_gridHeader = nullptr;
    std::vector<QToolButton*> m_sectionButtons;
    std::vector<QAction*> m_sectionMenuItems;
    QString m_chosenPath;

    TAboutForm* m_aboutForm = nullptr;
    TSchSuchForm* m_schSuchForm = nullptr;
    TTheoForm* m_theoForm = nullptr;

    Hook m_showSectionGraphic;
    Hook m_serialPrint;
    Hook m_excelExport;
    Hook m_seriesExport;
    Hook m_close;
    Hook m_exit;
};
