#include "graphic/qtprinterchoice.h"

#include "app/qtext.h"
#include "graphic/pdfprintdevice.h"
#include "graphic/printerprintdevice.h"

#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>

QtPrinterChoice::QtPrinterChoice(QWidget* parent) : m_parent(parent), m_printer(QPrinter::HighResolution) {
    m_printer.setPageSize(QPageSize(QPageSize::A4));
    m_printer.setPageOrientation(QPageLayout::Portrait);
}

std::unique_ptr<PrintDevice> QtPrinterChoice::choosePrinter() {
    QPrintDialog dialog(&m_printer, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    return std::make_unique<PrinterPrintDevice>(m_printer);
}

SerialPrinter QtPrinterChoice::chooseSerialPrinter() {
    QPrintDialog dialog(&m_printer, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return SerialPrinterFor(m_printer);
}

SerialPrinter QtPrinterChoice::SerialPrinterFor(QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        const QString folder = QFileInfo(printer.outputFileName()).absolutePath();
        return {PdfPrintDevice::IntoFolder(folder), fromQString(QDir::toNativeSeparators(folder))};
    }
    return {std::make_unique<PrinterPrintDevice>(printer), fromQString(printer.printerName())};
}
