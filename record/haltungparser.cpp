#include "record/haltungparser.h"

#include "record/codetable.h"
#include "record/decimalnumber.h"
#include "record/isybautext.h"

#include <cmath>

namespace {

constexpr int ManholeWidth = 10;

struct Target {
    double number = 0.0;
    std::string aSchacht; // positions 48-57 of the row, blank-padded to ten columns
    std::string eSchacht; // positions 59-68
};

std::string paddedField(std::string_view row, std::size_t first, std::size_t width) {
    std::string out(first - 1 < row.size() ? row.substr(first - 1, width) : std::string_view());
    out.resize(width, ' ');
    return out;
}

// Start of a parse: the target from the row, and the reset of the per-section results.
Target startParse(const ParseRequest& request, HaltungRecord& record) {
    const std::string_view row = request.selectedRow.view();
    Target target;
    record.lfdNr.assign(row.substr(0, 4));
    // The section's own date, as its listing row shows it.
    record.untDatum.assign(row.size() > 4 ? row.substr(4, 10) : std::string_view());
    target.number = request.number > 0 ? static_cast<double>(request.number) : readDecimal(row.substr(0, 4));
    target.aSchacht = paddedField(row, 48, ManholeWidth);
    target.eSchacht = paddedField(row, 59, ManholeWidth);

    record.inspektionAbgebrochen = 0;
    record.haltungsLaenge.clear();
    record.lastLabelPos = -15;
    record.zustaende.clear();
    record.zustandCount = 0;
    record.strecken.fill(StreckenPair{});
    return target;
}

void readHi2(const IsybauLine& line, HaltungRecord& record) {
    record.haltungsBez.assign(line.verbatim(5, 14));
    record.strassenname.assign(line.verbatim(20, 49));
}

void readManholes(const IsybauLine& line, HaltungRecord& record) {
    record.aSchacht.assign(line.verbatim(15, 24));
    record.eSchacht.assign(line.verbatim(25, 34));
}

bool manholesMatch(const IsybauLine& line, const Target& target) {
    return line.padded(15, 24) == target.aSchacht && line.padded(25, 34) == target.eSchacht;
}

// The header fields of the found section's "HI 3" line.
void readHi3Header(const IsybauLine& line, HaltungRecord& record) {
    record.untLaengeText.assignWithoutBlanks(line.verbatim(65, 70));
    record.untLaenge = readDecimal(record.untLaengeText.view());
    record.untLaengeText.append("m");

    record.untRichtung.assign(line.verbatim(63, 63));

    record.material.assign(line.verbatim(49, 52));
    if (const CodeTableRow* row = lookupMaterial(line.padded(49, 52))) {
        record.material.append(" ");
        record.material.append(row->text);
        record.material.trimRight();
    }

    record.profilart.assignWithoutBlanks(line.verbatim(39, 40));
    if (const CodeTableRow* row = lookupProfile(record.profilart.view())) {
        record.profilart.append("  ");
        record.profilart.append(row->text);
        record.profilart.trimRight();
    }

    record.profilHoehe.assignWithoutBlanks(line.verbatim(41, 44));
    record.profilBreite.assignWithoutBlanks(line.verbatim(45, 48));
    if (record.profilart[0] == '0' && record.profilBreite.empty())
        record.profilBreite.assignWithoutBlanks(line.verbatim(41, 44));

    record.videokassette.assignWithoutBlanks(line.verbatim(72, 74));
}

bool startsWith(std::string_view s, std::string_view prefix) {
    return s.size() >= prefix.size() && s.substr(0, prefix.size()) == prefix;
}

// One "HI 4" line after the found section's "HI 3" line.
void readObservation(const IsybauLine& line, HaltungRecord& record) {
    ZustandEntry& z = record.zustaende.emplace_back();
    z.station = readDecimal(line.verbatim(15, 20));

    // Each text row stands at least 15 units below the previous one and never above its station.
    const double stationPos = StationScale * z.station;
    if (static_cast<double>(record.lastLabelPos) + 15.0 > stationPos)
        record.lastLabelPos = saturatingAdd(record.lastLabelPos, 15);
    else
        record.lastLabelPos = truncToInt(stationPos);

    // Video counter: the digits fill the template "00:00:00:00" from the right.
    char counter[] = "00:00:00:00";
    static constexpr int Slots[] = {10, 9, 7, 6, 4, 3, 1, 0};
    FixedText<12> digits;
    digits.assignWithoutBlanks(line.verbatim(22, 32));
    const std::string_view counterDigits = digits.view();
    for (std::size_t k = 0; k < 8 && k < counterDigits.size(); ++k)
        counter[Slots[k]] = counterDigits[counterDigits.size() - 1 - k];
    z.videozaehler.assign(counter);

    z.bilddatei.assignWithoutBlanks(line.verbatim(38, 49));
    z.kuerzel.assign(line.verbatim(50, 53));
    const std::string_view code = z.kuerzel.view();
    if (startsWith(code, "IAB"))
        record.inspektionAbgebrochen = 1;

    if (const CodeTableRow* row = lookupObservationCode(code)) {
        z.langtext.assign(row->paddedText());
        z.einheit1.assign(row->paddedUnit1());
        z.einheit2.assign(row->paddedUnit2());
    }
    if (startsWith(code, "II"))
        z.langtext.assign(line.verbatim(57, 80));

    z.textzusatz.assign(line.verbatim(55, 56));
    const char mark = z.textzusatz[0];
    const char digit = z.textzusatz[1];
    if ((mark == 'A' || mark == 'E') && digit >= '1' && digit <= '9') {
        StreckenPair& pair = record.strecken[static_cast<std::size_t>(digit - '1')];
        (mark == 'A' ? pair.anfang : pair.ende) = z.station;
    }

    z.quant1.assignWithoutBlanks(line.verbatim(57, 62));
    z.quant1.append(z.einheit1.view());
    if (startsWith(code, "HL"))
        record.haltungsLaenge.assign(z.quant1.view());
    z.quant2.assignWithoutBlanks(line.verbatim(65, 70));
    z.quant2.append(z.einheit2.view());

    z.rissbreite.assignWithoutBlanks(line.verbatim(72, 75));
    z.posVon.assignWithoutBlanks(line.verbatim(77, 78));
    z.posBis.assignWithoutBlanks(line.verbatim(79, 80));
}

// Reads the found section from its "HI 3" line on: the header, then every "HI 4" line that follows.
void readFoundSection(IsybauLineReader& reader, const IsybauLine& hi3, HaltungRecord& record) {
    readManholes(hi3, record);
    readHi3Header(hi3, record);
    IsybauLine line;
    while (reader.next(line) && line.isRecord('4'))
        readObservation(line, record);
    record.zustandCount = static_cast<int>(record.zustaende.size());
}

bool readLineAt(std::string_view text, std::size_t offset, IsybauLine& line) {
    IsybauLineReader reader(text, offset);
    return reader.next(line);
}

} // namespace

