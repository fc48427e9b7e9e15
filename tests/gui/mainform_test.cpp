#include "mainform_support.h"

#include "app/mainstate.h"
#include "app/qtext.h"
#include "app/recordingmessageboxes.h"
#include "app/tmainform.h"
#include "dialogs/taboutform.h"
#include "dialogs/ttheoform.h"
#include "record/listing.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QStyle>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace testsupport;

namespace {

class MainFormTest : public ::testing::Test {
protected:
    QTableView* grid() const { return form.findChild<QTableView*>(QStringLiteral("StringGrid1")); }
    int rows() const { return grid()->model()->rowCount(); }
    QString cell(int row) const { return grid()->model()->index(row, 0).data().toString(); }
    QString caption() const { return form.windowTitle(); }

    // A double click as the user makes it: press and release, then the second press.
    void doubleClickRow(int row) {
        const QPoint at = grid()->visualRect(grid()->model()->index(row, 0)).center();
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(grid()->viewport(), Qt::LeftButton, {}, at);
    }

    // Chooses a file in the open dialog as the user does.
    void choose(const QString& path) {
        files.answers.push_back(path);
        form.FileOpenClick();
    }

    // The state of a speed button or a menu item, by its name.
    bool commandEnabled(const QString& name) const {
        if (const auto* button = form.findChild<QToolButton*>(name))
            return button->isEnabled();
        if (const auto* action = form.findChild<QAction*>(name))
            return action->isEnabled();
        ADD_FAILURE() << "no command " << name.toStdString();
        return false;
    }
    void trigger(const QString& name) {
        if (auto* button = form.findChild<QToolButton*>(name))
            button->click();
        else if (auto* action = form.findChild<QAction*>(name))
            action->trigger();
        else
            ADD_FAILURE() << "no command " << name.toStdString();
    }

    // Three sections with the manholes A1..A3.
    QString writeThreeSections(const char* name = "netz.h") const {
        return folder.write(name, isybauText(sectionsFrom({"A1", "A2", "A3"})));
    }

    TempFolder folder{"mainform"};
    MainState state;
    RecordingMessageBoxes boxes;
    FakeFileChooser files;
    FakeModalDialogs modals;
    TMainForm form{state, boxes, files, modals};
};

const struct {
    const char* name;
    bool enabledBeforeLoad;
} Commands[] = {
    {"SBtn_HGrafik", false}, {"SBtn_HSuch", false},      {"SBtn_pdf_SD", false}, {"SBtn_ExcelExport", false},
    {"HGraf_Menu", false},   {"SSch_Menu", false},       {"PDFF_Menu", false},   {"EExcel_Menu", false},
    {"FileOpenBtn", true},   {"FileOpen", true},         {"FileExitBtn", true},  {"FileExit", true},
    {"SerienExportSBtn", true}, {"SExcel_Menu", true},   {"AboutBtn", true},     {"HelpInfo", true},
    {"SBtn_Theo", true},     {"Erluterungen1", true},
};

TEST_F(MainFormTest, StartsEmptyWithTheSectionCommandsDisabled) {
    EXPECT_EQ(caption(), QStringLiteral(" TELMORA "));
    ASSERT_EQ(rows(), 20);
    for (int r = 0; r < rows(); ++r)
        EXPECT_TRUE(cell(r).isEmpty()) << r;
    for (const auto& c : Commands)
        EXPECT_EQ(commandEnabled(QString::fromLatin1(c.name)), c.enabledBeforeLoad) << c.name;
    EXPECT_EQ(form.minimumSize(), QSize(780, 700));
    EXPECT_EQ(form.maximumSize(), QSize(780, 700));
    EXPECT_EQ(form.pos(), QPoint(100, 8));
}

TEST_F(MainFormTest, HeaderStandsOverTheGridInTheSameFixedPitchFont) {
    form.show();
    const auto* header = form.findChild<QLabel*>(QStringLiteral("L_GridStr"));
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header->text(), toQString(ListingHeader));
    EXPECT_EQ(header->font(), grid()->font());
    EXPECT_TRUE(QFontInfo(grid()->font()).fixedPitch());
    const QFontMetrics metrics(grid()->font());
    EXPECT_EQ(metrics.horizontalAdvance(QLatin1Char('i')), metrics.horizontalAdvance(QLatin1Char('W')));
    EXPECT_EQ(metrics.horizontalAdvance(QChar(0xC4)), metrics.horizontalAdvance(QLatin1Char('W')));

