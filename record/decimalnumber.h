#pragma once

#include <string_view>

// Reads a decimal number the way the ISYBAU fields are written: leading blanks, an optional sign,
// digits with a point as decimal separator, an optional exponent. Reading stops at the first character
// that does not fit; a text without a number, and a number too large to hold, read as 0.0. The result
// does not depend on the machine's locale, and hexadecimal or words such as "inf" are no numbers.
double readDecimal(std::string_view text) noexcept;

// Converts to int, cutting toward zero and saturating at the ends of the int range (0 for not-a-number).
int truncToInt(double value) noexcept;

// Adds without overflow, saturating at the ends of the int range.
int saturatingAdd(int a, int b) noexcept;
