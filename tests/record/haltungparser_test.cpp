#include "record/haltungparser.h"

#include "record/isybaubuilder.h"
#include "record/listing.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// Parses section `number` of the text through its listing row, with the index and by plain scan, and
// checks that both agree.
int parse(const std::string& text, long long number, HaltungRecord& record) {
    const Listing listing = buildListing(text);
    const std::string_view row =
        static_cast<std::size_t>(number) <= listing.size() ? listing.row(static_cast<std::size_t>(number - 1)) : "";
    const ParseRequest request = ParseRequest::forRow(row, number);
    HaltungRecord scanned = record;
    const int foundByScan = parseHaltungByScan(text, request, scanned);
    const int found = HaltungParser(std::make_shared<std::string>(text)).ParseHaltung(request, record);
    EXPECT_EQ(found, foundByScan);
    EXPECT_TRUE(record == scanned);
    return found;
}

std::string oneSection(const std::vector<Hi4>& observations, Hi3 header = {.a = "S101", .e = "S102"}) {
    std::string text = isybauHeader() + hi1("01.02.2003") + hi2("H1", "Weg") + hi3(header);
    for (const Hi4& o : observations)
        text += hi4(o);
    return text + hi1("02.02.2003");
}

TEST(ParseHaltung, ReadsTheHeaderFieldsOfTheSection) {
    HaltungRecord r;
    const std::string text = isybauHeader() + hi1("01.02.2003") + hi2("B1", "Erste") + hi3({.a = "S1", .e = "S2"}) +
                             hi2("B2", "Zweite Stra\337e") +
                             hi3({.a = "S101", .e = "S102", .profile = "0", .height = "300", .width = "", .material = "stz",
                                  .direction = "u", .length = "45.3", .cassette = "7 1"});
    ASSERT_EQ(parse(text, 2, r), 1);
    EXPECT_EQ(r.lfdNr.view(), "2   ");
    EXPECT_EQ(r.untDatum.view(), "01.02.2003");
    EXPECT_EQ(r.haltungsBez.view(), "B2        ");
    EXPECT_EQ(r.strassenname.view(), "Zweite Stra\337e");
    EXPECT_EQ(r.aSchacht.view(), "S101      ");
    EXPECT_EQ(r.untLaengeText.view(), "45.3m");
    EXPECT_EQ(r.untLaenge, 45.3);
    EXPECT_EQ(r.untRichtung.view(), "u");
    EXPECT_TRUE(r.againstFlow());
    EXPECT_EQ(r.material.view(), "stz  Steinzeug");
    EXPECT_EQ(r.profilart.view(), "0  Kreisprofil");
    EXPECT_EQ(r.profilHoehe.view(), "300");
    EXPECT_EQ(r.profilBreite.view(), "300");
    EXPECT_EQ(r.videokassette.view(), "71");
    EXPECT_EQ(r.zustandCount, 0);
    EXPECT_EQ(r.lastLabelPos, -15);
    EXPECT_EQ(r.haltungsLaenge.view(), "");
}

TEST(ParseHaltung, UnknownMaterialAndProfileStayAsTheirCodes) {
    HaltungRecord r;
    ASSERT_EQ(parse(oneSection({}, {.a = "S101", .e = "S102", .profile = "7", .width = "", .material = "XY"}), 1, r), 1);
    EXPECT_EQ(r.material.view(), "XY  ");
    EXPECT_EQ(r.profilart.view(), "7");
    EXPECT_EQ(r.profilBreite.view(), "");
}

struct ObservationCase {
    const char* name;
    Hi4 line;
    const char* kuerzel;
    const char* quant1;
    const char* quant2;
    const char* videozaehler;
    const char* langtextStart;
};

class Observation : public ::testing::TestWithParam<ObservationCase> {};