    EXPECT_EQ(grid()->rowHeight(0), 22);
    EXPECT_EQ(grid()->columnWidth(0), 730);
    EXPECT_EQ(grid()->selectionBehavior(), QAbstractItemView::SelectRows);
    // The header's first character stands where the grid draws the first character of a row.
    const int textMargin = grid()->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid()) + 1;
    const QPoint cellText = grid()->viewport()->mapTo(&form, grid()->visualRect(grid()->model()->index(0, 0)).topLeft());
    EXPECT_EQ(header->mapTo(&form, QPoint(0, 0)).x(), cellText.x() + textMargin);
}

TEST_F(MainFormTest, LoadsAnAcceptedFileAndListsItsSections) {
    const QString path = writeThreeSections();
    choose(path);

    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(caption(), QStringLiteral(" TELMORA      ") + path);
    ASSERT_EQ(rows(), 3);
    for (int r = 0; r < 3; ++r) {
        EXPECT_EQ(cell(r), toQString(state.gridCell(r)));
        EXPECT_EQ(cell(r).size(), 105);
        EXPECT_TRUE(cell(r).startsWith(QString::number(r + 1) + QLatin1Char(' ')));
    }
    // The DOS letters of the file are shown as the letters they are.
    EXPECT_EQ(cell(0).mid(16, 30).trimmed(), QStringLiteral("Lindenstra\u00DFe, K\u00F6ln"));
    EXPECT_EQ(cell(1).mid(47, 10).trimmed(), QStringLiteral("A2"));
    for (const auto& c : Commands)
        EXPECT_TRUE(commandEnabled(QString::fromLatin1(c.name))) << c.name;
    EXPECT_EQ(form.currentRow(), 0);
}

struct RejectedCase {
    const char* name;
    const char* bytes; // nullptr: the file does not exist
    bool notIsybau;
};

class MainFormRejects : public MainFormTest, public ::testing::WithParamInterface<RejectedCase> {};

TEST_P(MainFormRejects, AFileThatIsNotLoadedChangesNothing) {
    const RejectedCase& c = GetParam();
    const QString bad = c.bytes ? folder.write("bad.h", c.bytes) : QString::fromStdString((folder.path() / "gone.h").string());

    // Before any file: the window stays empty.
    choose(bad);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].caption, " Meldung");
    EXPECT_EQ(boxes.shown[0].buttons, MessageButtons::Ok);
    if (c.notIsybau)
        EXPECT_EQ(boxes.shown[0].text, NotIsybauMessage);
    else
        EXPECT_FALSE(boxes.shown[0].text.empty());
    EXPECT_EQ(caption(), QStringLiteral(" TELMORA "));
    EXPECT_EQ(rows(), 20);
    EXPECT_FALSE(commandEnabled(QStringLiteral("SBtn_HGrafik")));

    // After a file: its listing, caption and name stay.
    const QString good = writeThreeSections();
    choose(good);
    form.setCurrentRow(2);
    const QString loadedCaption = caption();
    const std::string loadedName = state.LoadedFileName;
    const QString lastRow = cell(2);
    choose(bad);
    EXPECT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(caption(), loadedCaption);
    EXPECT_EQ(state.LoadedFileName, loadedName);
    ASSERT_EQ(rows(), 3);
    EXPECT_EQ(cell(2), lastRow);
    EXPECT_EQ(form.currentRow(), 2);
    EXPECT_TRUE(commandEnabled(QStringLiteral("SBtn_HGrafik")));
    EXPECT_EQ(state.parseGridRow(2), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Files, MainFormRejects,
    ::testing::Values(RejectedCase{"OtherFirstLine", "X  Text\r\nHI 210010\r\n", true},
                      RejectedCase{"HeaderWithoutBlank", "HI 210010\r\n", true},
                      RejectedCase{"NoSection", "H  ISYBAU\r\nHI 112.03.2007\r\n", true},
                      RejectedCase{"EmptyFile", "", true}, RejectedCase{"Missing", nullptr, false}),
    [](const ::testing::TestParamInfo<RejectedCase>& info) { return std::string(info.param.name); });

