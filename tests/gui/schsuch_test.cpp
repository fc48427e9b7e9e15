#include "mainform_support.h"

#include "app/mainstate.h"
#include "app/recordingmessageboxes.h"
#include "app/tmainform.h"
#include "dialogs/manholesearch.h"
#include "dialogs/tschsuchform.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

#include <gtest/gtest.h>

using namespace testsupport;

namespace {

class SchSuchTest : public ::testing::Test {
protected:
    void SetUp() override { form.setSchSuchForm(&search); }

    void load(const std::vector<std::string>& aNames) {
        files.answers.push_back(folder.write("netz.h", isybauText(sectionsFrom(aNames))));
        form.FileOpenClick();
    }
    // Opens the dialog from the main window and runs one search pass for `text` while it is up.
    void searchFor(const QString& text) {
        modals.whileShown = [text, this](QDialog& dialog) {
            auto* field = dialog.findChild<QLineEdit*>(QStringLiteral("SuchFeld"));
            textWhenShown = field->text();
            field->setText(text);
            dialog.findChild<QPushButton*>(QStringLiteral("SuchBtn"))->click();
        };
        form.SBtn_HSuchClick();
    }
    std::vector<std::string> messages() const {
        std::vector<std::string> texts;
        for (const auto& shown : boxes.shown)
            texts.push_back(shown.text);
        return texts;
    }

    TempFolder folder{"schsuch"};
    MainState state;
    RecordingMessageBoxes boxes;
    FakeFileChooser files;
    FakeModalDialogs modals;
    TMainForm form{state, boxes, files, modals};
    TSchSuchForm search{form, boxes, &form};
    QString textWhenShown;
};

TEST_F(SchSuchTest, FindsPrefixesOfTheListedManholesAndStopsOnCancel) {
    load({"211107", "2302111", "2111F1", "211145A"});
    state.SeriesExportActive = 1;
    boxes.answers = {MessageAnswer::Ok, MessageAnswer::Cancel};
    searchFor(QStringLiteral("2111"));

    ASSERT_EQ(modals.shown.size(), 1u);
    EXPECT_EQ(modals.shown[0], &search);
    EXPECT_EQ(state.SeriesExportActive, 0);
    EXPECT_EQ(messages(), (std::vector<std::string>{std::string(FoundMessage), std::string(FoundMessage)}));
    EXPECT_EQ(form.currentRow(), 2);

    // The next opening starts with an empty field and a pass from the first row.
    boxes.shown.clear();
    boxes.answers = {MessageAnswer::Ok, MessageAnswer::Ok, MessageAnswer::Ok};
    searchFor(QStringLiteral("2111"));
    EXPECT_TRUE(textWhenShown.isEmpty());
    EXPECT_EQ(messages().size(), 4u);
    EXPECT_EQ(messages().back(), NoFurtherMessage);
    EXPECT_EQ(form.currentRow(), 3);
}

TEST_F(SchSuchTest, NothingFoundLeavesTheRowAndSaysSo) {
    load({"211107", "S1"});
    form.setCurrentRow(1);
    searchFor(QStringLiteral("s1"));
    EXPECT_EQ(messages(), (std::vector<std::string>{std::string(NotFoundMessage)}));
    EXPECT_EQ(form.currentRow(), 1);

    boxes.shown.clear();
    searchFor(QString());
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(SchSuchTest, UmlautsTypedByTheUserMatchTheListing) {
    load({"M\374hle1", "Muehle1"});
    searchFor(QStringLiteral("M\u00FChle"));
    EXPECT_EQ(messages().front(), FoundMessage);
    EXPECT_EQ(form.currentRow(), 0);
}

TEST_F(SchSuchTest, TheFoundRowIsScrolledIntoView) {
    std::vector<std::string> names;
    for (int i = 1; i <= 2000; ++i)
        names.push_back("S" + std::to_string(i));
    load(names);
    form.show();
    boxes.answers = {MessageAnswer::Cancel};
    searchFor(QStringLiteral("S1733"));

    auto* grid = form.findChild<QTableView*>(QStringLiteral("StringGrid1"));
    EXPECT_EQ(form.currentRow(), 1732);
    const QRect row = grid->visualRect(grid->model()->index(1732, 0));
    EXPECT_TRUE(grid->viewport()->rect().contains(row.center()));
}

TEST_F(SchSuchTest, CancelClosesTheDialog) {
    search.show();
    search.findChild<QPushButton*>(QStringLiteral("CancelBtn"))->click();
    EXPECT_FALSE(search.isVisible());
    EXPECT_EQ(search.result(), QDialog::Rejected);
    EXPECT_EQ(search.windowTitle(), QStringLiteral("Schacht suchen"));
}

} // namespace
