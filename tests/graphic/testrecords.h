#pragma once

#include "record/haltungrecord.h"

#include <string_view>

// Section records built by hand, as the parser would leave them.
namespace testrecords {

// A section "S100" -> "S200" of 20 m, inspected with the flow, header fields filled, no observations.
HaltungRecord Section(double untLaenge = 20.0);

// Appends an observation and keeps zustandCount and lastLabelPos as the parser keeps them.
ZustandEntry& AddZustand(HaltungRecord& record, double station, std::string_view kuerzel = "BAB ");

// Sets continuous damage slot `slot`.
void SetStrecke(HaltungRecord& record, int slot, double anfang, double ende);

} // namespace testrecords
