#include "record/codetable.h"

#include <vector>

// Texts are Windows-1252, written as octal escapes. The typos of the catalogue are its own and stay.
const std::array<CodeTableRow, CodeTableSize> CodeTable = {{
    {"SCH", "z", "1", "UC", "Undichte Rohrverbindung", "", ""},
    {"SCH", "z", "1", "UW", "Undichte Rohrwandung", "", ""},
    {"SCH", "z", "1", "UA", "Undichte Schacht-/Bauwerksanbindung", "", ""},
    {"SCH", "z", "2", "H-", "Hindernis, allgemein", "%", "%"},
    {"SCH", "z", "2", "HDS", "Sedimentation, Sand", "%", "%"},
    {"SCH", "z", "2", "HDG", "Sedimentation, Ger\366ll", "%", "%"},
    {"SCH", "z", "2", "HF", "Verfestigte Ablagerungen", "%", "%"},
    {"SCH", "z", "2", "HG", "Einragende Dichtung", "cm", "%"},
    {"SCH", "z", "2", "HI", "Inkrustation", "%", "%"},
    {"SCH", "z", "2", "HE", "Einragendes Hindernis", "cm", "%"},
    {"SCH", "z", "2", "HK", "Einragende Klinker", "cm", "%"},
    {"SCH", "z", "2", "HS", "Einragende Scherbe", "cm", "%"},
    {"SCH", "z", "2", "HP", "Wurzeleinwuchs", "%", "%"},
    {"SCH", "z", "2", "HZ", "Kreuzende Fremdleitung/Kabel", "cm", "%"},
    {"SCH", "z", "3", "LV", "Vertikaler Versatz", "cm", "%"},
    {"SCH", "z", "3", "LH", "Horizontaler Versatz", "cm", "%"},
    {"SCH", "z", "3", "LB", "Ausbiegung", "cm", "%"},
    {"SCH", "z", "3", "LL", "Axialverschiebung", "cm", "%"},
    {"SCH", "z", "4", "V-", "Mech.Verschlei\337, allgemein", "", "%"},
    {"SCH", "z", "4", "VC", "Mech.Verschlei\337 an der Rohrverbindung", "", "%"},
    {"SCH", "z", "5", "C-", "Innenkorrosion", "", "%"},
    {"SCH", "z", "5", "CC", "Innenkorrosion an der Rohrverbindung", "", "%"},
    {"SCH", "z", "5", "CM", "Korrosion des Fugenm\366rtels", "", "%"},
    {"SCH", "z", "5", "CO", "Au\337enkorrosion", "", "%"},
    {"SCH", "z", "6", "D-", "Deformation biegeweicher Rohre", "mm", "%"},
    {"SCH", "z", "6", "DR", "Deformation infolge von Ri\337bildung", "mm", "%"},
    {"SCH", "z", "7", "RC", "Ri\337 im Verbindungsbereich", "cm", "mm"},
    {"SCH", "z", "7", "RL", "L\344ngsri\337", "cm", "mm"},
    {"SCH", "z", "7", "RQ", "Querri\337", "cm", "mm"},
    {"SCH", "z", "7", "RX", "Risse, von einem Punkt ausgehend", "", "mm"},
    {"SCH", "z", "7", "RS", "Scherbenbildung", "", "mm"},
    {"SCH", "z", "8", "BA", "Fehl.Rohrst\374ck am Schacht/Bauwerksanschl.", "", "cm2"},
    {"SCH", "z", "8", "BC", "Fehl.Rohrst\374ck im Verbindungsbereich", "", "cm2"},
    {"SCH", "z", "8", "BS", "Fehlende Scherbe (Steinzeug)", "", "cm2"},
    {"SCH", "z", "8", "BW", "Loch (alle Materialien)", "", "cm2"},
    {"SCH", "z", "8", "BK", "Fehlende Klinker", "", "cm2"},
    {"SCH", "z", "8", "BR", "Rohrbruch ohne Deformation", "", "cm2"},
    {"SCH", "z", "8", "BT", "Einsturz", "", "cm2"},
    {"SCH", "z", "9", "A-", "Abzweig", "", ""},
    {"SCH", "z", "9", "AN", "Abzweig nicht fachgerecht eingebaut", "", ""},
    {"SCH", "z", "9", "A-D", "Abzweig verstopft", "", "%"},
    {"SCH", "z", "9", "AU", "Abzweig verschlossen", "", ""},
    {"SCH", "z", "9", "AR", "Risse im Abzweig", "cm", "mm"},
    {"SCH", "z", "9", "AP", "Wurzeleinwuchs durch den Abzweig", "", "%"},
    {"SCH", "z", "a10", "S-", "Stutzen", "", ""},
    {"SCH", "z", "a10", "SE", "Stutzen, einragend", "cm", "%"},
    {"SCH", "z", "a10", "SN", "Stutzen nicht fachgerecht eingebaut", "", ""},
    {"SCH", "z", "a10", "SO", "Stutzen au\337en vorsitzend", "", "%"},
    {"SCH", "z", "a10", "S-D", "Stutzen verstopft", "", "%"},
    {"SCH", "z", "a10", "SU", "Stutzen verschlossen", "", ""},
    {"SCH", "z", "a10", "SR", "Risse im Stutzen (Stutzenbereich)", "cm", "mm"},
    {"SCH", "z", "a10", "SP-", "Wurzeleinwuchs durch den Stutzen", "", "%"},
    {"SCH", "z", "a10", "SPB", "Wurzeleinwuchs durch den Stutzen", "", "%"},
    {"SCH", "z", "a10", "SPE", "Wurzeleinwuchs durch den Stutzen", "", "%"},
    {"SCH", "z", "a10", "SPF", "Wurzeleinwuchs durch den Stutzen", "", "%"},
    {"SCH", "z", "a10", "SPM", "Wurzeleinwuchs durch den Stutzen", "", "%"},
    {"SCH", "z", "b11", "W--S", "Wasserr\374ckstau, Stauh\366he", "cm", ""},
    {"SCH", "z", "b11", "W--F", "Fremdwasserzulauf", "", ""},
    {"SCH", "z", "b11", "W--G", "Grundwasserinfiitration", "", ""},
    {"SCH", "z", "b11", "WN", "Reparaturstelte, nicht fachger.ausgef.", "", ""},
    {"SCH", "z", "c12", "F-", "Fehlanschl\374sse", "", ""},
    {"SCH", "s", "", "HA", "Haltungsanfang", "", ""},
    {"SCH", "s", "", "EH", "Haltungsende", "", ""},
    {"SCH", "s", "", "HL", "Haltungsl\344nge", "m", ""},
    {"SCH", "s", "", "PA", "Rohranfang", "", ""},
    {"SCH", "s", "", "PE", "Rohrende", "", ""},
    {"SCH", "s", "", "GE", "Gegenseite erreicht", "", ""},
    {"SCH", "s", "", "GEN", "Gegenseite nicht erreicht", "", ""},
    {"SCH", "s", "", "IG", "Inspektion erfolgt von der Gegenseite", "", ""},
    {"SCH", "s", "", "IGN", "Inspektion von der Gegenseite n. m\366glich", "", ""},
    {"SCH", "s", "", "IAB", "Abbruch der Inspektion", "", ""},
    {"SCH", "s", "", "IR", "Inspektion erst n. Kanalreinigung m\366glich", "", ""},
    {"SCH", "s", "", "IS", "Inspektion erfolgt zu einem sp\344t.Zeitpunkt", "", ""},
    {"SCH", "s", "", "IA", "AG verzichtet a.weit.Untersuchung", "", ""},
    {"SCH", "s", "", "SV", "Verdeckter Schacht", "", ""},
    {"SCH", "s", "", "SB", "Schacht durch Fahrzeug/Gegenstand blockiert", "", ""},
    {"SCH", "s", "", "SP", "Schacht nicht im Plan eingetragen", "", ""},
    {"SCH", "s", "", "SZ", "Zwischenschacht", "", ""},
    {"SCH", "s", "", "SNA", "Schacht nicht anfahrbar", "", ""},
    {"SCH", "s", "", "TVR", "Kamera rutscht", "", ""},
    {"SCH", "s", "", "TVN", "Kamera nicht einsetzbar", "", ""},
    {"SCH", "s", "", "TVS", "Kamera kann nicht weiter (Stop)", "", ""},
    {"SCH", "s", "", "TVUW", "Kamera unter Wasser, keine Sicht", "", ""},
    {"SCH", "s", "", "TVSD", "Schlechte Bildqualit\344t,Dampfbildung", "", ""},
    {"SCH", "s", "", "WA", "Wie Aufnahme Nr. nnn", "", ""},
    {"SCH", "s", "", "QVG", "geometrische Querschnittsver\344nd", "", ""},
    {"SCH", "s", "", "QVN", "Nennweitenver\344nderung", "", ""},
    {"SCH", "s", "", "WV", "Werkstoffver\344nderung", "", ""},
    {"SCH", "s", "", "EMN", "genaue Einmessung nicht m\366glich", "", ""},
    {"SCH", "s", "", "GST", "gew\374nschte Station erreicht", "", ""},
    {"SCH", "s", "", "FSB", "festgestellter Schaden behoben", "", ""},
    {"SCH", "s", "", "FOTO", "Einzelaufnahme angefertigt", "", ""},
    {"SCH", "s", "", "OK", "Keine M\344ngel", "", ""},
    {"SCH", "s", "", "PL", "Baul\344nge der Rohre", "", ""},
    {"SCH", "s", "", "II", "\334bern. freier Texte in DB", "", ""},
    {"SCH", "s", "", "K", "Kr\374mmer, Bogen", "", ""},
    {"PRO", "", "", "0", "Kreisprofil", "", ""},
    {"PRO", "", "", "1", "Eiprofil (H/B = 3/2)", "", ""},
    {"PRO", "", "", "2", "Maulprofil (H/B = 1,66/2)", "", ""},
    {"PRO", "", "", "3", "Rechteckprofil geschl.", "", ""},
    {"PRO", "", "", "4", "doppelwandiges Profil", "", ""},
    {"MAT", "", "", "AZ", "Asbestzement", "", ""},
    {"MAT", "", "", "B", "Beton", "", ""},
    {"MAT", "", "", "CNS", "Edelstahl", "", ""},
    {"MAT", "", "", "FZ", "Faserzement", "", ""},
    {"MAT", "", "", "GFK", "Glasfaserverst.Kunststoff", "", ""},
    {"MAT", "", "", "GG", "Graugu\337", "", ""},
    {"MAT", "", "", "GGG", "duktiler Gu\337", "", ""},
    {"MAT", "", "", "ST", "Stahl", "", ""},
    {"MAT", "", "", "MA", "Mauerwerk", "", ""},
    {"MAT", "", "", "OB", "Ortbeton", "", ""},
    {"MAT", "", "", "P", "Porosit", "", ""},
    {"MAT", "", "", "PC", "Polymerbeton", "", ""},
    {"MAT", "", "", "PCC", "Polymermodifiz.Zementbeton", "", ""},
    {"MAT", "", "", "PEHD", "Polyethylen hohe Dichte", "", ""},
    {"MAT", "", "", "PH", "Polyesterharz", "", ""},
    {"MAT", "", "", "PHB", "Polyesterharzbeton", "", ""},
    {"MAT", "", "", "PP", "Polypropylen", "", ""},
    {"MAT", "", "", "PVC", "Polyvinylchlorid", "", ""},
    {"MAT", "", "", "PVCU", "Polyvinylchlorid hart", "", ""},
    {"MAT", "", "", "SPB", "Spannbeton", "", ""},
    {"MAT", "", "", "SB", "Stahlbeton", "", ""},
    {"MAT", "", "", "STZ", "Steinzeug", "", ""},
    {"MAT", "", "", "MIX", "Unterschiedl.Werkstoffe", "", ""},
}};

