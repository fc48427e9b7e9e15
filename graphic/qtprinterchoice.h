#pragma once

#include "graphic/printerchoice.h"
#include "graphic/serialprinterchoice.h"

#include <QPrinter>

class QWidget;

// The print dialog on screen with its default options. It keeps the printer and its settings from one
// choice to the next, as the program's one print dialog does.
class QtPrinterChoice final : public PrinterChoice, public SerialPrinterChoice {
public:
    explicit QtPrinterChoice(QWidget* parent = nullptr);

    std::unique_ptr<PrintDevice> choosePrinter() override;
    // For a serial print, PDF output to a file works as a PDF printer driver does: every job writes a
    // file named after its title into the folder of the chosen file.
    SerialPrinter chooseSerialPrinter() override;
    // The serial print's printer for the printer as the dialog left it.
    static SerialPrinter SerialPrinterFor(QPrinter& printer);
    QPrinter& printer() noexcept { return m_printer; }

private:
    QWidget* m_parent;
    QPrinter m_printer;
};
