#pragma once

#include "graphic/printdevice.h"

#include <QString>

#include <memory>

class QPainter;
class QPdfWriter;
class QFile;
class QPainterCanvas;

// Prints into PDF files: A4 portrait, the whole page printable, 1200 dots per inch, one file per job.
// A file appears only when its job ends well; a failed or aborted job leaves no file behind.
class PdfPrintDevice final : public PrintDevice {
public:
    // Every job writes this file.
    static std::unique_ptr<PdfPrintDevice> ToFile(const QString& path);
    // Every job writes a file in this folder named after its job title (with ".pdf" added when the title
    // does not end so), as a PDF printer driver does.
    static std::unique_ptr<PdfPrintDevice> IntoFolder(const QString& folder);
    ~PdfPrintDevice() override;

    int pageWidth() const override { return m_pageWidth; }
    int pageHeight() const override { return m_pageHeight; }
    bool beginDocument(std::string_view title) override;
    bool newPage() override;
    bool endDocument() override;
    void abort() noexcept override;
    Canvas& canvas() override;
    std::string errorText() const override { return m_error; }

    // The file the last job wrote (or was writing).
    QString lastFile() const { return m_lastFile; }

private:
    PdfPrintDevice(QString file, QString folder);
    QString fileFor(std::string_view title) const;
    void close() noexcept;

    QString m_file;
    QString m_folder;
    QString m_lastFile;
    int m_pageWidth = 0;
    int m_pageHeight = 0;
    std::string m_error;
    std::unique_ptr<QFile> m_out; // the job in hand, under its hidden name
    std::unique_ptr<QPdfWriter> m_writer;
    std::unique_ptr<QPainter> m_painter;
    std::unique_ptr<QPainterCanvas> m_canvas;
};
