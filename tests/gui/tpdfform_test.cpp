#include "mainform_support.h"
#include "print_pdftools.h"

#include "app/mainstate.h"
#include "app/recordingmessageboxes.h"
#include "app/tmainform.h"
#include "graphic/pdfprintdevice.h"
#include "graphic/printdevice.h"
#include "graphic/printsectiongraphic.h"
#include "graphic/qtprinterchoice.h"
#include "graphic/serialprinterchoice.h"
#include "graphic/tpdfform.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace testsupport;

namespace {

// A printer that passes every call on and lets the test act when a job begins, while the run is on.
class ProbeDevice final : public PrintDevice {
public:
    ProbeDevice(std::unique_ptr<PrintDevice> inner, std::function<void(std::string_view)> onBegin)
        : m_inner(std::move(inner)), m_onBegin(std::move(onBegin)) {}
    int pageWidth() const override { return m_inner->pageWidth(); }
    int pageHeight() const override { return m_inner->pageHeight(); }
    bool beginDocument(std::string_view title) override {
        if (m_onBegin)
            m_onBegin(title);
        return m_inner->beginDocument(title);
    }
    bool newPage() override { return m_inner->newPage(); }
    bool endDocument() override { return m_inner->endDocument(); }
    void abort() noexcept override { m_inner->abort(); }
    Canvas& canvas() override { return m_inner->canvas(); }
    std::string errorText() const override { return m_inner->errorText(); }

private:
    std::unique_ptr<PrintDevice> m_inner;
    std::function<void(std::string_view)> m_onBegin;
};

// The print dialog answered without a person: PDF files into a folder, or cancelled.
class FakeSerialPrinterChoice final : public SerialPrinterChoice {
public:
    SerialPrinter chooseSerialPrinter() override {
        ++asked;
        if (cancel)
            return {};
        return {std::make_unique<ProbeDevice>(PdfPrintDevice::IntoFolder(folder), onBegin), "PDF-Drucker"};
    }
    QString folder;
    bool cancel = false;
    int asked = 0;
    std::function<void(std::string_view)> onBegin;
};

class TPDFFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        main.setSerialPrintHook([this] { pdf.ShowSerialPrint(); });
        printers.folder = QString::fromStdString((folder.path() / "pdf").string());
        QDir().mkpath(printers.folder);
        files.answers.push_back(
            folder.write("netz.h", isybauText(sectionsFrom({"S1", "S2", "S3", "S4", "S5"}))));
        main.FileOpenClick();
        ASSERT_EQ(state.HaltungCount, 5);
    }
    template <typename T> T* child(const char* name) { return pdf.findChild<T*>(QLatin1String(name)); }
    QString errLabel() { return child<QLabel>("ErrLabel")->text(); }
    // Opens "Seriendruck" from the main window and, while the dialog is up, prints von..bis.
    void printRange(const QString& von, const QString& bis) {
        modals.whileShown = [=, this](QDialog&) {
            child<QLineEdit>("VonEdit")->setText(von);
            child<QLineEdit>("BisEdit")->setText(bis);
            child<QPushButton>("SerDruckBtn")->click();
        };
        main.SBtn_pdf_SDClick();
    }
    QStringList written() const { return QDir(printers.folder).entryList(QDir::Files, QDir::Name); }
    std::string pdfPath(const char* name) const { return QDir(printers.folder).filePath(name).toStdString(); }

    TempFolder folder{"tpdfform"};
    MainState state;
    RecordingMessageBoxes boxes;
    FakeFileChooser files;
    FakeModalDialogs modals;
    FakeSerialPrinterChoice printers;
    TMainForm main{state, boxes, files, modals};
    TPDFForm pdf{state, printers, boxes, modals, &main};
};

