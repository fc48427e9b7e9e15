#pragma once

#include "record/fixedtext.h"

#include <cstddef>
#include <string>
#include <string_view>

// Characters of one listing row, and the most sections the original grid showed.
inline constexpr std::size_t ListingRowLength = 105;
inline constexpr int MaxListRows = 999;

// The listing of a text: one 105-character row per complete section, in order. Row i belongs to the
// section with running number i + 1.
class Listing {
public:
    std::size_t size() const noexcept { return m_rows.size() / ListingRowLength; }
    bool empty() const noexcept { return m_rows.empty(); }
    std::string_view row(std::size_t i) const noexcept {
        return std::string_view(m_rows).substr(i * ListingRowLength, ListingRowLength);
    }
    // The date of the last "HI 1" line of the text.
    const FixedText<11>& lastUntDatum() const noexcept { return m_lastUntDatum; }

    void appendRow(std::string_view row);
    void setLastUntDatum(std::string_view date) { m_lastUntDatum.assign(date); }
    void clear();

private:
    std::string m_rows;
    FixedText<11> m_lastUntDatum;
};

// Builds the listing of an ISYBAU text: the fields of each section's "HI 1", "HI 2" and "HI 3" lines
// into one row, completed when both its "HI 2" and "HI 3" lines have been met.
Listing buildListing(std::string_view text);

// The header over the listing; its words stand over the fields of each row.
inline constexpr std::string_view ListingHeader =
    "Nr. U-Datum     Stra\337enname, Ort               A-Schacht  E-Schacht  Halt.Bez.   UL\344nge PA PH\366h PBre";
