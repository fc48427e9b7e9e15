#include "dialogs/manholesearch.h"

#include "app/messageboxes.h"

namespace {

// Positions of a listing row's field, counted from 1, cut at the end of the row.
std::string_view rowField(std::string_view row, std::size_t first, std::size_t last) noexcept {
    if (row.size() < first)
        return {};
    return row.substr(first - 1, last - first + 1);
}

bool fieldBeginsWith(std::string_view field, std::string_view searchText) noexcept {
    return field.size() >= searchText.size() && field.substr(0, searchText.size()) == searchText;
}

} // namespace

bool manholeMatches(std::string_view listingRow, std::string_view searchText) noexcept {
    return fieldBeginsWith(rowField(listingRow, 48, 57), searchText) ||
           fieldBeginsWith(rowField(listingRow, 59, 68), searchText);
}

SearchEnd runManholeSearch(std::string_view searchText, SearchGrid& grid, MessageBoxes& boxes) {
    if (searchText.empty())
        return SearchEnd::NoText;
    bool found = false;
    for (int row = 0; row < grid.searchRowCount(); ++row) {
        if (!manholeMatches(grid.searchRowText(row), searchText))
            continue;
        grid.selectSearchRow(row);
        found = true;
        if (boxes.show(FoundMessage, FoundCaption, MessageButtons::OkCancel) == MessageAnswer::Cancel)
            return SearchEnd::Cancelled;
    }
    if (!found) {
        boxes.show(NotFoundMessage, SearchEndCaption, MessageButtons::Ok);
        return SearchEnd::NotFound;
    }
    boxes.show(NoFurtherMessage, SearchEndCaption, MessageButtons::Ok);
    return SearchEnd::NoFurtherFound;
}
