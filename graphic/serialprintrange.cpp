#include "graphic/serialprintrange.h"

#include <algorithm>
#include <cstdio>

namespace {

enum class NumberClass { Negative, NotWhole, Digits };

NumberClass Classify(std::string_view text) noexcept {
    // The field holds at most 11 characters; a longer text cannot be a number the program reads.
    if (text.size() > SerialPrintFieldLength)
        return NumberClass::NotWhole;
    if (!text.empty() && text.front() == '-')
        return NumberClass::Negative;
    if (!std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return NumberClass::NotWhole;
    return NumberClass::Digits;
}

// The value of a text of class Digits; 11 digits at most, so it cannot overflow.
long long DigitsValue(std::string_view text) noexcept {
    long long value = 0;
    for (char c : text)
        value = value * 10 + (c - '0');
    return value;
}

std::string WithCount(const char* format, long long haltungCount) {
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, format, haltungCount);
    return buffer;
}

} // namespace

SerialPrintRange CheckSerialPrintRange(std::string_view vonText, std::string_view bisText,
                                       long long haltungCount) {
    SerialPrintRange range;
    const NumberClass vonClass = Classify(vonText);
    if (vonClass == NumberClass::Digits)
        range.von = DigitsValue(vonText);
    if (vonClass != NumberClass::Digits || range.von < 1 || range.von > haltungCount) {
        range.field = SerialPrintField::Von;
        if (vonClass == NumberClass::Negative)
            range.message = "von-Wert darf nicht negativ sein";
        else if (vonClass == NumberClass::NotWhole)
            range.message = "von-Wert ist kein Ganzzahlwert";
        else
            range.message = WithCount("von-Wert ist ung\xFCltig ( >0 und <=%lld )", haltungCount);
        return range;
    }
    const NumberClass bisClass = Classify(bisText);
    if (bisClass == NumberClass::Digits)
        range.bis = DigitsValue(bisText);
    if (bisClass != NumberClass::Digits || range.bis < 1 || range.bis < range.von ||
        range.bis > haltungCount) {
        range.field = SerialPrintField::Bis;
        if (bisClass == NumberClass::Negative)
            range.message = "bis-Wert darf nicht negativ sein";
        else if (bisClass == NumberClass::NotWhole)
            range.message = "bis-Wert ist kein Ganzzahlwert";
        else
            range.message =
                WithCount("bis-Wert ist ung\xFCltig ( >0  und  >=von-Wert  und  <=%lld )", haltungCount);
    }
    return range;
}
