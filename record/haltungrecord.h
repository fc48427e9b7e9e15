#pragma once

#include "record/fixedtext.h"

#include <array>
#include <string>
#include <vector>

// Drawing units (screen pixels) per metre of station.
inline constexpr double StationScale = 5.0;
// Continuous-damage slots of a section: markers A1..E9 fill slots 0..8, the rest stay unset.
inline constexpr int StreckenSlots = 20;
// Marks a continuous-damage station that no marker has set.
inline constexpr double StreckeUnset = -999.0;

// One observation, read from one "HI 4" line.
struct ZustandEntry {
    double station = 0.0;        // metres from the start of the inspection
    FixedText<10> kuerzel;       // observation code, columns 50-53 verbatim
    FixedText<3> textzusatz;     // columns 55-56: "A"/"E" and the continuous-damage number
    FixedText<70> langtext;      // catalogue text (45 characters), or the free text of an "II" code
    FixedText<12> videozaehler;  // "00:00:00:00" template filled from the right
    FixedText<13> bilddatei;     // image file name
    FixedText<12> quant1;        // quantity 1 and its three-character unit
    FixedText<12> quant2;        // quantity 2 and its three-character unit
    FixedText<6> rissbreite;     // crack width in millimetres
    FixedText<4> posVon;         // clock position, from
    FixedText<4> posBis;         // clock position, to
    FixedText<4> einheit1;       // unit of quantity 1 from the catalogue
    FixedText<4> einheit2;       // unit of quantity 2 from the catalogue

    friend bool operator==(const ZustandEntry&, const ZustandEntry&) = default;
};

// Begin and end station of continuous damage number n, kept in slot n - 1.
struct StreckenPair {
    double anfang = StreckeUnset;
    double ende = StreckeUnset;

    friend bool operator==(const StreckenPair&, const StreckenPair&) = default;
};

// The one section in memory: filled by the parser, read by the graphic, the printout and the export.
struct HaltungRecord {
    FixedText<5> lfdNr;            // running number, the first four characters of the listing row
    FixedText<11> untDatum;        // inspection date of the section
    FixedText<11> haltungsBez;     // section designation
    FixedText<31> strassenname;    // street name and place
    FixedText<11> aSchacht;        // start manhole
    FixedText<11> eSchacht;        // end manhole
    FixedText<2> untRichtung;      // "U"/"u": inspected against the flow
    FixedText<10> untLaengeText;   // inspected length as text, with "m"
    double untLaenge = 0.0;        // inspected length in metres
    FixedText<70> profilart;       // profile code and catalogue text
    FixedText<5> profilHoehe;      // profile height in millimetres
    FixedText<5> profilBreite;     // profile width in millimetres
    FixedText<70> material;        // material code and catalogue text
    FixedText<4> videokassette;    // video cassette
    FixedText<10> haltungsLaenge;  // quantity 1 of the section's "HL" observation
    int inspektionAbgebrochen = 0; // 1 when a code begins "IAB"
    int zustandCount = 0;          // number of observations read
    int lastLabelPos = -15;        // drawing position of the last observation's text row
    std::vector<ZustandEntry> zustaende;
    std::array<StreckenPair, StreckenSlots> strecken{};

    bool againstFlow() const noexcept { return untRichtung[0] == 'U' || untRichtung[0] == 'u'; }

    friend bool operator==(const HaltungRecord&, const HaltungRecord&) = default;
};

// Observations whose code has "I" as its first or second character carry no quantities, crack width and
// clock positions: the graphic, the printout and the export leave those columns empty for them.
bool OmitsQuantities(const ZustandEntry& zustand) noexcept;

// Profile height and width as every view of the section shows them: "%s / %s mm".
std::string FormatProfile(const HaltungRecord& record);
