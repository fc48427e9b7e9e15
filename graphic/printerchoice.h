#pragma once

#include <memory>

class PrintDevice;

// The print dialog as the graphic window uses it: the user picks a printer or cancels.
class PrinterChoice {
public:
    virtual ~PrinterChoice() = default;
    // The device to print on, or nullptr when the user cancelled.
    virtual std::unique_ptr<PrintDevice> choosePrinter() = 0;
};
