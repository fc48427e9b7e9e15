#include "graphic/pdfprintdevice.h"

#include "app/qtext.h"
#include "graphic/qpaintercanvas.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <cstdio>

#include <stdexcept>

namespace {

constexpr int Resolution = 1200;

void Configure(QPdfWriter& writer) {
    writer.setResolution(Resolution);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    writer.setCreator(QStringLiteral("TELMORA"));
}

} // namespace

PdfPrintDevice::PdfPrintDevice(QString file, QString folder)
    : m_file(std::move(file)), m_folder(std::move(folder)) {
    // The page size as the writer will report it, read from a writer that never paints.
    QBuffer probe;
    QPdfWriter writer(&probe);
    Configure(writer);
    m_pageWidth = writer.width();
    m_pageHeight = writer.height();
}

PdfPrintDevice::~PdfPrintDevice() {
    abort();
}

std::unique_ptr<PdfPrintDevice> PdfPrintDevice::ToFile(const QString& path) {
    return std::unique_ptr<PdfPrintDevice>(new PdfPrintDevice(path, {}));
}

std::unique_ptr<PdfPrintDevice> PdfPrintDevice::IntoFolder(const QString& folder) {
    return std::unique_ptr<PdfPrintDevice>(new PdfPrintDevice({}, folder));
}

QString PdfPrintDevice::fileFor(std::string_view title) const {
    if (m_folder.isEmpty())
        return m_file;
    QString name = toQString(title).trimmed();
    // The title names a file in the folder, never a path elsewhere.
    name.replace(QLatin1Char('/'), QLatin1Char('_')).replace(QLatin1Char('\\'), QLatin1Char('_'));
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        name = QStringLiteral("Haltungsgrafik");
    if (!name.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        name += QLatin1String(".pdf");
    return QDir(m_folder).filePath(name);
}

bool PdfPrintDevice::beginDocument(std::string_view title) {
    abort();
    m_error.clear();
    m_lastFile = fileFor(title);
    // The job is written beside its file under a hidden name and renamed when it is complete, so the file
    // never shows half a printout. Unlike QSaveFile this does not force every file onto the disk: a
    // serial print writes hundreds of them.
    const QFileInfo target(m_lastFile);
    m_out = std::make_unique<QFile>(
        target.dir().filePath(QLatin1Char('.') + target.fileName() + QLatin1String(".telmora-part")));
    if (!m_out->open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        m_error = "Die Datei " + fromQString(QDir::toNativeSeparators(m_lastFile)) +
                  " kann nicht geschrieben werden.";
        close();
        return false;
    }
    m_writer = std::make_unique<QPdfWriter>(m_out.get());
    Configure(*m_writer);
    m_writer->setTitle(toQString(title));
    m_painter = std::make_unique<QPainter>();
    if (!m_painter->begin(m_writer.get())) {
        m_error = "Die PDF-Datei " + fromQString(QDir::toNativeSeparators(m_lastFile)) +
                  " kann nicht angelegt werden.";
        close();
        return false;
    }
    m_canvas = std::make_unique<QPainterCanvas>(*m_painter);
    return true;
}

bool PdfPrintDevice::newPage() {
    if (!m_writer || !m_writer->newPage()) {
        m_error = "Die PDF-Datei kann keine neue Seite anlegen.";
        return false;
    }
    return true;
}

bool PdfPrintDevice::endDocument() {
    if (!m_painter) {
        m_error = "Es ist kein Druckauftrag offen.";
        return false;
    }
    m_canvas.reset();
    const bool painted = m_painter->end();
    m_painter.reset();
    m_writer.reset();
    bool written = painted && m_out->flush();
    m_out->close();
    written = written && m_out->error() == QFileDevice::NoError;
    if (!written || std::rename(QFile::encodeName(m_out->fileName()).constData(),
                                QFile::encodeName(m_lastFile).constData()) != 0) {
        m_error = "Die Datei " + fromQString(QDir::toNativeSeparators(m_lastFile)) +
                  " kann nicht geschrieben werden.";
        close();
        return false;
    }
    m_out.reset();
    return true;
}

void PdfPrintDevice::abort() noexcept {
    close();
}

void PdfPrintDevice::close() noexcept {
    m_canvas.reset();
    if (m_painter && m_painter->isActive())
        m_painter->end();
    m_painter.reset();
    m_writer.reset();
    if (m_out) {
        m_out->close();
        m_out->remove(); // an unfinished job leaves no file behind
    }
    m_out.reset();
}

Canvas& PdfPrintDevice::canvas() {
    if (!m_canvas)
        throw std::logic_error("PdfPrintDevice::canvas without an open job");
    return *m_canvas;
}
