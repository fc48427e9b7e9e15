#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The number field of the serial print that a message is about.
enum class SerialPrintField { None, Von, Bis };

// The checked numbers of a serial print: valid, or the message for ErrLabel and the field at fault.
struct SerialPrintRange {
    long long von = 0;
    long long bis = 0;
    std::string message; // empty when valid (Windows-1252)
    SerialPrintField field = SerialPrintField::None;
    bool valid() const noexcept { return field == SerialPrintField::None; }
};

// The longest text a number field holds; a longer text is refused as not whole.
inline constexpr std::size_t SerialPrintFieldLength = 11;

// Checks the texts of "von lfd.Nummer" and "bis lfd.Nummer": both whole numbers from 1 to haltungCount,
// bis not below von. Only the first field at fault gets a message.
SerialPrintRange CheckSerialPrintRange(std::string_view vonText, std::string_view bisText,
                                       long long haltungCount);
