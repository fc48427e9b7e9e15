#include "app/recordingmessageboxes.h"
#include "graphic/pdfprintdevice.h"
#include "graphic/printerchoice.h"
#include "graphic/testrecords.h"
#include "graphic/tgrafikhuform.h"
#include "print_pdftools.h"

#include <QDir>
#include <QImage>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <limits>

using testrecords::AddZustand;
using testrecords::Section;

namespace {

// Answers the print dialog without a person: cancel (no device) or the device it is given.
class ScriptedPrinterChoice final : public PrinterChoice {
public:
    std::function<std::unique_ptr<PrintDevice>()> answer = [] { return nullptr; };
    int asked = 0;
    std::unique_ptr<PrintDevice> choosePrinter() override {
        ++asked;
        return answer();
    }
};

class GraphicWindow : public testing::Test {
protected:
    QImage Grab() { return m_form.grab().toImage(); }
    static QColor At(const QImage& image, int x, int y) { return image.pixelColor(x, y); }

    HaltungRecord m_record = Section(20.0);
    std::string m_fileName = "c:\\daten\\kanal.h";
    ScriptedPrinterChoice m_dialog;
    RecordingMessageBoxes m_messages;
    TGrafikHUForm m_form{m_record, m_fileName, m_dialog, m_messages};
};

TEST_F(GraphicWindow, ShowsTheSectionAndGrabsIt) {
    AddZustand(m_record, 1.0);
    AddZustand(m_record, 2.0, "IAB ");
    AddZustand(m_record, 13.0);
    testrecords::SetStrecke(m_record, 0, 13.0, 16.0);
    m_form.ShowSection();
    EXPECT_TRUE(m_form.isVisible());
    EXPECT_EQ(m_form.windowTitle(), QStringLiteral("  Haltungsgrafik"));
    EXPECT_EQ(m_form.size(), QSize(790, 700));
    EXPECT_EQ(m_form.minimumSize(), m_form.maximumSize());
    EXPECT_EQ(m_form.druckButton().text(), QStringLiteral("&Drucken"));
    EXPECT_EQ(m_form.closeButton().text(), QStringLiteral("&Schlie\u00DFen"));

    const QImage image = Grab();
    ASSERT_FALSE(image.isNull());
    ASSERT_EQ(image.size(), QSize(790, 700));
    // TELMORA_SCREENSHOT=file.png keeps the picture for a look at it.
    if (const QString shot = qEnvironmentVariable("TELMORA_SCREENSHOT"); !shot.isEmpty())
        image.save(shot);
    EXPECT_EQ(At(image, 775, 300), QColor(216, 216, 216)); // client colour right of the frame
    EXPECT_EQ(At(image, 700, 140), QColor(255, 255, 255)); // frame interior
    EXPECT_EQ(At(image, 740, 120), QColor(192, 192, 192)); // header box
    EXPECT_EQ(At(image, 70, 260), QColor(128, 128, 192));  // pipe
    EXPECT_EQ(At(image, 10, 200), QColor(255, 255, 255));  // raised bevel: light left edge
    EXPECT_EQ(At(image, 759, 200), QColor(128, 128, 128)); // and dark right edge
    EXPECT_EQ(At(image, 400, 269), QColor(128, 128, 128)); // and dark lower edge
    EXPECT_EQ(m_form.BevelHU(), (FrameBounds{10, 50, 750, 220}));
    EXPECT_FALSE(m_form.verticalScrollBar().isVisible());
}

TEST_F(GraphicWindow, RepaintsTheRecordsCurrentSectionAtOnce) {
    m_form.ShowSection();
    EXPECT_EQ(At(Grab(), 70, 230), QColor(128, 128, 192));
    m_record.untLaenge = 40.0; // the main window refilled the record
    AddZustand(m_record, 6.0); // a row line at 230 crosses the pipe
    m_form.ShowSection();
    EXPECT_EQ(At(Grab(), 70, 230), QColor(0, 0, 0));
    EXPECT_EQ(m_form.BevelHU().height, 320);
}

TEST_F(GraphicWindow, ScrollsWhenTheDrawingIsTaller) {
    m_record.untLaenge = 300.0; // frame 1620 pixels high
    m_form.ShowSection();
    QScrollBar& bar = m_form.verticalScrollBar();
    EXPECT_TRUE(bar.isVisible());
    // The end manhole's name below the frame (at 1720, 15 pixels high) sets the range.
    EXPECT_EQ(bar.maximum(), 1735 + 10 - 700);
    bar.setValue(bar.maximum());
    const QImage image = Grab();
    EXPECT_EQ(m_form.BevelHU().top, 50 - 1045);
    EXPECT_EQ(At(image, 400, 624), QColor(128, 128, 128)); // the frame's lower edge came into view
    EXPECT_EQ(At(image, 400, 630), QColor(216, 216, 216));
    EXPECT_EQ(At(image, 70, 660), QColor(128, 128, 192)); // and the end manhole

    m_record.untLaenge = 20.0; // a short section after a long one: no scrolling left
    m_form.ShowSection();
    Grab();
    EXPECT_EQ(bar.maximum(), 0);
    EXPECT_FALSE(bar.isVisible());
    EXPECT_EQ(m_form.BevelHU().top, 50);
}

TEST_F(GraphicWindow, ExtremeRecordPaintsWithoutError) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    m_record.untLaenge = 1e300;
    for (double s : {1e300, -1e300, nan, 3.0})
        AddZustand(m_record, s);
    for (int slot = 0; slot < StreckenSlots; ++slot)
        testrecords::SetStrecke(m_record, slot, -1e300 * slot, 1e300);
    for (int i = 0; i < 5000; ++i)
        AddZustand(m_record, 4.0);
    m_form.ShowSection();
    QScrollBar& bar = m_form.verticalScrollBar();
    EXPECT_GT(bar.maximum(), 0);
    for (int value : {0, bar.maximum() / 2, bar.maximum()}) {
        bar.setValue(value);
        EXPECT_FALSE(Grab().isNull());
    }
}

