#pragma once

#include "graphic/printerchoice.h"

#include <QPrinter>

class QWidget;

// The print dialog on screen with its default options. It keeps the printer and its settings from one
// choice to the next, as the program's one print dialog does.
class QtPrinterChoice final : public PrinterChoice {
public:
    explicit QtPrinterChoice(QWidget* parent = nullptr);

    std::unique_ptr<PrintDevice> choosePrinter() override;
    QPrinter& printer() noexcept { return m_printer; }

private:
    QWidget* m_parent;
    QPrinter m_printer;
};
