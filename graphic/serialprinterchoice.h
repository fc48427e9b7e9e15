#pragma once

#include <memory>
#include <string>

class PrintDevice;

// The printer of a serial print as the print dialog gives it.
struct SerialPrinter {
    // Takes every job of the run; nullptr when the user cancelled.
    std::unique_ptr<PrintDevice> device;
    // The printer's name as the installed printers list it, or the folder of PDF output (Windows-1252).
    std::string name;
};

// The print dialog as the serial print uses it: the user picks a printer for a run of jobs or cancels.
class SerialPrinterChoice {
public:
    virtual ~SerialPrinterChoice() = default;
    virtual SerialPrinter chooseSerialPrinter() = 0;
};