TEST_F(TPDFFormTest, OpensWithBothNumbersOneAndPrintsSectionOneAtOnce) {
    state.SeriesExportActive = 1;
    modals.whileShown = [this](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Seriendruck"));
        EXPECT_EQ(state.SeriesExportActive, 0);
        EXPECT_EQ(child<QLineEdit>("VonEdit")->text(), QStringLiteral("1"));
        EXPECT_EQ(child<QLineEdit>("BisEdit")->text(), QStringLiteral("1"));
        EXPECT_EQ(child<QLabel>("Std_Label1")->text(), QStringLiteral("Ausgew\u00E4hlter Drucker"));
        EXPECT_EQ(child<QLabel>("Std_Label2")->text(), QStringLiteral("PDF-Drucker"));
        EXPECT_TRUE(child<QPushButton>("SerDruckBtn")->isEnabled());
        EXPECT_TRUE(child<QPushButton>("SerCloseBtn")->isEnabled());
        EXPECT_FALSE(child<QPushButton>("SerCancelBtn")->isEnabled());
        child<QPushButton>("SerDruckBtn")->click();
    };
    main.SBtn_pdf_SDClick();
    ASSERT_EQ(modals.shown.size(), 1u);
    EXPECT_EQ(errLabel(), QStringLiteral("Seriendruck beendet"));
    EXPECT_EQ(written(), QStringList{"1.pdf"});
    if (!pdftools::Available())
        GTEST_SKIP() << "pdfinfo/pdftotext missing";
    EXPECT_EQ(pdftools::PageCount(pdfPath("1.pdf")), 1);
    EXPECT_EQ(pdftools::InfoField(pdfPath("1.pdf"), "Title"), "1.pdf");
    const std::string text = pdftools::TextWithoutBlanks(pdfPath("1.pdf"));
    for (const char* expected : {"BRESKIngenieureGmbHBerlin", "Startschacht", "S1", "E1", "1/1", "netz.h"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected;
}

TEST_F(TPDFFormTest, CancelledPrintDialogShowsNothing) {
    printers.cancel = true;
    main.SBtn_pdf_SDClick();
    EXPECT_EQ(printers.asked, 1);
    EXPECT_TRUE(modals.shown.empty());
}

TEST_F(TPDFFormTest, RunThreeToFiveWritesOneFilePerSectionInOrder) {
    struct Seen {
        std::string title;
        QString label;
        bool closeEnabled, druckEnabled, cancelEnabled;
    };
    std::vector<Seen> seen;
    printers.onBegin = [&](std::string_view title) {
        seen.push_back({std::string(title), errLabel(), child<QPushButton>("SerCloseBtn")->isEnabled(),
                        child<QPushButton>("SerDruckBtn")->isEnabled(),
                        child<QPushButton>("SerCancelBtn")->isEnabled()});
    };
    printRange(QStringLiteral("3"), QStringLiteral("5"));

    ASSERT_EQ(seen.size(), 3u);
    for (std::size_t i = 0; i < seen.size(); ++i) {
        const int n = 3 + static_cast<int>(i);
        EXPECT_EQ(seen[i].title, std::to_string(n) + ".pdf");
        EXPECT_EQ(seen[i].label, QStringLiteral("erstellt wird lfd.Nr. %1").arg(n));
        EXPECT_FALSE(seen[i].closeEnabled);
        EXPECT_FALSE(seen[i].druckEnabled);
        EXPECT_TRUE(seen[i].cancelEnabled);
    }
    EXPECT_EQ(errLabel(), QStringLiteral("Seriendruck beendet"));
    EXPECT_TRUE(child<QPushButton>("SerCloseBtn")->isEnabled());
    EXPECT_FALSE(child<QPushButton>("SerCancelBtn")->isEnabled());
    EXPECT_EQ(written(), (QStringList{"3.pdf", "4.pdf", "5.pdf"}));
    if (!pdftools::Available())
        GTEST_SKIP() << "pdfinfo/pdftotext missing";
    const std::string text = pdftools::TextWithoutBlanks(pdfPath("4.pdf"));
    EXPECT_NE(text.find("S4"), std::string::npos);
    EXPECT_NE(text.find("E4"), std::string::npos);
    EXPECT_EQ(text.find("S3"), std::string::npos);
}

TEST_F(TPDFFormTest, CancelWhileTheSecondOfFivePrintsLeavesTwoFiles) {
    // The click is queued as a window event; only the events handled while the job prints deliver it.
    printers.onBegin = [this](std::string_view title) {
        if (title == "2.pdf")
            QMetaObject::invokeMethod(child<QPushButton>("SerCancelBtn"), &QPushButton::click,
                                      Qt::QueuedConnection);
    };
    printRange(QStringLiteral("1"), QStringLiteral("5"));
    EXPECT_EQ(written(), (QStringList{"1.pdf", "2.pdf"}));
    EXPECT_EQ(errLabel(), QStringLiteral("Seriendruck wurde durch Anwender abgebrochen"));
    EXPECT_TRUE(child<QPushButton>("SerDruckBtn")->isEnabled());
    EXPECT_TRUE(child<QPushButton>("SerCloseBtn")->isEnabled());
    EXPECT_FALSE(child<QPushButton>("SerCancelBtn")->isEnabled());
    if (pdftools::Available()) {
        EXPECT_EQ(pdftools::PageCount(pdfPath("2.pdf")), 1);
    }
}

TEST_F(TPDFFormTest, FailedJobIsReportedAndTheDialogIsIdleAgain) {
    printers.folder = QString::fromStdString((folder.path() / "fehlt").string());
    printRange(QStringLiteral("1"), QStringLiteral("3"));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].caption, "Meldung");
    EXPECT_NE(boxes.shown[0].text.find("kann nicht geschrieben werden"), std::string::npos)
        << boxes.shown[0].text;
    EXPECT_EQ(errLabel(), QStringLiteral("Seriendruck bei lfd.Nr. 1 wegen eines Druckfehlers beendet"));
    EXPECT_TRUE(child<QPushButton>("SerDruckBtn")->isEnabled());
    EXPECT_TRUE(child<QPushButton>("SerCloseBtn")->isEnabled());
    EXPECT_FALSE(pdf.running());
}

