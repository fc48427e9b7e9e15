#include "record/codetable.h"

#include <gtest/gtest.h>

namespace {

TEST(CodeTable, HoldsTheRowsInTheirFixedLayout) {
    int sch = 0, pro = 0, mat = 0;
    for (const CodeTableRow& row : CodeTable) {
        sch += row.group == "SCH";
        pro += row.group == "PRO";
        mat += row.group == "MAT";
        const std::string line = row.line();
        ASSERT_EQ(line.size(), 70u);
        EXPECT_EQ(line.substr(0, 3), row.group);
        EXPECT_EQ(line.substr(10, row.code.size()), row.code);
        EXPECT_EQ(line.substr(18, row.text.size()), row.text);
    }
    EXPECT_EQ(sch, 96);
    EXPECT_EQ(pro, 5);
    EXPECT_EQ(mat, 23);
    EXPECT_EQ(CodeTable[55].line().substr(0, 18), "SCH z a10 SPM     ");
    EXPECT_EQ(CodeTable[55].line().substr(63), "    %  ");
    // the catalogue's own typos stay
    EXPECT_EQ(CodeTable[58].text, "Grundwasserinfiitration");
    EXPECT_EQ(CodeTable[59].text, "Reparaturstelte, nicht fachger.ausgef.");
}

struct ObservationCase {
    const char* kuerzel;
    const char* text; // nullptr: no match
    const char* unit1;
    const char* unit2;
};

TEST(CodeTable, ObservationLookupTakesTheFirstRowWhoseCodeBeginsTheField) {
    const ObservationCase cases[] = {
        {"HDS ", "Sedimentation, Sand", "%  ", "%  "},
        {"K   ", "Kr\374mmer, Bogen", "   ", "   "},
        {"BA  ", "Fehl.Rohrst\374ck am Schacht/Bauwerksanschl.", "   ", "cm2"},
        {"HLX ", "Haltungsl\344nge", "m  ", "   "},
        {"GEN ", "Gegenseite erreicht", "   ", "   "}, // the shorter GE stands earlier
        {"II  ", "\334bern. freier Texte in DB", "   ", "   "},
        {"ZZ  ", nullptr, "", ""},
        {"H", nullptr, "", ""}, // shorter than every H code
        {"", nullptr, "", ""},
    };
    for (const auto& c : cases) {
        const CodeTableRow* row = lookupObservationCode(c.kuerzel);
        if (!c.text) {
            EXPECT_EQ(row, nullptr) << c.kuerzel;
            continue;
        }
        ASSERT_NE(row, nullptr) << c.kuerzel;
        EXPECT_EQ(row->text, c.text);
        EXPECT_EQ(row->paddedText().size(), 45u);
        EXPECT_EQ(row->paddedUnit1(), c.unit1);
        EXPECT_EQ(row->paddedUnit2(), c.unit2);
    }
}

TEST(CodeTable, MaterialAndProfileLookups) {
    struct Case {
        const char* code;
        const char* text;
    };
    const Case materials[] = {{"MIX ", "Unterschiedl.Werkstoffe"},
                              {"pvcu", "Polyvinylchlorid hart"},
                              {"PVC ", "Polyvinylchlorid"},
                              {"stz ", "Steinzeug"},
                              {"stz", "Steinzeug"},
                              {"XYZ ", nullptr}};
    for (const auto& c : materials) {
        const CodeTableRow* row = lookupMaterial(c.code);
        if (c.text) {
            ASSERT_NE(row, nullptr) << c.code;
            EXPECT_EQ(row->text, c.text);
        } else {
            EXPECT_EQ(row, nullptr) << c.code;
        }
    }
    ASSERT_NE(lookupProfile("1"), nullptr);
    EXPECT_EQ(lookupProfile("1")->text, "Eiprofil (H/B = 3/2)");
    EXPECT_EQ(lookupProfile("0x")->text, "Kreisprofil");
    EXPECT_EQ(lookupProfile("7"), nullptr);
    EXPECT_EQ(lookupProfile(""), nullptr);
}

} // namespace
