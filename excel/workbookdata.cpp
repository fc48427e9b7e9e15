#include "excel/workbookdata.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

constexpr std::string_view SheetBaseName = "Tabelle";
constexpr std::size_t MaxSheetName = 31;
constexpr double MaxWidth = 255.0;

// Windows-1252 lower case of every byte: A-Z, À-Þ (but ×), Š Œ Ž and Ÿ.
constexpr std::array<unsigned char, 256> FoldTable = [] {
    std::array<unsigned char, 256> table{};
    for (int c = 0; c < 256; ++c) {
        int folded = c;
        if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
            folded = c + 0x20;
        else if (c == 0x8A || c == 0x8C || c == 0x8E)
            folded = c + 0x10;
        else if (c == 0x9F)
            folded = 0xFF;
        table[static_cast<std::size_t>(c)] = static_cast<unsigned char>(folded);
    }
    return table;
}();

// Width in pixels of one character in the standard font (Arial 10 at 96 dpi); a digit is 7 pixels.
int charPixels(unsigned char c) {
    switch (c) {
    case 'i':
    case 'j':
    case 'l':
    case '.':
    case ',':
    case ':':
    case ';':
    case '\'':
    case '|':
    case '!':
    case 'I':
        return 3;
    case ' ':
    case 'f':
    case 't':
    case 'r':
    case '(':
    case ')':
    case '[':
    case ']':
    case '/':
    case '\\':
    case '-':
        return 4;
    case 'm':
    case 'M':
    case 'W':
    case 0x89:
    case 0x8C:
    case 0x9C:
        return 11;
    case 'w':
        return 9;
    default:
        break;
    }
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE))
        return 9;
    return 7;
}

// Formulas read the cells of their own sheet; a chain of formulas deeper than this counts as circular.
constexpr int MaxFormulaDepth = 64;

class SheetCells final : public FormulaCells {
public:
    SheetCells(const WorkbookData& book, const SheetData& sheet, int depth)
        : m_book(book), m_sheet(sheet), m_depth(depth) {}

    FormulaValue cell(int row, int column) const override {
        const Cell* cell = m_sheet.find(row - 1, column - 1);
        return cell ? m_book.cellValue(m_sheet, *cell, m_depth + 1) : FormulaValue{};
    }
    void forEach(const CellRect& rect, const std::function<void(const FormulaValue&)>& visit) const override {
        m_sheet.visitCells(rect,
                           [&](const Cell& cell) { visit(m_book.cellValue(m_sheet, cell, m_depth + 1)); });
    }

private:
    const WorkbookData& m_book;
    const SheetData& m_sheet;
    int m_depth;
};

} // namespace

bool equalsNoCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return FoldTable[static_cast<unsigned char>(x)] == FoldTable[static_cast<unsigned char>(y)];
    });
}

WorkbookData::WorkbookData(std::string bookName) : name(std::move(bookName)) {
    sheets.push_back(std::make_shared<SheetData>(std::string(SheetBaseName) + "1"));
    m_sheetCounter = 1;
}

std::shared_ptr<SheetData> WorkbookData::addSheet() {
    std::string sheetName;
    do {
        sheetName = std::string(SheetBaseName) + std::to_string(++m_sheetCounter);
    } while (findSheet(sheetName));
    auto sheet = std::make_shared<SheetData>(sheetName);
    const int position = std::clamp(activeSheet, 0, static_cast<int>(sheets.size()));
    sheets.insert(sheets.begin() + position, sheet);
    activeSheet = position;
    return sheet;
}

std::shared_ptr<SheetData> WorkbookData::findSheet(std::string_view sheetName) const {
    for (const auto& sheet : sheets)
        if (equalsNoCase(sheet->name(), sheetName))
            return sheet;
    return nullptr;
}

std::string WorkbookData::sheetNameProblem(std::string_view sheetName, const SheetData* sheet) const {
    if (sheetName.empty())
        return "a sheet name must not be empty";
    if (sheetName.size() > MaxSheetName)
        return "a sheet name has at most 31 characters";
    if (sheetName.find_first_of(":\\/?*[]") != std::string_view::npos)
        return "a sheet name must not hold any of : \\ / ? * [ ]";
    if (sheetName.front() == '\'' || sheetName.back() == '\'')
        return "a sheet name must not begin or end with an apostrophe";
    if (equalsNoCase(sheetName, "History"))
        return "\"History\" is reserved";
    const auto other = findSheet(sheetName);
    if (other && other.get() != sheet)
        return "another sheet already has that name";
    return {};
}

