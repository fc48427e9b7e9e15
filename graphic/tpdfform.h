#pragma once

#include "graphic/serialprint.h"

#include <QDialog>

#include <memory>

class MainState;
class MessageBoxes;
class ModalDialogs;
class PrintDevice;
class SerialPrinterChoice;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The dialog "Seriendruck": prints the section graphics of a range of running numbers, one print job
// per section titled "<n>.pdf", on the printer chosen when it was opened. The run itself is SerialPrint;
// the dialog holds the fields and shows its progress.
class TPDFForm final : public QDialog, private SerialPrintView {
    Q_OBJECT
public:
    // The dialog parses sections into the program's state, asks for the printer through printDialog,
    // tells about sections left out through messages and shows itself through modals.
    TPDFForm(MainState& state, SerialPrinterChoice& printDialog, MessageBoxes& messages, ModalDialogs& modals,
             QWidget* parent = nullptr);
    ~TPDFForm() override;

    // "Seriendruck" of the main window (SBtn_pdf_SDClick): the print dialog, then, unless cancelled,
    // both numbers set to 1, the chosen printer shown and the dialog shown modally.
    void ShowSerialPrint();

    void SerDruckBtnClick();
    void SerCancelBtnClick();
    void SerCloseBtnClick();

    // Whether a run is going on (the dialog cannot be closed then).
    bool running() const noexcept { return m_running; }

public slots:
    // Esc and the window's close button: ignored while a run goes on.
    void reject() override;

private:
    void setErrLabel(std::string_view text) override;
    void focusField(SerialPrintField field) override;
    void setRunning(bool running) override;
    void processEvents() override;
    void jobPrinted(long long number, std::string_view jobTitle) override;
    void notice(SerialPrintNotice kind, long long number, std::string_view message) override;

    MainState& m_state;
    SerialPrinterChoice& m_printDialog;
    MessageBoxes& m_messages;
    ModalDialogs& m_modals;
    std::unique_ptr<PrintDevice> m_device;
    SerialPrint m_serialPrint;
    bool m_running = false;

    QLabel* Std_Label1;
    QLabel* Std_Label2;
    QLabel* Label1;
    QLineEdit* VonEdit;
    QLabel* Label2;
    QLineEdit* BisEdit;
    QPushButton* SerDruckBtn;
    QPushButton* SerCancelBtn;
    QPushButton* SerCloseBtn;
    QLabel* ErrLabel;
    QListWidget* ListBox1;
};
