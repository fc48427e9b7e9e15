#include "graphic/printlayout.h"
#include "graphic/printsectiongraphic.h"
#include "recordingprintdevice.h"
#include "testrecords.h"

#include <gtest/gtest.h>

#include <ostream>

#include <limits>
#include <string>
#include <vector>

using testrecords::AddZustand;
using testrecords::Section;

namespace {

PrintJobSettings Settings(std::string title = " TELMORA ") {
    PrintJobSettings s;
    s.jobTitle = std::move(title);
    s.loadedFileName = "c:\\daten\\kanal.h";
    s.date = PrintDate{5, 3, 2007};
    return s;
}

TEST(PrintSectionGraphic, OneJobWithEveryPageFramedAndNumbered) {
    HaltungRecord r = Section(20.0);
    AddZustand(r, 190.0); // three pages on the 1000 x 1000 page
    RecordingPrintDevice device(1000, 1000);
    PrintJobSettings settings = Settings("12.pdf");
    int pagesDone = 0;
    settings.afterPage = [&] { EXPECT_EQ(device.pages().size(), std::size_t(++pagesDone)); };
    const PrintResult result = PrintSectionGraphic(device, r, settings);
    EXPECT_EQ(pagesDone, 3);

    EXPECT_TRUE(result.printed());
    EXPECT_EQ(result.pages, 3);
    EXPECT_EQ(device.events(), (std::vector<std::string>{"begin 12.pdf", "page", "page", "end"}));
    EXPECT_FALSE(device.jobOpen());
    ASSERT_EQ(device.pages().size(), 3u);
    for (int j = 0; j < 3; ++j) {
        SCOPED_TRACE(j);
        const RecordingCanvas& page = device.pages()[static_cast<std::size_t>(j)];
        const std::string number = std::to_string(j + 1) + " / 3";
        EXPECT_NE(page.findText("BRESK Ingenieure GmbH Berlin"), nullptr);
        EXPECT_NE(page.findText("Startschacht"), nullptr);
        EXPECT_NE(page.findText("c:\\daten\\kanal.h"), nullptr);
        EXPECT_NE(page.findText("Entf."), nullptr);
        EXPECT_NE(page.findText(number), nullptr);
        EXPECT_NE(page.findText(" TELMORA "), nullptr);
        EXPECT_NE(page.findText("05.03.2007"), nullptr);
        EXPECT_EQ(page.findText("UR") != nullptr, j == 0);
        // The caption starts from a white fill and a black one-pixel pen.
        const CanvasCall* caption = page.findText("BRESK Ingenieure GmbH Berlin");
        EXPECT_EQ(caption->brush, (Rgb{255, 255, 255}));
        EXPECT_EQ(caption->textColour, (Rgb{0, 0, 0}));
        EXPECT_EQ(caption->penWidth, 1);
    }
}

TEST(PrintSectionGraphic, SectionWithoutObservationsPrintsOnePage) {
    RecordingPrintDevice device(9921, 14031);
    const PrintResult result = PrintSectionGraphic(device, Section(), Settings());
    EXPECT_TRUE(result.printed());
    EXPECT_EQ(device.events(), (std::vector<std::string>{"begin  TELMORA ", "end"}));
    EXPECT_NE(device.pages().at(0).findText("1 / 1"), nullptr);
}

TEST(PrintSectionGraphic, MoreThan999PagesAreRefusedBeforeAnyJob) {
    HaltungRecord r = Section();
    AddZustand(r, 999999.0);
    RecordingPrintDevice device(9921, 14031);
    const PrintResult result = PrintSectionGraphic(device, r, Settings());
    EXPECT_EQ(result.status, PrintStatus::TooManyPages);
    EXPECT_GT(result.pages, MaxPrintPages);
    EXPECT_TRUE(device.events().empty());
    EXPECT_EQ(result.message,
              "Die Haltungsgrafik der lfd.Nr. 12 ben\xF6tigt mehr als 999 Seiten und wird nicht gedruckt.");
}

TEST(PrintSectionGraphic, InfiniteStationIsRefusedAndNaNStationPrints) {
    HaltungRecord inf = Section();
    AddZustand(inf, std::numeric_limits<double>::infinity());
    RecordingPrintDevice device(9921, 14031);
    EXPECT_EQ(PrintSectionGraphic(device, inf, Settings()).status, PrintStatus::TooManyPages);

    HaltungRecord nan = Section(std::numeric_limits<double>::quiet_NaN());
    AddZustand(nan, std::numeric_limits<double>::quiet_NaN());
    AddZustand(nan, -1e300);
    EXPECT_TRUE(PrintSectionGraphic(device, nan, Settings()).printed());
    EXPECT_FALSE(device.jobOpen());
}

TEST(PrintSectionGraphic, PageTooSmallIsRefused) {
    RecordingPrintDevice device(1, 1);
    const PrintResult result = PrintSectionGraphic(device, Section(), Settings());
    EXPECT_EQ(result.status, PrintStatus::PageTooSmall);
    EXPECT_TRUE(device.events().empty());
    EXPECT_FALSE(result.message.empty());
}

struct FailureCase {
    RecordingPrintDevice::Fail when;
    std::vector<std::string> events;
    std::string_view reason;
};

void PrintTo(const FailureCase& c, std::ostream* os) {
    *os << c.reason;
}

class DeviceFailure : public testing::TestWithParam<FailureCase> {};

TEST_P(DeviceFailure, EndsTheJobAndSaysWhy) {
    HaltungRecord r = Section(20.0);
    AddZustand(r, 190.0);
    RecordingPrintDevice device(1000, 1000);
    device.failAt(GetParam().when, 1);
    const PrintResult result = PrintSectionGraphic(device, r, Settings("3.pdf"));
    EXPECT_EQ(result.status, PrintStatus::DeviceFailed);
    EXPECT_FALSE(device.jobOpen());
    EXPECT_EQ(device.events(), GetParam().events);
    EXPECT_EQ(result.message, "Der Druckauftrag \"3.pdf\" konnte nicht ausgef\xFChrt werden.\n" +
                                  std::string(GetParam().reason));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DeviceFailure,
    testing::Values(
        FailureCase{RecordingPrintDevice::Fail::Begin, {"begin 3.pdf", "abort"}, "Drucker nicht bereit"},
        FailureCase{RecordingPrintDevice::Fail::NewPage, {"begin 3.pdf", "page", "abort"}, "Papierstau"},
        FailureCase{RecordingPrintDevice::Fail::End,
                    {"begin 3.pdf", "page", "page", "end", "abort"},
                    "Datei nicht schreibbar"}));

TEST(PrintSectionGraphic, FiveThousandObservationsPrintWithinThePageLimit) {
    HaltungRecord r = Section(100.0);
    for (int i = 0; i < 5000; ++i)
        AddZustand(r, i * 0.01);
    RecordingPrintDevice device(9921, 14031);
    const PrintResult result = PrintSectionGraphic(device, r, Settings());
    ASSERT_TRUE(result.printed());
    // 5000 rows 196 pixels apart (0.4 units, truncated) reach 979804; with one unit more that makes
    // 125 windows of 7856.83 pixels.
    EXPECT_EQ(result.pages, 125);
    int rows = 0;
    for (const RecordingCanvas& page : device.pages())
        for (const CanvasCall& c : page.ofKind(CanvasOp::TextOut))
            rows += c.text == "Langtext der Beobachtung";
    EXPECT_EQ(rows, 5000);
}

} // namespace