ParseRequest ParseRequest::forRow(std::string_view row, long long number) {
    ParseRequest request;
    request.selectedRow.assign(row);
    request.number = row.empty() ? 0 : number;
    return request;
}

HaltungParser::HaltungParser(std::shared_ptr<const std::string> text) : m_text(std::move(text)) {
    if (!m_text)
        return;
    IsybauLineReader reader(*m_text);
    IsybauLine line;
    std::size_t lastHi2 = None;
    for (std::size_t at = reader.position(); reader.next(line); at = reader.position()) {
        if (line.isRecord('2')) {
            lastHi2 = at;
        } else if (line.isRecord('3')) {
            m_sections.push_back({at, lastHi2});
            m_lastHi3 = at;
        }
    }
    m_lastHi2 = lastHi2;
}

int HaltungParser::ParseHaltung(const ParseRequest& request, HaltungRecord& record) const {
    const Target target = startParse(request, record);
    const std::string_view text = this->text();
    IsybauLine line;

    const double n = target.number;
    if (n >= 1.0 && n <= static_cast<double>(m_sections.size()) && n == std::floor(n)) {
        const Section& section = m_sections[static_cast<std::size_t>(n) - 1];
        IsybauLineReader reader(text, section.hi3);
        IsybauLine hi3;
        if (reader.next(hi3) && manholesMatch(hi3, target)) {
            if (section.hi2 != None && readLineAt(text, section.hi2, line))
                readHi2(line, record);
            readFoundSection(reader, hi3, record);
            return 1;
        }
    }
    // Not found: the whole text was read, so the names are those of the text's last lines.
    if (m_lastHi2 != None && readLineAt(text, m_lastHi2, line))
        readHi2(line, record);
    if (m_lastHi3 != None && readLineAt(text, m_lastHi3, line))
        readManholes(line, record);
    return 0;
}

int parseHaltungByScan(std::string_view text, const ParseRequest& request, HaltungRecord& record) {
    const Target target = startParse(request, record);
    IsybauLineReader reader(text);
    IsybauLine line;
    long long hi3Count = 0;
    while (reader.next(line)) {
        if (line.isRecord('2')) {
            readHi2(line, record);
        } else if (line.isRecord('3')) {
            ++hi3Count;
            readManholes(line, record);
            if (static_cast<double>(hi3Count) == target.number && manholesMatch(line, target)) {
                readFoundSection(reader, line, record);
                return 1;
            }
        }
    }
    return 0;
}