TEST_P(Observation, IsReadWithItsUnitsTextsAndCounter) {
    const ObservationCase& c = GetParam();
    HaltungRecord r;
    ASSERT_EQ(parse(oneSection({c.line}), 1, r), 1);
    ASSERT_EQ(r.zustandCount, 1);
    const ZustandEntry& z = r.zustaende[0];
    EXPECT_EQ(z.kuerzel.view(), c.kuerzel);
    EXPECT_EQ(z.quant1.view(), c.quant1);
    EXPECT_EQ(z.quant2.view(), c.quant2);
    EXPECT_EQ(z.videozaehler.view(), c.videozaehler);
    EXPECT_EQ(z.langtext.view().substr(0, std::string_view(c.langtextStart).size()), c.langtextStart);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Observation,
    ::testing::Values(
        ObservationCase{"HG", {.station = "1", .code = "HG", .q1 = "5", .q2 = "20", .counter = "12345678"},
                        "HG  ", "5cm ", "20%  ", "12:34:56:78", "Einragende Dichtung"},
        ObservationCase{"BA", {.station = "1", .code = "BA", .q1 = "7", .counter = "1234567"},
                        "BA  ", "7   ", "cm2", "01:23:45:67", "Fehl.Rohrst"},
        ObservationCase{"unknown", {.station = "1", .code = "ZZZZ", .q1 = "7", .counter = ""},
                        "ZZZZ", "7", "", "00:00:00:00", ""},
        ObservationCase{"spacedCounter", {.station = "1", .code = "K", .counter = "1 2 3 4"},
                        "K", "   ", "   ", "00:00:12:34", "Kr\374mmer"},
        ObservationCase{"longCounter", {.station = "1", .code = "K", .counter = "9912345678"},
                        "K", "   ", "   ", "12:34:56:78", "Kr\374mmer"},
        ObservationCase{"freeText", {.station = "1", .code = "II", .q1 = "Frei T", .q2 = "ext 2"},
                        "II  ", "FreiT   ", "ext2   ", "00:00:12:34", "Frei T   ext 2"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ParseHaltung, LabelPositionsStackAndFlagsAreSet) {
    HaltungRecord r;
    ASSERT_EQ(parse(oneSection({{.station = "0.0", .code = "HA"},
                                {.station = "1.0", .code = "HL", .q1 = "45.30"},
                                {.station = "10.0", .code = "IAB"}}),
                    1, r),
              1);
    ASSERT_EQ(r.zustandCount, 3);
    EXPECT_EQ(r.lastLabelPos, 50);
    EXPECT_EQ(r.haltungsLaenge.view(), "45.30m  ");
    EXPECT_EQ(r.inspektionAbgebrochen, 1);
}

TEST(ParseHaltung, ContinuousDamagesFillTheirSlots) {
    HaltungRecord r;
    ASSERT_EQ(parse(oneSection({{.station = "12.50", .code = "HP", .zusatz = "A1"},
                                {.station = "30.00", .code = "HP", .zusatz = "E1"},
                                {.station = "5", .code = "HP", .zusatz = "A2"},
                                {.station = "7", .code = "HP", .zusatz = "E9"},
                                {.station = "8", .code = "HP", .zusatz = "A0"},
                                {.station = "9", .code = "HP", .zusatz = "X1"}}),
                    1, r),
              1);
    EXPECT_EQ(r.strecken[0], (StreckenPair{12.5, 30.0}));
    EXPECT_EQ(r.strecken[1], (StreckenPair{5.0, StreckeUnset}));
    EXPECT_EQ(r.strecken[8], (StreckenPair{StreckeUnset, 7.0}));
    for (int i = 2; i < 8; ++i)
        EXPECT_EQ(r.strecken[static_cast<std::size_t>(i)], StreckenPair{});
}

TEST(ParseHaltung, EveryObservationLineIsKept) {
    std::vector<Hi4> many;
    for (int i = 0; i < 250; ++i)
        many.push_back({.station = std::to_string(i), .code = "BA"});
    HaltungRecord r;
    ASSERT_EQ(parse(oneSection(many), 1, r), 1);
    EXPECT_EQ(r.zustandCount, 250);
    EXPECT_EQ(r.zustaende[249].station, 249.0);
}

TEST(ParseHaltung, NotFoundLeavesTheLastNamesOfTheTextAndTheEarlierHeader) {
    HaltungRecord r;
    const std::string text = isybauHeader() + hi2("B1", "Erste") + hi3({.a = "S1", .e = "S2", .length = "10"}) +
                             hi4({.station = "1", .code = "BA"}) + hi2("B2", "Zweite") + hi3({.a = "S3", .e = "S4"});
    ASSERT_EQ(parse(text, 1, r), 1);
    // The row of section 1 asked for as section 2: the second "HI 3" names other manholes.
    const Listing listing = buildListing(text);
    ParseRequest wrong = ParseRequest::forRow(listing.row(0), 2);
    HaltungRecord scanned = r;
    EXPECT_EQ(HaltungParser(std::make_shared<std::string>(text)).ParseHaltung(wrong, r), 0);
    EXPECT_EQ(parseHaltungByScan(text, wrong, scanned), 0);
    EXPECT_TRUE(r == scanned);
    EXPECT_EQ(r.haltungsBez.view(), "B2        ");
    EXPECT_EQ(r.aSchacht.view(), "S3        ");
    EXPECT_EQ(r.untLaengeText.view(), "10m"); // from the section found before
    EXPECT_EQ(r.zustandCount, 0);
    EXPECT_EQ(r.lastLabelPos, -15);
    // an empty request finds nothing
    EXPECT_EQ(HaltungParser(std::make_shared<std::string>(text)).ParseHaltung(ParseRequest{}, r), 0);
}

TEST(ParseHaltung, ManholesWithStrippedTrailingBlanksAreFound) {
    // The line ends right after the end manhole's name.
    const std::string text = isybauHeader() + hi2("B", "W") + "HI 3          S1        S2\r\n";
    HaltungRecord r;
    EXPECT_EQ(parse(text, 1, r), 1);
    EXPECT_EQ(r.eSchacht.view(), "S2");
}

TEST(ParseHaltung, SectionsBeyondFourDigitsAreFoundByTheirFullNumber) {
    std::string text = isybauHeader();
    for (int i = 1; i <= 10005; ++i)
        text += hi2("B", "W") + hi3({.a = "A" + std::to_string(i), .e = "E"});
    HaltungRecord r;
    ASSERT_EQ(parse(text, 10003, r), 1);
    EXPECT_EQ(r.aSchacht.view(), "A10003    ");
    EXPECT_EQ(r.lfdNr.view(), "1000");
}

// Random files, well-formed and broken: the indexed parse equals the plain scan for every request.
TEST(ParseHaltung, IndexAgreesWithThePlainScanOnGeneratedFiles) {
    std::mt19937 random(20261211);
    const char* pieces[] = {"HI 1", "HI 2", "HI 3", "HI 4", "HI 5", "H  ", "HI", "", "XI 3"};
    for (int file = 0; file < 60; ++file) {
        std::string text = isybauHeader();
        const int lineCount = 20 + static_cast<int>(random() % 200);
        for (int i = 0; i < lineCount; ++i) {
            std::string line = pieces[random() % 9];
            const int extra = static_cast<int>(random() % 90);
            for (int k = 0; k < extra; ++k)
                line += "S1 2.AE \r\n"[random() % (file % 3 == 0 ? 10 : 8)];
            text += line + (random() % 17 == 0 ? "\n" : "\r\n");
        }
        const auto shared = std::make_shared<std::string>(text);
        const HaltungParser parser(shared);
        const Listing listing = buildListing(text);
        HaltungRecord indexed, scanned;
        for (long long n = 1; n <= static_cast<long long>(listing.size()) + 2; ++n) {
            const std::string_view row =
                static_cast<std::size_t>(n) <= listing.size() ? listing.row(static_cast<std::size_t>(n - 1)) : "";
            for (long long number : {n, 0LL, n + 1}) {
                const ParseRequest request = ParseRequest::forRow(row, number);
                const int a = parser.ParseHaltung(request, indexed);
                const int b = parseHaltungByScan(text, request, scanned);
                ASSERT_EQ(a, b) << "file " << file << " section " << n;
                ASSERT_TRUE(indexed == scanned) << "file " << file << " section " << n;
            }
        }
    }
}

} // namespace
