#include "excel/cellrect.h"

#include <algorithm>
#include <cctype>

namespace {

struct Ref {
    int row = 0;    // 0: not given
    int column = 0; // 0: not given
};

// One reference: letters and/or digits, each optionally preceded by '$'.
std::optional<Ref> parseRef(std::string_view text) {
    Ref ref;
    std::size_t i = 0;
    if (i < text.size() && text[i] == '$')
        ++i;
    long column = 0;
    std::size_t letters = 0;
    while (i < text.size() && std::isalpha(static_cast<unsigned char>(text[i]))) {
        column = column * 26 + (std::toupper(static_cast<unsigned char>(text[i])) - 'A' + 1);
        if (++letters > 3)
            return std::nullopt;
        ++i;
    }
    if (i < text.size() && text[i] == '$') {
        if (letters == 0)
            return std::nullopt;
        ++i;
    }
    long row = 0;
    std::size_t digits = 0;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
        row = row * 10 + (text[i] - '0');
        if (++digits > 7)
            return std::nullopt;
        ++i;
    }
    if (i != text.size() || (letters == 0 && digits == 0))
        return std::nullopt;
    if (letters && (column < 1 || column > CellRect::MaxColumns))
        return std::nullopt;
    if (digits && (row < 1 || row > CellRect::MaxRows))
        return std::nullopt;
    ref.column = static_cast<int>(column);
    ref.row = static_cast<int>(row);
    return ref;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

} // namespace

std::string columnName(int column) {
    std::string name;
    for (; column > 0; column = (column - 1) / 26)
        name.insert(name.begin(), static_cast<char>('A' + (column - 1) % 26));
    return name;
}

std::string CellRect::address() const {
    if (entireColumns() && !entireRows())
        return "$" + columnName(left) + ":$" + columnName(right);
    if (entireRows() && !entireColumns())
        return "$" + std::to_string(top) + ":$" + std::to_string(bottom);
    std::string text = "$" + columnName(left) + "$" + std::to_string(top);
    if (rows() > 1 || columns() > 1)
        text += ":$" + columnName(right) + "$" + std::to_string(bottom);
    return text;
}

std::optional<CellRect> CellRect::parse(std::string_view text) {
    text = trimmed(text);
    const std::size_t colon = text.find(':');
    const auto first = parseRef(text.substr(0, colon));
    if (!first)
        return std::nullopt;
    if (colon == std::string_view::npos) {
        if (!first->row || !first->column)
            return std::nullopt;
        return CellRect{first->row, first->column, first->row, first->column};
    }
    const auto second = parseRef(text.substr(colon + 1));
    if (!second)
        return std::nullopt;
    CellRect rect;
    if (first->row && first->column && second->row && second->column) {
        rect = {first->row, first->column, second->row, second->column};
    } else if (!first->row && !second->row && first->column && second->column) {
        rect = {1, first->column, MaxRows, second->column};
    } else if (!first->column && !second->column && first->row && second->row) {
        rect = {first->row, 1, second->row, MaxColumns};
    } else {
        return std::nullopt;
    }
    if (rect.top > rect.bottom)
        std::swap(rect.top, rect.bottom);
    if (rect.left > rect.right)
        std::swap(rect.left, rect.right);
    return rect;
}

std::optional<CellRect> CellRect::parseColumns(std::string_view text) {
    text = trimmed(text);
    if (text.find(':') == std::string_view::npos) {
        const auto ref = parseRef(text);
        if (!ref || ref->row || !ref->column)
            return std::nullopt;
        return CellRect{1, ref->column, MaxRows, ref->column};
    }
    const auto rect = parse(text);
    if (!rect || !rect->entireColumns())
        return std::nullopt;
    return rect;
}
