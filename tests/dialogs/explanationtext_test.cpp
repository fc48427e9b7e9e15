#include "dialogs/explanationtext.h"
#include "record/cp1252.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

std::string utf8Line(int number) { return cp1252ToUtf8(explanationLines()[static_cast<std::size_t>(number - 1)].text); }

TEST(ExplanationText, HasNinetyTwoLinesWithHeadingsInBold) {
    const auto lines = explanationLines();
    ASSERT_EQ(lines.size(), 92u);
    const std::set<int> headings = {2, 9, 16, 29, 41, 47, 69, 76, 92};
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        const std::string_view text = lines[i].text;
        SCOPED_TRACE(number);
        EXPECT_EQ(lines[i].bold, headings.count(number) == 1);
        if (lines[i].bold) {
            // A heading: two blanks, then the words.
            ASSERT_GT(text.size(), 2u);
            EXPECT_EQ(text.substr(0, 2), "  ");
            EXPECT_NE(text[2], ' ');
        } else if (text.size() > 2) {
            // Body text: three blanks before the words, four on line 67.
            const std::size_t indent = number == 67 ? 4 : 3;
            EXPECT_EQ(text.substr(0, indent), std::string(indent, ' '));
            EXPECT_NE(text[indent], ' ');
        }
    }
    EXPECT_EQ(lines[0].text, "  ");
}

TEST(ExplanationText, KeepsUmlautsAndTrailingBlanks) {
    const struct {
        int number;
        const char* utf8;
    } cases[] = {
        {2, "  Erläuterungen zum Programm TELMORA"},
        {5, "   keiner ausführlichen Bedienungsanleitung. Einige wenige Punkte möchte ich"},
        {12, "   Beim Öffnen einer Datei werden ein paar typische Merkmale von"},
        {14, "   nicht vorhanden erscheint eine entsprechende Meldung. "},
        {25, "   - Die Fließrichtung durch ein blaues Dreieck"},
        {37, "   Eingabe '2111' findet Schacht 211107, 2111F1, 211145A ."},
        {41, "  Haltungsgrafik drucken "},
        {62, "   Zu finden bei Adobe Distiller Menüpunkt  Datei -> Grundeinstellungen"},
        {67, "    - Details - Anschluss hinzufügen ..."},
        {92, "  Ende der Erläuterungen"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(utf8Line(c.number), c.utf8) << "line " << c.number;
    EXPECT_TRUE(explanationLines()[2].text.empty());
}

} // namespace