FormulaValue WorkbookData::cellValue(const SheetData& sheet, const Cell& cell, int depth) const {
    FormulaValue value;
    switch (cell.kind) {
    case CellKind::Blank:
        break;
    case CellKind::Number:
        value.type = FormulaValue::Type::Number;
        value.number = cell.number();
        break;
    case CellKind::Text:
        value.type = FormulaValue::Type::Text;
        value.text = std::string(strings.at(static_cast<std::uint32_t>(cell.payload)));
        break;
    case CellKind::Bool:
        value.type = FormulaValue::Type::Bool;
        value.boolean = cell.payload != 0;
        break;
    case CellKind::Formula:
        if (depth > MaxFormulaDepth) {
            value.type = FormulaValue::Type::Error;
            value.error = FormulaValue::WrongType;
            break;
        }
        value = Formula(sheet.formula(static_cast<std::uint32_t>(cell.payload)))
                    .evaluate(SheetCells(*this, sheet, depth));
        break;
    }
    return value;
}

std::string WorkbookData::shownText(const SheetData& sheet, const Cell& cell) const {
    switch (cell.kind) {
    case CellKind::Blank:
        return {};
    case CellKind::Text:
        return std::string(strings.at(static_cast<std::uint32_t>(cell.payload)));
    case CellKind::Bool:
        return cell.payload ? "WAHR" : "FALSCH";
    case CellKind::Formula: {
        const FormulaValue value = cellValue(sheet, cell);
        switch (value.type) {
        case FormulaValue::Type::Number: {
            Cell shown;
            shown.kind = CellKind::Number;
            shown.payload = Cell::numberBits(value.number);
            return shownText(sheet, shown);
        }
        case FormulaValue::Type::Text:
            return value.text;
        case FormulaValue::Type::Bool:
            return value.boolean ? "WAHR" : "FALSCH";
        case FormulaValue::Type::Error:
            return value.error == FormulaValue::DivisionByZero ? "#DIV/0!" : "#WERT!";
        case FormulaValue::Type::Blank:
            return "0";
        }
        return {};
    }
    case CellKind::Number: {
        // The general format shows up to eleven characters of a number.
        char text[40];
        const double value = cell.number();
        for (int digits = 10; digits >= 1; --digits) {
            std::snprintf(text, sizeof text, "%.*G", digits, value);
            if (std::strlen(text) <= 11)
                break;
        }
        return text;
    }
    }
    return {};
}

void WorkbookData::autoFit(SheetData& sheet, int left, int right) const {
    const int last = std::min(right, std::max(sheet.columnCount(), left));
    std::vector<int> pixels(static_cast<std::size_t>(last - left + 1), 0);
    const CellRect rect{1, left, CellRect::MaxRows, last};
    const auto measure = [](std::string_view text) {
        int width = 0;
        for (const char c : text)
            width += charPixels(static_cast<unsigned char>(c));
        return width;
    };
    sheet.visitCells(rect, [&](const Cell& cell) {
        const int width = cell.kind == CellKind::Text
                              ? measure(strings.at(static_cast<std::uint32_t>(cell.payload)))
                              : measure(shownText(sheet, cell));
        int& widest = pixels[static_cast<std::size_t>(cell.column - (left - 1))];
        widest = std::max(widest, width);
    });
    for (int c = left; c <= last; ++c) {
        const int width = pixels[static_cast<std::size_t>(c - left)];
        if (width == 0) {
            if (sheet.column(c - 1).width >= 0)
                sheet.setColumnWidth(c - 1, SheetData::StandardWidth);
            continue;
        }
        // Excel adds a margin of a few pixels and keeps widths in 1/256 of a character.
        const double chars = std::ceil((width + 3) / 7.0 * 256.0) / 256.0;
        sheet.setColumnWidth(c - 1, std::min(chars, MaxWidth));
    }
}
