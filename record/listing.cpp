#include "record/listing.h"

#include "record/isybautext.h"

#include <algorithm>
#include <cstring>

void Listing::appendRow(std::string_view row) {
    std::string padded(row.substr(0, ListingRowLength));
    padded.resize(ListingRowLength, ' ');
    m_rows += padded;
}

void Listing::clear() {
    m_rows.clear();
    m_lastUntDatum.clear();
}

namespace {

// Copies columns first..last of the line verbatim to the row, starting at row position pos (1-based).
void copyField(char* row, int pos, const IsybauLine& line, int first, int last) {
    const std::string_view field = line.verbatim(first, last);
    if (!field.empty())
        std::memcpy(row + pos - 1, field.data(), field.size());
}

} // namespace

Listing buildListing(std::string_view text) {
    Listing listing;
    char row[ListingRowLength];
    std::memset(row, ' ', sizeof row);
    char untDatum[10];
    std::size_t untDatumLength = 0;
    bool seenHi2 = false;
    bool seenHi3 = false;
    long long number = 1;

    IsybauLineReader reader(text);
    IsybauLine line;
    while (reader.next(line)) {
        if (line.isRecord('1')) {
            const std::string_view date = line.verbatim(5, 14);
            untDatumLength = date.size();
            if (!date.empty())
                std::memcpy(untDatum, date.data(), date.size());
        } else if (line.isRecord('2')) {
            seenHi2 = true;
            copyField(row, 70, line, 5, 14);
            copyField(row, 17, line, 20, 49);
        } else if (line.isRecord('3')) {
            seenHi3 = true;
            copyField(row, 48, line, 15, 24);
            copyField(row, 59, line, 25, 34);
            copyField(row, 82, line, 65, 70);
            copyField(row, 88, line, 39, 40);
            copyField(row, 91, line, 41, 44);
            copyField(row, 96, line, 45, 48);
        }
        if (seenHi2 && seenHi3) {
            // Running number left-aligned in positions 1-4; a longer number keeps its first four digits.
            const std::string digits = std::to_string(number);
            std::memcpy(row, digits.data(), std::min<std::size_t>(digits.size(), 4));
            std::memcpy(row + 4, untDatum, untDatumLength);
            listing.appendRow(std::string_view(row, sizeof row));
            std::memset(row, ' ', sizeof row);
            seenHi2 = seenHi3 = false;
            ++number;
        }
    }
    listing.setLastUntDatum(std::string_view(untDatum, untDatumLength));
    return listing;
}
