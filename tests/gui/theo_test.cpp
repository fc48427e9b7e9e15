#include "app/qtext.h"
#include "dialogs/explanationtext.h"
#include "dialogs/ttheoform.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

#include <gtest/gtest.h>

namespace {

TEST(TheoForm, ShowsEveryLineWithTheHeadingsInBold) {
    TTheoForm theo;
    EXPECT_EQ(theo.windowTitle(), QStringLiteral(" Erl\u00E4uterungen"));
    const auto* text = theo.findChild<QTextEdit*>(QStringLiteral("TheoREdit"));
    ASSERT_NE(text, nullptr);
    EXPECT_TRUE(text->isReadOnly());
    EXPECT_EQ(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

    const auto lines = explanationLines();
    ASSERT_EQ(text->document()->blockCount(), static_cast<int>(lines.size()));
    QTextBlock block = text->document()->begin();
    for (std::size_t i = 0; i < lines.size(); ++i, block = block.next()) {
        SCOPED_TRACE(i + 1);
        EXPECT_EQ(block.text(), toQString(lines[i].text));
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment)
            EXPECT_EQ(fragment.fragment().charFormat().fontWeight() == QFont::Bold, lines[i].bold);
    }
}

TEST(TheoForm, PutsTheCaretAtTheStartEachTimeItIsShown) {
    TTheoForm theo;
    auto* text = theo.findChild<QTextEdit*>(QStringLiteral("TheoREdit"));
    for (int showing = 0; showing < 2; ++showing) {
        text->moveCursor(QTextCursor::End);
        ASSERT_GT(text->textCursor().position(), 0);
        theo.show();
        EXPECT_EQ(text->textCursor().position(), 0);
        EXPECT_EQ(text->palette().color(QPalette::Base), QColor(216, 216, 216));
        theo.hide();
    }
}

} // namespace
