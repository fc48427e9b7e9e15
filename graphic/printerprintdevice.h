#pragma once

#include "graphic/printdevice.h"

#include <memory>

class QPainter;
class QPainterCanvas;
class QPrinter;

// Prints on a Qt printer: the printer chosen in the print dialog, or its PDF output to a file. The job
// title becomes the printer's document name. An aborted or failed job to a PDF file removes that file.
class PrinterPrintDevice final : public PrintDevice {
public:
    explicit PrinterPrintDevice(QPrinter& printer);
    ~PrinterPrintDevice() override;

    int pageWidth() const override;
    int pageHeight() const override;
    bool beginDocument(std::string_view title) override;
    bool newPage() override;
    bool endDocument() override;
    void abort() noexcept override;
    Canvas& canvas() override;
    std::string errorText() const override { return m_error; }

private:
    std::string printerName() const;

    QPrinter& m_printer;
    std::string m_error;
    bool m_jobUnfinished = false; // begun and not ended well: abort() drops its PDF file
    std::unique_ptr<QPainter> m_painter;
    std::unique_ptr<QPainterCanvas> m_canvas;
};
