#include "batch/batchcommands.h"

#include "app/mainstate.h"
#include "record/cp1252.h"

#include <charconv>
#include <cstdio>
#include <string>

namespace {

// JSON text of the record, its texts exactly as held.
class JsonWriter {
public:
    void key(std::string_view name) {
        separate();
        m_out += '"';
        m_out += name;
        m_out += "\":";
        m_fresh = true;
    }
    void text(std::string_view cp1252) {
        separate();
        m_out += '"';
        for (char c : cp1252ToUtf8(cp1252)) {
            const auto u = static_cast<unsigned char>(c);
            if (c == '"' || c == '\\') {
                m_out += '\\';
                m_out += c;
            } else if (u < 0x20) {
                char buffer[8];
                std::snprintf(buffer, sizeof buffer, "\\u%04x", u);
                m_out += buffer;
            } else {
                m_out += c;
            }
        }
        m_out += '"';
    }
    void number(double value) {
        separate();
        char buffer[32];
        const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
        m_out.append(buffer, ec == std::errc() ? end : buffer);
    }
    void number(long long value) {
        separate();
        m_out += std::to_string(value);
    }
    void open(char bracket) {
        separate();
        m_out += bracket;
        m_fresh = true;
    }
    void close(char bracket) {
        m_out += bracket;
        m_fresh = false;
    }
    const std::string& str() const { return m_out; }

private:
    void separate() {
        if (!m_fresh)
            m_out += ',';
        m_fresh = false;
    }
    std::string m_out;
    bool m_fresh = true;
};

template <std::size_t N>
void field(JsonWriter& json, std::string_view name, const FixedText<N>& value) {
    json.key(name);
    json.text(value.view());
}

void field(JsonWriter& json, std::string_view name, double value) {
    json.key(name);
    json.number(value);
}

void field(JsonWriter& json, std::string_view name, int value) {
    json.key(name);
    json.number(static_cast<long long>(value));
}

std::string recordJson(int found, const HaltungRecord& r) {
    JsonWriter json;
    json.open('{');
    field(json, "HaltungFound", found);
    field(json, "lfdNr", r.lfdNr);
    field(json, "untDatum", r.untDatum);
    field(json, "haltungsBez", r.haltungsBez);
    field(json, "strassenname", r.strassenname);
    field(json, "aSchacht", r.aSchacht);
    field(json, "eSchacht", r.eSchacht);
    field(json, "untRichtung", r.untRichtung);
    field(json, "untLaengeText", r.untLaengeText);
    field(json, "untLaenge", r.untLaenge);
    field(json, "profilart", r.profilart);
    field(json, "profilHoehe", r.profilHoehe);
    field(json, "profilBreite", r.profilBreite);
    field(json, "material", r.material);
    field(json, "videokassette", r.videokassette);
    field(json, "haltungsLaenge", r.haltungsLaenge);
    field(json, "inspektionAbgebrochen", r.inspektionAbgebrochen);
    field(json, "zustandCount", r.zustandCount);
    field(json, "lastLabelPos", r.lastLabelPos);
    json.key("zustaende");
    json.open('[');
    for (const ZustandEntry& z : r.zustaende) {
        json.open('{');
        field(json, "station", z.station);
        field(json, "kuerzel", z.kuerzel);
        field(json, "textzusatz", z.textzusatz);
        field(json, "langtext", z.langtext);
        field(json, "videozaehler", z.videozaehler);
        field(json, "bilddatei", z.bilddatei);
        field(json, "quant1", z.quant1);
        field(json, "quant2", z.quant2);
        field(json, "rissbreite", z.rissbreite);
        field(json, "posVon", z.posVon);
        field(json, "posBis", z.posBis);
        field(json, "einheit1", z.einheit1);
        field(json, "einheit2", z.einheit2);
        json.close('}');
    }
    json.close(']');
    json.key("strecken");
    json.open('[');
    for (const StreckenPair& p : r.strecken) {
        json.open('{');
        field(json, "anfang", p.anfang);
        field(json, "ende", p.ende);
        json.close('}');
    }
    json.close(']');
    json.close('}');
    return json.str();
}

} // namespace

int runRecord(const BatchArgs& args) {
    long long number = 0;
    if (args.size() != 2) {
        std::fputs("Aufruf: telmora-batch record DATEI NR\n", stderr);
        return ExitUsage;
    }
    if (!parseRunningNumber(args[1], number))
        return ExitUsage;
    MainState state;
    if (const int status = loadForBatch(args[0], state); status != ExitOk)
        return status;
    const Listing& listing = state.listing();
    const std::string_view row =
        static_cast<unsigned long long>(number) <= listing.size() ? listing.row(static_cast<std::size_t>(number - 1)) : "";
    state.SelectedRow = ParseRequest::forRow(row, number);
    state.ParseHaltung();
    const std::string json = recordJson(state.HaltungFound, state.Haltung) + "\n";
    std::fwrite(json.data(), 1, json.size(), stdout);
    if (std::fflush(stdout) != 0)
        return ExitFailed;
    return state.HaltungFound == 1 ? ExitOk : ExitNotFound;
}
