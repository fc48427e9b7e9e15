#include "graphic/canvas.h"
#include "graphic/pdfprintdevice.h"
#include "graphic/printerprintdevice.h"
#include "graphic/printsectiongraphic.h"
#include "graphic/testrecords.h"
#include "print_pdftools.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <limits>

using testrecords::AddZustand;
using testrecords::Section;

namespace {

class PdfPrint : public testing::Test {
protected:
    void SetUp() override {
        if (!pdftools::Available())
            GTEST_SKIP() << "pdfinfo/pdftotext missing";
        ASSERT_TRUE(m_dir.isValid());
        // TELMORA_KEEP_PDF=1 keeps the written files for a look at them.
        m_dir.setAutoRemove(qEnvironmentVariableIsEmpty("TELMORA_KEEP_PDF"));
    }
    std::string path(const char* name) const { return QDir(m_dir.path()).filePath(name).toStdString(); }
    QStringList files() const { return QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name); }

    static PrintJobSettings Settings(std::string title) {
        PrintJobSettings s;
        s.jobTitle = std::move(title);
        s.loadedFileName = "c:\\daten\\kanal.h";
        s.date = PrintDate{5, 3, 2007};
        return s;
    }

    QTemporaryDir m_dir;
};

TEST_F(PdfPrint, A4PortraitAt1200Dpi) {
    const auto device = PdfPrintDevice::IntoFolder(m_dir.path());
    EXPECT_NEAR(device->pageWidth(), 9921, 5);
    EXPECT_NEAR(device->pageHeight(), 14031, 5);
}

TEST_F(PdfPrint, EachJobWritesOneFileNamedAfterItsTitle) {
    HaltungRecord r = Section(200.0);
    AddZustand(r, 190.0); // three pages
    const auto device = PdfPrintDevice::IntoFolder(m_dir.path());
    ASSERT_TRUE(PrintSectionGraphic(*device, r, Settings("12.pdf")).printed());
    r.lfdNr.assign("  13");
    r.zustaende.clear();
    r.zustandCount = 0;
    ASSERT_TRUE(PrintSectionGraphic(*device, r, Settings("13.pdf")).printed());

    EXPECT_EQ(files(), (QStringList{"12.pdf", "13.pdf"})); // and nothing half-written
    const std::string first = path("12.pdf");
    EXPECT_EQ(pdftools::PageCount(first), 3);
    EXPECT_EQ(pdftools::PageCount(path("13.pdf")), 1);
    EXPECT_EQ(pdftools::InfoField(first, "Title"), "12.pdf");
    EXPECT_EQ(pdftools::InfoField(first, "Page size"), "595 x 842 pts (A4)");

    const std::string text = pdftools::TextWithoutBlanks(first);
    for (const char* expected : {"BRESKIngenieureGmbHBerlin", "Startschacht", "Endschacht", "S100", "S200",
                                 "1/3", "2/3", "3/3", "05.03.2007", "TELMORA", "K\xC3\xBCrzel",
                                 "Stra\xC3\x9F"
                                 "enname",
                                 "inFlie\xC3\x9F"
                                 "richt.",
                                 "c:\\daten\\kanal.h", "190.00"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected;
}

TEST_F(PdfPrint, UnwritableFileFailsAndLeavesNoJobOpen) {
    const auto device = PdfPrintDevice::ToFile(QDir(m_dir.path()).filePath("missing/x.pdf"));
    const PrintResult result = PrintSectionGraphic(*device, Section(), Settings(" TELMORA "));
    EXPECT_EQ(result.status, PrintStatus::DeviceFailed);
    EXPECT_NE(result.message.find("kann nicht geschrieben werden"), std::string::npos) << result.message;
    // The device takes the next job as if nothing had happened.
    const auto good = PdfPrintDevice::ToFile(QString::fromStdString(path("ok.pdf")));
    EXPECT_TRUE(PrintSectionGraphic(*good, Section(), Settings(" TELMORA ")).printed());
    EXPECT_EQ(files(), QStringList{"ok.pdf"});
}

TEST_F(PdfPrint, AbortedJobLeavesNoFile) {
    const auto device = PdfPrintDevice::ToFile(QString::fromStdString(path("gone.pdf")));
    ASSERT_TRUE(device->beginDocument("gone.pdf"));
    device->canvas().textOut(100, 100, "halb geschrieben");
    device->abort();
    EXPECT_TRUE(files().isEmpty());
}

TEST_F(PdfPrint, ExtremeStationsStillGiveAValidFile) {
    HaltungRecord r = Section(std::numeric_limits<double>::quiet_NaN());
    AddZustand(r, -1e300);
    AddZustand(r, std::numeric_limits<double>::quiet_NaN());
    AddZustand(r, 5.0);
    testrecords::SetStrecke(r, 0, -1e300, 1e300);
    const auto device = PdfPrintDevice::ToFile(QString::fromStdString(path("x.pdf")));
    ASSERT_TRUE(PrintSectionGraphic(*device, r, Settings("x.pdf")).printed());
    EXPECT_EQ(pdftools::PageCount(path("x.pdf")), 1);
}

TEST_F(PdfPrint, QtPrinterWithPdfOutputPrintsTheJob) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(path("printer.pdf")));
    printer.setPageSize(QPageSize(QPageSize::A4));
    PrinterPrintDevice device(printer);
    HaltungRecord r = Section(20.0);
    AddZustand(r, 80.0); // two pages
    ASSERT_TRUE(PrintSectionGraphic(device, r, Settings(" TELMORA ")).printed());
    EXPECT_EQ(pdftools::PageCount(path("printer.pdf")), 2);
    const std::string text = pdftools::TextWithoutBlanks(path("printer.pdf"));
    EXPECT_NE(text.find("2/2"), std::string::npos);
    EXPECT_NE(text.find("Startschacht"), std::string::npos);
}

TEST_F(PdfPrint, QtPrinterAbortedJobLeavesNoFile) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(path("printer.pdf")));
    PrinterPrintDevice device(printer);
    ASSERT_TRUE(device.beginDocument(" TELMORA "));
    device.canvas().textOut(100, 100, "halb gedruckt");
    device.abort();
    EXPECT_TRUE(files().isEmpty());
    ASSERT_TRUE(device.beginDocument(" TELMORA "));
    ASSERT_TRUE(device.endDocument());
    device.abort(); // nothing open: keeps the finished file
    EXPECT_EQ(files(), QStringList{"printer.pdf"});
}

} // namespace
