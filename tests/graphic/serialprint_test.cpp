#include "app/mainstate.h"
#include "graphic/serialprint.h"
#include "record/isybaubuilder.h"
#include "recordingprintdevice.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// The dialog as the run sees it: a log of what it was told, and a hook for the events it handles.
class RecordingView final : public SerialPrintView {
public:
    void setErrLabel(std::string_view text) override {
        errLabel = text;
        labels.emplace_back(text);
    }
    void focusField(SerialPrintField field) override { focus = field; }
    void setRunning(bool r) override { running.push_back(r); }
    void processEvents() override {
        if (onEvents)
            onEvents();
    }
    void jobPrinted(long long number, std::string_view title) override {
        printed.push_back(number);
        titles.emplace_back(title);
        labelWhilePrinting.push_back(errLabel);
    }
    void notice(SerialPrintNotice kind, long long number, std::string_view message) override {
        notices.push_back({kind, number, std::string(message)});
    }

    struct Notice {
        SerialPrintNotice kind;
        long long number;
        std::string message;
    };
    std::string errLabel;
    std::vector<std::string> labels;
    SerialPrintField focus = SerialPrintField::None;
    std::vector<bool> running;
    std::function<void()> onEvents;
    std::vector<long long> printed;
    std::vector<std::string> titles;
    std::vector<std::string> labelWhilePrinting;
    std::vector<Notice> notices;
};

// One section per entry, "S<n>" -> "E<n>", with one observation at the given station.
std::string SectionsText(const std::vector<std::string>& stations) {
    std::string text = "H  ISYBAU-Austauschformat 1996\r\n";
    for (std::size_t i = 0; i < stations.size(); ++i) {
        const std::string n = std::to_string(i + 1);
        text += hi1("12.03.2007") + hi2("100" + n, "Hauptstrasse");
        text += hi3({.a = "S" + n, .e = "E" + n});
        text += hi4({.station = stations[i], .code = "BAB"});
    }
    return text;
}

class SerialPrintTest : public ::testing::Test {
protected:
    void TearDown() override { std::filesystem::remove(m_path); }

    void load(const std::string& text) {
        std::ofstream(m_path, std::ios::binary) << text;
        ASSERT_EQ(state.openFile(m_path, m_path).status, OpenStatus::Loaded);
    }
    void loadSections(int count) { load(SectionsText(std::vector<std::string>(count, "10.00"))); }
    SerialPrintEnd click(std::string_view von, std::string_view bis) {
        return serialPrint.SerDruckBtnClick(von, bis, state, device, view);
    }
    std::vector<std::string> begins() const {
        std::vector<std::string> titles;
        for (const std::string& e : device.events())
            if (e.starts_with("begin "))
                titles.push_back(e.substr(6));
        return titles;
    }

    std::string m_path =
        (std::filesystem::temp_directory_path() / ("telmora_serial_" + std::to_string(::getpid()) + ".h"))
            .string();
    MainState state;
    RecordingPrintDevice device{480, 680};
    RecordingView view;
    SerialPrint serialPrint;
};

struct RangeCase {
    const char* von;
    const char* bis;
    long long haltungCount;
    const char* message;
    SerialPrintField focus;
};

const RangeCase RangeCases[] = {
    {"", "1", 10, "von-Wert ist ung\xFCltig ( >0 und <=10 )", SerialPrintField::Von},
    {"0", "1", 10, "von-Wert ist ung\xFCltig ( >0 und <=10 )", SerialPrintField::Von},
    {"11", "11", 10, "von-Wert ist ung\xFCltig ( >0 und <=10 )", SerialPrintField::Von},
    {"-3", "1", 10, "von-Wert darf nicht negativ sein", SerialPrintField::Von},
    {"3-", "5", 10, "von-Wert ist kein Ganzzahlwert", SerialPrintField::Von},
    {"3a", "5", 10, "von-Wert ist kein Ganzzahlwert", SerialPrintField::Von},
    {" 3", "5", 10, "von-Wert ist kein Ganzzahlwert", SerialPrintField::Von},
    {"000000000003", "5", 10, "von-Wert ist kein Ganzzahlwert", SerialPrintField::Von}, // 12 characters
    {"99999999999", "5", 10, "von-Wert ist ung\xFCltig ( >0 und <=10 )", SerialPrintField::Von},
    {"-0", "5", 10, "von-Wert darf nicht negativ sein", SerialPrintField::Von},
    {"5", "4", 10, "bis-Wert ist ung\xFCltig ( >0  und  >=von-Wert  und  <=10 )", SerialPrintField::Bis},
    {"3", "11", 10, "bis-Wert ist ung\xFCltig ( >0  und  >=von-Wert  und  <=10 )", SerialPrintField::Bis},
    {"3", "", 10, "bis-Wert ist ung\xFCltig ( >0  und  >=von-Wert  und  <=10 )", SerialPrintField::Bis},
    {"3", "-5", 10, "bis-Wert darf nicht negativ sein", SerialPrintField::Bis},
    {"3", "5 ", 10, "bis-Wert ist kein Ganzzahlwert", SerialPrintField::Bis},
    {"3", "000000000005", 10, "bis-Wert ist kein Ganzzahlwert", SerialPrintField::Bis},
    {"0", "99", 10, "von-Wert ist ung\xFCltig ( >0 und <=10 )", SerialPrintField::Von}, // both wrong
    {"1", "1", 0, "von-Wert ist ung\xFCltig ( >0 und <=0 )", SerialPrintField::Von},
    {"3", "5", 10, "", SerialPrintField::None},
    {"00000000003", "00000000010", 10, "", SerialPrintField::None}, // 11 characters
};

