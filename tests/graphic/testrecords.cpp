#include "testrecords.h"

#include "graphic/sectiongraphic.h"

namespace testrecords {

HaltungRecord Section(double untLaenge) {
    HaltungRecord r;
    r.lfdNr.assign("  12");
    r.untDatum.assign("05.03.2007");
    r.haltungsBez.assign("H4711");
    r.strassenname.assign("Hauptstra\xDF"
                          "e Berlin");
    r.aSchacht.assign("S100");
    r.eSchacht.assign("S200");
    r.untRichtung.assign("O");
    r.untLaengeText.assign("20.00m");
    r.untLaenge = untLaenge;
    r.profilart.assign("0  Kreisprofil");
    r.profilHoehe.assign("300");
    r.profilBreite.assign("300");
    r.material.assign("STZ  Steinzeug");
    r.videokassette.assign("V07");
    return r;
}

ZustandEntry& AddZustand(HaltungRecord& record, double station, std::string_view kuerzel) {
    ZustandEntry z;
    z.station = station;
    z.kuerzel.assign(kuerzel);
    z.textzusatz.assign("A1");
    z.langtext.assign("Langtext der Beobachtung");
    z.videozaehler.assign("00:01:02:03");
    z.bilddatei.assign("BILD0001.JPG");
    z.quant1.assign("5cm ");
    z.quant2.assign("10% ");
    z.rissbreite.assign("2");
    z.posVon.assign("3");
    z.posBis.assign("9");
    record.zustaende.push_back(z);
    record.zustandCount = static_cast<int>(record.zustaende.size());
    // The parser's row position: the screen's row line measured from the station-zero line.
    record.lastLabelPos = NextScreenRowLine(record.lastLabelPos, station, 0);
    return record.zustaende.back();
}

void SetStrecke(HaltungRecord& record, int slot, double anfang, double ende) {
    record.strecken.at(static_cast<std::size_t>(slot)) = StreckenPair{anfang, ende};
}

} // namespace testrecords