TEST_F(GraphicWindow, CancelledPrintDialogPrintsNothing) {
    m_form.DruckBtnClick();
    EXPECT_EQ(m_dialog.asked, 1);
    EXPECT_TRUE(m_messages.shown.empty());
}

TEST_F(GraphicWindow, ConfirmedPrintDialogPrintsUnderTheApplicationTitle) {
    if (!pdftools::Available())
        GTEST_SKIP() << "pdfinfo/pdftotext missing";
    QTemporaryDir dir;
    m_dialog.answer = [&] { return PdfPrintDevice::IntoFolder(dir.path()); };
    AddZustand(m_record, 3.0);
    m_form.druckButton().click();
    EXPECT_TRUE(m_messages.shown.empty());
    const QStringList files = QDir(dir.path()).entryList(QDir::Files);
    ASSERT_EQ(files, QStringList{"TELMORA.pdf"});
    const std::string pdf = QDir(dir.path()).filePath(files[0]).toStdString();
    EXPECT_EQ(pdftools::InfoField(pdf, "Title"), "TELMORA");
    const std::string text = pdftools::TextWithoutBlanks(pdf);
    EXPECT_NE(text.find("c:\\daten\\kanal.h"), std::string::npos);
    EXPECT_NE(text.find("1/1"), std::string::npos);
}

TEST_F(GraphicWindow, PrintFailuresAreReportedInTheProgramsWords) {
    QTemporaryDir dir;
    m_dialog.answer = [&] { return PdfPrintDevice::IntoFolder(QDir(dir.path()).filePath("fehlt")); };
    m_form.DruckBtnClick();
    ASSERT_EQ(m_messages.shown.size(), 1u);
    EXPECT_EQ(m_messages.shown[0].caption, "Meldung");
    EXPECT_EQ(m_messages.shown[0].text.rfind(
                  "Der Druckauftrag \" TELMORA \" konnte nicht ausgef\xFChrt werden.", 0),
              0u);

    AddZustand(m_record, 999999.0);
    m_dialog.answer = [&] { return PdfPrintDevice::IntoFolder(dir.path()); };
    m_form.DruckBtnClick();
    ASSERT_EQ(m_messages.shown.size(), 2u);
    EXPECT_EQ(m_messages.shown[1].text,
              "Die Haltungsgrafik der lfd.Nr. 12 ben\xF6tigt mehr als 999 Seiten und wird nicht gedruckt.");
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

TEST_F(GraphicWindow, CloseHidesTheWindow) {
    m_form.ShowSection();
    m_form.closeButton().click();
    EXPECT_FALSE(m_form.isVisible());
    m_form.ShowSection();
    EXPECT_TRUE(m_form.isVisible());
}

} // namespace