TEST(SerialPrintRange, RefusesEachFieldByItsClassWithFocusOnIt) {
    for (const RangeCase& c : RangeCases) {
        const SerialPrintRange range = CheckSerialPrintRange(c.von, c.bis, c.haltungCount);
        EXPECT_EQ(range.message, c.message) << "von '" << c.von << "' bis '" << c.bis << "'";
        EXPECT_EQ(range.field, c.focus) << "von '" << c.von << "' bis '" << c.bis << "'";
    }
}

TEST_F(SerialPrintTest, InvalidNumbersPrintNothingAndLeaveTheDialogIdle) {
    loadSections(10);
    EXPECT_EQ(click("5", "4"), SerialPrintEnd::Invalid);
    EXPECT_EQ(view.labels,
              (std::vector<std::string>{" ", "bis-Wert ist ung\xFCltig ( >0  und  >=von-Wert  und  <=10 )"}));
    EXPECT_EQ(view.focus, SerialPrintField::Bis);
    EXPECT_TRUE(view.running.empty());
    EXPECT_TRUE(device.events().empty());
}

TEST_F(SerialPrintTest, PrintsOneJobPerSectionInOrderWithProgress) {
    loadSections(6);
    EXPECT_EQ(click("3", "5"), SerialPrintEnd::Finished);
    EXPECT_EQ(begins(), (std::vector<std::string>{"3.pdf", "4.pdf", "5.pdf"}));
    EXPECT_EQ(view.printed, (std::vector<long long>{3, 4, 5}));
    EXPECT_EQ(view.labelWhilePrinting,
              (std::vector<std::string>{"erstellt wird lfd.Nr. 3", "erstellt wird lfd.Nr. 4",
                                        "erstellt wird lfd.Nr. 5"}));
    EXPECT_EQ(view.errLabel, "Seriendruck beendet");
    EXPECT_EQ(view.running, (std::vector<bool>{true, false}));
    EXPECT_FALSE(device.jobOpen());
    // The record holds the last section printed, parsed from its own grid row.
    EXPECT_EQ(state.Haltung.aSchacht.view().substr(0, 2), "S5");
}

TEST_F(SerialPrintTest, CancelDuringTheSecondJobFinishesItAndStartsNoOther) {
    loadSections(5);
    // The click on "&Druck abbrechen" arrives with the events handled while the second job prints.
    view.onEvents = [this] {
        if (!device.events().empty() && device.events().back() != "end" && begins().back() == "2.pdf")
            serialPrint.SerCancelBtnClick();
    };
    EXPECT_EQ(click("1", "5"), SerialPrintEnd::Cancelled);
    EXPECT_EQ(view.printed, (std::vector<long long>{1, 2}));
    EXPECT_EQ(begins(), (std::vector<std::string>{"1.pdf", "2.pdf"}));
    EXPECT_EQ(view.errLabel, "Seriendruck wurde durch Anwender abgebrochen");
    EXPECT_EQ(view.running, (std::vector<bool>{true, false}));

    // A new run starts afresh.
    view.onEvents = nullptr;
    EXPECT_EQ(click("5", "5"), SerialPrintEnd::Finished);
    EXPECT_EQ(view.printed.back(), 5);
}

TEST_F(SerialPrintTest, SkipsNumbersWithoutASectionAndSectionsWithTooManyPages) {
    // Section 2 needs far more than 999 pages; the third "HI 2" has no "HI 3", so its number lists no row.
    std::string text = SectionsText({"10.00", "999999.00", "12.00"});
    text += hi1("12.03.2007") + hi2("1004", "Hauptstrasse");
    load(text);
    ASSERT_EQ(state.HaltungCount, 4);
    EXPECT_EQ(click("1", "4"), SerialPrintEnd::Finished);
    EXPECT_EQ(view.printed, (std::vector<long long>{1, 3}));
    EXPECT_EQ(begins(), (std::vector<std::string>{"1.pdf", "3.pdf"}));
    ASSERT_EQ(view.notices.size(), 2u);
    EXPECT_EQ(view.notices[0].kind, SerialPrintNotice::TooManyPages);
    EXPECT_EQ(view.notices[0].number, 2);
    EXPECT_NE(view.notices[0].message.find("mehr als 999 Seiten"), std::string::npos)
        << view.notices[0].message;
    EXPECT_EQ(view.notices[1].kind, SerialPrintNotice::NotFound);
    EXPECT_EQ(view.notices[1].message,
              "Die Haltung mit der lfd.Nr. 4 wurde nicht gefunden und wird nicht gedruckt.");
    EXPECT_EQ(view.errLabel, "Seriendruck beendet");
}

TEST_F(SerialPrintTest, FailedJobEndsTheRunCleanlyAndSaysSo) {
    loadSections(5);
    view.onEvents = [this] {
        if (begins().size() == 1)
            device.failAt(RecordingPrintDevice::Fail::Begin);
    };
    EXPECT_EQ(click("1", "5"), SerialPrintEnd::Failed);
    EXPECT_EQ(view.printed, (std::vector<long long>{1}));
    EXPECT_EQ(begins(), (std::vector<std::string>{"1.pdf", "2.pdf"}));
    EXPECT_FALSE(device.jobOpen());
    ASSERT_EQ(view.notices.size(), 1u);
    EXPECT_EQ(view.notices[0].kind, SerialPrintNotice::JobFailed);
    EXPECT_NE(view.notices[0].message.find("\"2.pdf\""), std::string::npos) << view.notices[0].message;
    EXPECT_EQ(view.errLabel, "Seriendruck bei lfd.Nr. 2 wegen eines Druckfehlers beendet");
    EXPECT_EQ(view.running, (std::vector<bool>{true, false}));
}

} // namespace
