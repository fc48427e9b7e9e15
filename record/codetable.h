#pragma once

#include <array>
#include <string>
#include <string_view>

// One row of the built-in code catalogue. Texts and units are held without their trailing blanks;
// line() gives the row as the catalogue writes it, 70 characters in fixed columns.
struct CodeTableRow {
    std::string_view group; // "SCH" observation code, "PRO" profile type, "MAT" material
    std::string_view kind;  // "z" condition code with a class, "s" other observation code
    std::string_view klass; // 1..9, a10, b11, c12 for "z" rows
    std::string_view code;
    std::string_view text;
    std::string_view unit1;
    std::string_view unit2;

    std::string line() const;
    // The text blank-padded to its 45 columns, and the units to their three.
    std::string_view paddedText() const noexcept;
    std::string_view paddedUnit1() const noexcept;
    std::string_view paddedUnit2() const noexcept;
};

inline constexpr std::size_t CodeTableSize = 124;
extern const std::array<CodeTableRow, CodeTableSize> CodeTable;

// The first "SCH" row whose code (up to its first blank) begins the observation's code field.
const CodeTableRow* lookupObservationCode(std::string_view kuerzel) noexcept;
// The first "MAT" row whose four-character code field equals the four characters of the material code
// field (blank-padded), letters A to Z compared without regard to case.
const CodeTableRow* lookupMaterial(std::string_view materialCode) noexcept;
// The first "PRO" row whose code begins with the first character of the profile code.
const CodeTableRow* lookupProfile(std::string_view profileCode) noexcept;