TEST_F(MainFormTest, CancelledChoiceChangesNothing) {
    const QString path = writeThreeSections();
    choose(path);
    const QString loadedCaption = caption();
    form.FileOpenClick(); // no answer queued: the user cancels
    EXPECT_EQ(caption(), loadedCaption);
    EXPECT_EQ(rows(), 3);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(MainFormTest, ShowsThePathWithLettersAToZLowerCasedButOpensItAsChosen) {
    const QString path = folder.write(std::filesystem::u8path(u8"Daten/NETZ-\u00C4.H"), isybauText(sectionsFrom({"A1"})));
    choose(path);

    QString lower = path;
    for (QChar& c : lower)
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = c.toLower();
    ASSERT_TRUE(lower.endsWith(QStringLiteral("/daten/netz-\u00C4.h")));
    EXPECT_EQ(caption(), QStringLiteral(" TELMORA      ") + lower);
    EXPECT_EQ(toQString(state.LoadedFileName), lower);
    EXPECT_EQ(state.LoadedFilePath, QFile::encodeName(path).toStdString());

    // The dialog offers the file again where it really is.
    form.FileOpenClick();
    ASSERT_EQ(files.offered.size(), 2u);
    EXPECT_TRUE(files.offered[0].isEmpty());
    EXPECT_EQ(files.offered[1], path);
}

TEST_F(MainFormTest, ListsEverySectionOfALargeFile) {
    QAbstractItemModelTester tester(grid()->model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    std::vector<std::string> names;
    for (int i = 1; i <= 1200; ++i)
        names.push_back("S" + std::to_string(i));
    choose(folder.write("gross.h", isybauText(sectionsFrom(names))));

    ASSERT_EQ(rows(), 1200);
    EXPECT_TRUE(cell(998).startsWith(QStringLiteral("999 ")));
    EXPECT_TRUE(cell(1199).startsWith(QStringLiteral("1200")));
    EXPECT_EQ(cell(1199).mid(47, 10).trimmed(), QStringLiteral("S1200"));

    form.setCurrentRow(1099);
    form.StringGrid1DblClick();
    EXPECT_EQ(state.HaltungFound, 1);
    EXPECT_EQ(toQString(state.Haltung.aSchacht.view()).trimmed(), QStringLiteral("S1100"));
}

TEST_F(MainFormTest, ANewFileReplacesTheWholeGrid) {
    choose(folder.write("fuenf.h", isybauText(sectionsFrom({"A1", "A2", "A3", "A4", "A5"}))));
    ASSERT_EQ(rows(), 5);
    // Three "HI 2" lines, but the third section has no "HI 3" line: its row stays empty.
    std::string text = isybauText(sectionsFrom({"N1", "N2"}));
    text += isybauLine("HI 2", {{5, "99999"}, {20, "Ohne Schacht"}});
    choose(folder.write("drei.h", text));

    ASSERT_EQ(rows(), 3);
    EXPECT_EQ(cell(0).mid(47, 10).trimmed(), QStringLiteral("N1"));
    EXPECT_EQ(cell(1).mid(47, 10).trimmed(), QStringLiteral("N2"));
    EXPECT_TRUE(cell(2).isEmpty());
}

TEST_F(MainFormTest, DoubleClickBeforeAnyFileDoesNothing) {
    int shown = 0;
    form.setShowSectionGraphicHook([&shown] { ++shown; });
    form.show();
    doubleClickRow(3);
    form.StringGrid1DblClick();
    EXPECT_EQ(shown, 0);
    EXPECT_EQ(state.HaltungFound, 0);
}

TEST_F(MainFormTest, EveryWayToTheGraphicParsesTheCurrentRowAndShowsIt) {
    int shown = 0;
    form.setShowSectionGraphicHook([&shown] { ++shown; });
    form.show();
    choose(writeThreeSections());

    const struct {
        const char* way;
        int row;
    } ways[] = {{"double click", 1}, {"SBtn_HGrafik", 2}, {"HGraf_Menu", 0}};
    for (const auto& w : ways) {
        SCOPED_TRACE(w.way);
        state.SeriesExportActive = 1;
        const QString way = QString::fromLatin1(w.way);
        if (way == QLatin1String("double click")) {
            doubleClickRow(w.row);
        } else {
            form.setCurrentRow(w.row);
            trigger(way);
        }
        EXPECT_EQ(form.currentRow(), w.row);
        EXPECT_EQ(state.SeriesExportActive, 0);
        EXPECT_EQ(state.HaltungFound, 1);
        EXPECT_EQ(toQString(state.Haltung.aSchacht.view()).trimmed(), QStringLiteral("A%1").arg(w.row + 1));
    }
    EXPECT_EQ(shown, 3);
}

TEST_F(MainFormTest, CommandsOfOtherWindowsRunTheirHooks) {
    choose(writeThreeSections());
    // Without hooks the commands do nothing.
    for (const char* name : {"SBtn_pdf_SD", "PDFF_Menu", "SBtn_ExcelExport", "EExcel_Menu", "SerienExportSBtn",
                             "SExcel_Menu"})
        trigger(QString::fromLatin1(name));

    int serialPrint = 0, excelExport = 0, seriesExport = 0;
    form.setSerialPrintHook([&] { ++serialPrint; });
    form.setExcelExportHook([&] { ++excelExport; });
    form.setSeriesExportHook([&] { ++seriesExport; });
    const struct {
        const char* name;
        const int* counter;
    } commands[] = {{"SBtn_pdf_SD", &serialPrint},      {"PDFF_Menu", &serialPrint},
                    {"SBtn_ExcelExport", &excelExport}, {"EExcel_Menu", &excelExport},
                    {"SerienExportSBtn", &seriesExport}, {"SExcel_Menu", &seriesExport}};
    for (const auto& c : commands) {
        const int before = *c.counter;
        trigger(QString::fromLatin1(c.name));
        EXPECT_EQ(*c.counter, before + 1) << c.name;
    }
    EXPECT_EQ(serialPrint + excelExport + seriesExport, 6);
}

TEST_F(MainFormTest, ClosingTheWindowRunsTheCloseHookButExitDoesNot) {
    int closed = 0, exited = 0;
    form.setCloseHook([&closed] { ++closed; });
    form.setExitHook([&exited] { ++exited; });
    trigger(QStringLiteral("FileExitBtn"));
    trigger(QStringLiteral("FileExit"));
    EXPECT_EQ(exited, 2);
    EXPECT_EQ(closed, 0);

    int ended = 0;
    QObject::connect(&form, &TMainForm::formClosed, [&ended] { ++ended; });
    form.show();
    EXPECT_TRUE(form.close());
    EXPECT_EQ(closed, 1);
    EXPECT_EQ(ended, 1);
}

TEST_F(MainFormTest, AboutAndExplanationsAreShownModally) {
    TAboutForm about("", &form);
    TTheoForm theo(&form);
    form.setAboutForm(&about);
    form.setTheoForm(&theo);
    const struct {
        const char* name;
        QDialog* dialog;
    } commands[] = {{"AboutBtn", &about}, {"HelpInfo", &about}, {"SBtn_Theo", &theo}, {"Erluterungen1", &theo}};
    for (const auto& c : commands) {
        modals.shown.clear();
        trigger(QString::fromLatin1(c.name));
        ASSERT_EQ(modals.shown.size(), 1u) << c.name;
        EXPECT_EQ(modals.shown[0], c.dialog) << c.name;
    }
}

TEST_F(MainFormTest, AFileNamedAtStartOpensAsIfChosen) {
    writeThreeSections("start.h");
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(QString::fromStdString(folder.path().string())));
    form.openFile(QStringLiteral("start.h"));
    QDir::setCurrent(before);

    const QString full = QString::fromStdString((folder.path() / "start.h").string());
    EXPECT_EQ(caption(), QStringLiteral(" TELMORA      ") + full);
    EXPECT_EQ(rows(), 3);
    EXPECT_TRUE(commandEnabled(QStringLiteral("SBtn_HSuch")));
    form.FileOpenClick();
    EXPECT_EQ(files.offered.back(), full);
}

} // namespace
