#pragma once

#include <string_view>

class MessageBoxes;

// The listing grid as a manhole search walks it: its rows, one listing row per cell, and the row it
// marks as selected (and scrolls into view) when a row matches.
class SearchGrid {
public:
    virtual ~SearchGrid() = default;
    virtual int searchRowCount() const = 0;
    virtual std::string_view searchRowText(int row) const = 0;
    virtual void selectSearchRow(int row) = 0;
};

// How a search pass ended.
enum class SearchEnd { NoText, Cancelled, NotFound, NoFurtherFound };

inline constexpr std::string_view FoundMessage = "Schacht gefunden, Weitersuchen mit OK";
inline constexpr std::string_view FoundCaption = " Meldung";
inline constexpr std::string_view NotFoundMessage = "Schacht nicht gefunden";
inline constexpr std::string_view NoFurtherMessage = "Keinen weiteren Schacht gefunden";
inline constexpr std::string_view SearchEndCaption = "Meldung";

// True when the start manhole (row positions 48-57) or the end manhole (59-68) begins with the search
// text, compared byte for byte. Each field is cut at the end of the row, so a shorter field, and any
// search text of more than ten characters, does not match.
bool manholeMatches(std::string_view listingRow, std::string_view searchText) noexcept;

// One search pass: from the first row to the last, selects each matching row and asks whether to go
// on; Cancel ends the pass with that row selected. An empty search text does nothing.
SearchEnd runManholeSearch(std::string_view searchText, SearchGrid& grid, MessageBoxes& boxes);