namespace {

std::string padded(std::string_view s, std::size_t width) {
    std::string out(s.substr(0, width));
    out.resize(width, ' ');
    return out;
}

char upperAscii(char c) noexcept { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

} // namespace

std::string CodeTableRow::line() const {
    std::string l = padded(group, 3) + " " + padded(kind, 1) + " " + padded(klass, 4) + padded(code, 8) +
                    padded(text, 45) + " " + padded(unit1, 3) + padded(unit2, 3);
    return l;
}

namespace {

// Padded texts and units, and the observation rows by the first character of their code, made once.
struct PreparedCatalogue {
    std::array<std::string, CodeTableSize> text;
    std::array<std::string, CodeTableSize> unit1;
    std::array<std::string, CodeTableSize> unit2;
    std::array<std::vector<const CodeTableRow*>, 256> observationsByFirst;

    PreparedCatalogue() {
        for (std::size_t i = 0; i < CodeTableSize; ++i) {
            const CodeTableRow& row = CodeTable[i];
            text[i] = padded(row.text, 45);
            unit1[i] = padded(row.unit1, 3);
            unit2[i] = padded(row.unit2, 3);
            if (row.group == "SCH" && !row.code.empty())
                observationsByFirst[static_cast<unsigned char>(row.code[0])].push_back(&row);
        }
    }
};

const PreparedCatalogue& prepared() {
    static const PreparedCatalogue catalogue;
    return catalogue;
}

std::size_t indexOf(const CodeTableRow* row) { return static_cast<std::size_t>(row - CodeTable.data()); }

} // namespace

std::string_view CodeTableRow::paddedText() const noexcept { return prepared().text[indexOf(this)]; }
std::string_view CodeTableRow::paddedUnit1() const noexcept { return prepared().unit1[indexOf(this)]; }
std::string_view CodeTableRow::paddedUnit2() const noexcept { return prepared().unit2[indexOf(this)]; }

const CodeTableRow* lookupObservationCode(std::string_view kuerzel) noexcept {
    if (kuerzel.empty())
        return nullptr;
    // Rows in catalogue order whose code begins with the field's first character: the first whose
    // whole code begins the field is the one the catalogue order gives.
    for (const CodeTableRow* row : prepared().observationsByFirst[static_cast<unsigned char>(kuerzel[0])]) {
        const std::string_view code = row->code.substr(0, 4);
        if (kuerzel.size() >= code.size() && kuerzel.substr(0, code.size()) == code)
            return row;
    }
    return nullptr;
}

const CodeTableRow* lookupMaterial(std::string_view materialCode) noexcept {
    char field[4] = {' ', ' ', ' ', ' '};
    for (std::size_t i = 0; i < 4 && i < materialCode.size(); ++i)
        field[i] = upperAscii(materialCode[i]);
    for (const CodeTableRow& row : CodeTable) {
        if (row.group != "MAT")
            continue;
        bool same = true;
        for (std::size_t i = 0; i < 4 && same; ++i)
            same = upperAscii(i < row.code.size() ? row.code[i] : ' ') == field[i];
        if (same)
            return &row;
    }
    return nullptr;
}

const CodeTableRow* lookupProfile(std::string_view profileCode) noexcept {
    if (profileCode.empty())
        return nullptr;
    for (const CodeTableRow& row : CodeTable)
        if (row.group == "PRO" && !row.code.empty() && row.code[0] == profileCode[0])
            return &row;
    return nullptr;
}