TEST_F(TPDFFormTest, InvalidNumberShowsItsMessageWithTheFocusInItsField) {
    struct Case {
        QString von, bis, message;
        const char* field;
    };
    const Case cases[] = {
        {"3a", "5", QStringLiteral("von-Wert ist kein Ganzzahlwert"), "VonEdit"},
        {"", "1", QStringLiteral("von-Wert ist ung\u00FCltig ( >0 und <=5 )"), "VonEdit"},
        {"2", "6", QStringLiteral("bis-Wert ist ung\u00FCltig ( >0  und  >=von-Wert  und  <=5 )"), "BisEdit"},
        {"2", "-1", QStringLiteral("bis-Wert darf nicht negativ sein"), "BisEdit"},
    };
    for (const Case& c : cases) {
        printRange(c.von, c.bis);
        EXPECT_EQ(errLabel(), c.message);
        EXPECT_EQ(pdf.focusWidget(), child<QLineEdit>(c.field)) << c.field;
    }
    EXPECT_TRUE(written().isEmpty());
}

TEST_F(TPDFFormTest, CloseEmptiesTheMessageLine) {
    printRange(QStringLiteral("0"), QStringLiteral("1"));
    EXPECT_FALSE(errLabel().isEmpty());
    child<QPushButton>("SerCloseBtn")->click();
    EXPECT_TRUE(errLabel().isEmpty());
}

TEST(SerialPrinterFor, PdfOutputToAFileWritesEachJobIntoItsFolder) {
    TempFolder folder("serialprinter");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString((folder.path() / "gewaehlt.pdf").string()));
    const SerialPrinter chosen = QtPrinterChoice::SerialPrinterFor(printer);
    ASSERT_TRUE(chosen.device);
    EXPECT_EQ(chosen.name, folder.path().string());
    PrintJobSettings settings;
    for (const char* title : {"7.pdf", "8.pdf"}) {
        settings.jobTitle = title;
        EXPECT_TRUE(PrintSectionGraphic(*chosen.device, HaltungRecord{}, settings).printed());
    }
    EXPECT_EQ(QDir(QString::fromStdString(folder.path().string()))
                  .entryList(QDir::Files | QDir::Hidden, QDir::Name),
              (QStringList{"7.pdf", "8.pdf"}));
}

} // namespace
