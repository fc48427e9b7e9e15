#include "record/haltungrecord.h"

bool OmitsQuantities(const ZustandEntry& zustand) noexcept {
    return zustand.kuerzel[0] == 'I' || zustand.kuerzel[1] == 'I';
}

std::string FormatProfile(const HaltungRecord& record) {
    std::string text(record.profilHoehe.view());
    text += " / ";
    text += record.profilBreite.view();
    text += " mm";
    return text;
}
