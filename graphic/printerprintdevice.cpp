#include "graphic/printerprintdevice.h"

#include "app/qtext.h"
#include "graphic/qpaintercanvas.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPrinter>

#include <stdexcept>

PrinterPrintDevice::PrinterPrintDevice(QPrinter& printer) : m_printer(printer) {}

PrinterPrintDevice::~PrinterPrintDevice() {
    abort();
}

// The printable area: QPrinter as a paint device measures the page inside the printer's margins.
int PrinterPrintDevice::pageWidth() const {
    return m_printer.width();
}

int PrinterPrintDevice::pageHeight() const {
    return m_printer.height();
}

std::string PrinterPrintDevice::printerName() const {
    if (m_printer.outputFormat() == QPrinter::PdfFormat)
        return fromQString(QDir::toNativeSeparators(m_printer.outputFileName()));
    return fromQString(m_printer.printerName());
}

bool PrinterPrintDevice::beginDocument(std::string_view title) {
    abort();
    m_error.clear();
    m_printer.setDocName(toQString(title));
    m_painter = std::make_unique<QPainter>();
    if (!m_painter->begin(&m_printer)) {
        m_error = "Der Drucker " + printerName() + " nimmt keinen Auftrag an.";
        m_painter.reset();
        return false;
    }
    m_canvas = std::make_unique<QPainterCanvas>(*m_painter);
    m_jobUnfinished = true;
    return true;
}

bool PrinterPrintDevice::newPage() {
    if (!m_painter || !m_printer.newPage() || m_printer.printerState() == QPrinter::Error) {
        m_error = "Der Drucker " + printerName() + " kann keine neue Seite beginnen.";
        return false;
    }
    return true;
}

bool PrinterPrintDevice::endDocument() {
    if (!m_painter) {
        m_error = "Es ist kein Druckauftrag offen.";
        return false;
    }
    m_canvas.reset();
    const bool ended = m_painter->end();
    m_painter.reset();
    if (!ended || m_printer.printerState() == QPrinter::Error) {
        m_error = "Der Drucker " + printerName() + " hat den Auftrag nicht abgeschlossen.";
        return false;
    }
    m_jobUnfinished = false;
    return true;
}

void PrinterPrintDevice::abort() noexcept {
    m_canvas.reset();
    if (m_painter && m_painter->isActive()) {
        m_printer.abort();
        m_painter->end();
    }
    m_painter.reset();
    // Qt's PDF output cannot take a job back; what it wrote is an incomplete printout.
    if (m_jobUnfinished && m_printer.outputFormat() == QPrinter::PdfFormat &&
        !m_printer.outputFileName().isEmpty())
        QFile::remove(m_printer.outputFileName());
    m_jobUnfinished = false;
}

Canvas& PrinterPrintDevice::canvas() {
    if (!m_canvas)
        throw std::logic_error("PrinterPrintDevice::canvas without an open job");
    return *m_canvas;
}
