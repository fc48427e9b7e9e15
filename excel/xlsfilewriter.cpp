#include "excel/xlsfilewriter.h"

#include "excel/compoundfilewriter.h"
#include "excel/workbookdata.h"
#include "record/cp1252.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <map>
#include <set>
#include <stdexcept>

namespace {

static_assert(std::endian::native == std::endian::little, "cell numbers are copied as they lie in memory");

constexpr int MaxRows = 65536;
constexpr int MaxColumns = 256;
constexpr std::size_t MaxRecordData = 8224;
constexpr std::uint16_t DefaultCellXf = 15;
constexpr std::uint16_t FirstCustomFormat = 164;

enum Record : std::uint16_t {
    Bof = 0x0809,
    Eof = 0x000A,
    CodePage = 0x0042,
    Window1 = 0x003D,
    DateMode = 0x0022,
    Font = 0x0031,
    Format = 0x041E,
    Xf = 0x00E0,
    Style = 0x0293,
    BoundSheet = 0x0085,
    Sst = 0x00FC,
    ExtSst = 0x00FF,
    Continue = 0x003C,
    ColInfo = 0x007D,
    Dimensions = 0x0200,
    Blank = 0x0201,
    Number = 0x0203,
    BoolErr = 0x0205,
    LabelSst = 0x00FD,
    FormulaCell = 0x0006,
    FormulaText = 0x0207,
    Window2 = 0x023E,
};

// Builds one record at a time and hands it to the compound file.
class RecordStream {
public:
    explicit RecordStream(CompoundFileWriter& out) : m_out(out) { m_data.reserve(MaxRecordData + 4); }

    void begin(std::uint16_t type) {
        m_type = type;
        m_data.clear();
        m_start = m_out.position();
    }
    void end() {
        std::uint8_t head[4];
        head[0] = static_cast<std::uint8_t>(m_type);
        head[1] = static_cast<std::uint8_t>(m_type >> 8);
        head[2] = static_cast<std::uint8_t>(m_data.size());
        head[3] = static_cast<std::uint8_t>(m_data.size() >> 8);
        m_out.write(head, 4);
        m_out.write(m_data.data(), m_data.size());
    }
    void record(std::uint16_t type) {
        begin(type);
        end();
    }

    void u8(std::uint8_t v) { m_data.push_back(v); }
    void u16(std::uint16_t v) {
        u8(static_cast<std::uint8_t>(v));
        u8(static_cast<std::uint8_t>(v >> 8));
    }
    void u32(std::uint32_t v) {
        u16(static_cast<std::uint16_t>(v));
        u16(static_cast<std::uint16_t>(v >> 16));
    }
    void f64(double v) {
        std::uint64_t bits;
        std::memcpy(&bits, &v, 8);
        u32(static_cast<std::uint32_t>(bits));
        u32(static_cast<std::uint32_t>(bits >> 32));
    }

    std::size_t size() const noexcept { return m_data.size(); }
    std::uint64_t recordStart() const noexcept { return m_start; }
    std::uint64_t position() const noexcept { return m_out.position(); }

    // Writes a small complete record (a cell, up to 16 bytes) straight through, bypassing the buffer.
    void direct(std::uint16_t type, const std::uint8_t* data, std::uint16_t size) {
        std::uint8_t bytes[4 + 16] = {static_cast<std::uint8_t>(type), static_cast<std::uint8_t>(type >> 8),
                                      static_cast<std::uint8_t>(size), static_cast<std::uint8_t>(size >> 8)};
        std::memcpy(bytes + 4, data, std::min<std::size_t>(size, 16));
        m_out.write(bytes, 4u + std::min<std::size_t>(size, 16));
    }

private:
    CompoundFileWriter& m_out;
    std::vector<std::uint8_t> m_data;
    std::uint16_t m_type = 0;
    std::uint64_t m_start = 0;
};

// A text as the file stores it: 8-bit when every character is below 256, else UTF-16.
struct FileText {
    std::u16string wide;
    std::string_view narrow;
    bool high = false;
    std::size_t length() const noexcept { return high ? wide.size() : narrow.size(); }
};

FileText fileText(std::string_view text) {
    FileText out;
    // Bytes outside 0x80..0x9F are their own Unicode characters.
    const bool plain = std::none_of(text.begin(), text.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return b >= 0x80 && b < 0xA0;
    });
    if (plain) {
        out.narrow = text;
    } else {
        out.wide = cp1252ToUtf16(text);
        out.high = std::any_of(out.wide.begin(), out.wide.end(), [](char16_t c) { return c > 0xFF; });
        if (!out.high) {
            // Only the undefined bytes (kept as C1 controls) were in that range.
            out.narrow = text;
        }
    }
    return out;
}

void putChars(RecordStream& s, const FileText& text, std::size_t from, std::size_t count) {
    for (std::size_t i = from; i < from + count; ++i) {
        if (text.high)
            s.u16(static_cast<std::uint16_t>(text.wide[i]));
        else
            s.u8(static_cast<std::uint8_t>(text.narrow[i]));
    }
}

// ShortXLUnicodeString (8-bit length) or XLUnicodeString (16-bit length).
void putString(RecordStream& s, std::string_view text, bool shortLength) {
    const FileText ft = fileText(text);
    if (shortLength)
        s.u8(static_cast<std::uint8_t>(ft.length()));
    else
        s.u16(static_cast<std::uint16_t>(ft.length()));
    s.u8(ft.high ? 1 : 0);
    putChars(s, ft, 0, ft.length());
}

std::uint16_t builtinFormat(const std::string& format) {
    static const std::map<std::string, std::uint16_t> builtins = {
        {"General", 0}, {"0", 1},      {"0.00", 2},      {"#,##0", 3}, {"#,##0.00", 4},
        {"0%", 9},      {"0.00%", 10}, {"0.00E+00", 11}, {"@", 49},
    };
    const auto it = builtins.find(format);
    return it == builtins.end() ? 0xFFFF : it->second;
}

// One sheet of the file: a part of a workbook sheet.
struct SheetPart {
    const SheetData* sheet;
    std::string name;
    int firstRow;      // 0-based source row of the part's first row (after the copied header)
    int rowCount;      // source rows in the part
    bool copiesHeader; // row 1 of the sheet comes first
    std::uint64_t boundSheetPosition = 0;
};

std::string partName(const std::string& base, int number, const std::set<std::string>& taken) {
    for (;; ++number) {
        const std::string suffix = " (" + std::to_string(number) + ")";
        std::string name = base.substr(0, 31 - std::min<std::size_t>(31, suffix.size())) + suffix;
        bool clash = false;
        for (const auto& other : taken)
            clash = clash || equalsNoCase(other, name);
        if (!clash)
            return name;
    }
}

std::vector<SheetPart> splitSheets(const WorkbookData& book) {
    std::set<std::string> taken;
    for (const auto& sheet : book.sheets)
        taken.insert(sheet->name());
    std::vector<SheetPart> parts;
    for (const auto& sheet : book.sheets) {
        const int rows = sheet->rowCount();
        parts.push_back({sheet.get(), sheet->name(), 0, std::min(rows, MaxRows), false});
        int number = 2;
        for (int first = MaxRows; first < rows; first += MaxRows - 1) {
            std::string name = partName(sheet->name(), number++, taken);
            taken.insert(name);
            parts.push_back({sheet.get(), name, first, std::min(rows - first, MaxRows - 1), true});
        }
    }
    return parts;
}

std::uint16_t xfIndex(std::uint16_t style) {
    return style == 0 ? DefaultCellXf : static_cast<std::uint16_t>(DefaultCellXf + style);
}

void writeXf(RecordStream& s, std::uint16_t format, const CellStyle* style) {
    s.begin(Xf);
    s.u16(0); // font
    s.u16(format);
    if (!style) {
        s.u16(0xFFF5); // locked, style record, no parent
        s.u8(0x20);    // bottom aligned
        s.u8(0);
        s.u8(0);
        s.u8(0);
        s.u32(0);
        s.u32(0);
        s.u16(0x20C0);
        s.end();
        return;
    }
    s.u16(0x0001); // locked, parent style 0
    s.u8(0x20);
    s.u8(0);
    s.u8(0);
    const bool hasBorder =
        std::any_of(style->borders.begin(), style->borders.end(), [](auto b) { return b != 0; });
    std::uint8_t used = 0;
    if (format != 0)
        used |= 0x04;
    if (hasBorder)
        used |= 0x20;
    if (style->fillColorIndex)
        used |= 0x40;
    s.u8(used);
    const auto line = [&](CellSide side) {
        return std::uint32_t{style->borders[static_cast<std::size_t>(side)]};
    };
    const auto colour = [&](CellSide side) { return line(side) ? std::uint32_t{64} : std::uint32_t{0}; };
    s.u32(line(CellSide::Left) | line(CellSide::Right) << 4 | line(CellSide::Top) << 8 |
          line(CellSide::Bottom) << 12 | colour(CellSide::Left) << 16 | colour(CellSide::Right) << 23);
    const std::uint32_t solid = style->fillColorIndex ? 1u : 0u;
    s.u32(colour(CellSide::Top) | colour(CellSide::Bottom) << 7 | solid << 26);
    // Palette entry n is colour number n + 7 in the file.
    const std::uint16_t fore =
        style->fillColorIndex ? static_cast<std::uint16_t>(style->fillColorIndex + 7) : 64;
    s.u16(static_cast<std::uint16_t>(fore | 65 << 7));
    s.end();
}

class XlsWriter {
public:
    XlsWriter(const WorkbookData& book, CompoundFileWriter& out) : m_book(book), m_out(out), m_s(out) {}

    void write() {
        m_parts = splitSheets(m_book);
        writeGlobals();
        for (auto& part : m_parts)
            writeSheet(part);
        m_out.finish("Workbook");
    }

private:
    void writeGlobals() {
        beginSubstream(0x0005);
        m_s.begin(CodePage);
        m_s.u16(1200); // texts are Unicode
        m_s.end();
        m_s.begin(Window1);
        for (const std::uint16_t v : {0x01E0, 0x005A, 0x3FCF, 0x2A4E, 0x0038})
            m_s.u16(static_cast<std::uint16_t>(v));
        m_s.u16(static_cast<std::uint16_t>(activePart()));
        m_s.u16(0);
        m_s.u16(1);
        m_s.u16(0x0258);
        m_s.end();
        m_s.begin(DateMode);
        m_s.u16(0);
        m_s.end();
        for (int i = 0; i < 4; ++i) { // font 4 does not exist in the format; 0 to 3 are written
            m_s.begin(Font);
            m_s.u16(200); // 10 points
            m_s.u16(0);
            m_s.u16(0x7FFF);
            m_s.u16(400);
            m_s.u16(0);
            m_s.u8(0);
            m_s.u8(0);
            m_s.u8(0);
            m_s.u8(0);
            putString(m_s, "Arial", true);
            m_s.end();
        }
        std::vector<std::uint16_t> formats(m_book.styles.size(), 0);
        std::map<std::string, std::uint16_t> custom;
        for (std::size_t i = 0; i < m_book.styles.size(); ++i) {
            const std::string& text = m_book.styles.at(static_cast<std::uint16_t>(i)).numberFormat;
            std::uint16_t index = builtinFormat(text);
            if (index == 0xFFFF) {
                const auto [it, added] =
                    custom.emplace(text, static_cast<std::uint16_t>(FirstCustomFormat + custom.size()));
                index = it->second;
                if (added) {
                    m_s.begin(Format);
                    m_s.u16(index);
                    putString(m_s, text, false);
                    m_s.end();
                }
            }
            formats[i] = index;
        }
        for (int i = 0; i < 15; ++i)
            writeXf(m_s, 0, nullptr);
        writeXf(m_s, 0, &m_book.styles.at(0)); // the standard cell format, number 15
        for (std::size_t i = 1; i < m_book.styles.size(); ++i)
            writeXf(m_s, formats[i], &m_book.styles.at(static_cast<std::uint16_t>(i)));
        m_s.begin(Style);
        m_s.u16(0x8000); // built-in style "Normal" on format 0
        m_s.u8(0);
        m_s.u8(0xFF);
        m_s.end();
        for (auto& part : m_parts) {
            m_s.begin(BoundSheet);
            part.boundSheetPosition = m_s.position() + 4;
            m_s.u32(0); // the sheet's position, filled in when it is written
            m_s.u8(0);
            m_s.u8(0);
            putString(m_s, part.name, true);
            m_s.end();
        }
        writeSharedStrings();
        m_s.record(Eof);
    }

    int activePart() const {
        const SheetData* active = m_book.sheets[static_cast<std::size_t>(m_book.activeSheet)].get();
        for (std::size_t i = 0; i < m_parts.size(); ++i)
            if (m_parts[i].sheet == active)
                return static_cast<int>(i);
        return 0;
    }

    void beginSubstream(std::uint16_t kind) {
        m_s.begin(Bof);
        m_s.u16(0x0600);
        m_s.u16(kind);
        m_s.u16(0x0DBB);
        m_s.u16(0x07CC);
        m_s.u32(0);
        m_s.u32(6);
        m_s.end();
    }

    std::uint32_t textCellCount() const {
        std::uint64_t count = 0;
        for (const auto& part : m_parts) {
            const auto countRow = [&](int row) {
                if (row < part.sheet->rowCount())
                    for (const Cell& cell : part.sheet->row(row))
                        count += cell.kind == CellKind::Text;
            };
            if (part.copiesHeader)
                countRow(0);
            for (int r = part.firstRow; r < part.firstRow + part.rowCount; ++r)
                countRow(r);
        }
        return static_cast<std::uint32_t>(std::min<std::uint64_t>(count, 0xFFFFFFFF));
    }

    // The shared-string table, continued over CONTINUE records, and its index.
    void writeSharedStrings() {
        const std::uint32_t unique = m_book.strings.size();
        const std::uint32_t perBucket = std::max<std::uint32_t>(8, (unique + 1023) / 1024);
        std::vector<std::pair<std::uint32_t, std::uint16_t>> buckets;
        m_s.begin(Sst);
        m_s.u32(textCellCount());
        m_s.u32(unique);
        for (std::uint32_t i = 0; i < unique; ++i) {
            const FileText text = fileText(m_book.strings.at(i));
            const std::size_t charSize = text.high ? 2 : 1;
            if (m_s.size() + 3 + (text.length() ? charSize : 0) > MaxRecordData) {
                m_s.end();
                m_s.begin(Continue);
            }
            if (i % perBucket == 0)
                buckets.emplace_back(static_cast<std::uint32_t>(m_s.recordStart() + 4 + m_s.size()),
                                     static_cast<std::uint16_t>(4 + m_s.size()));
            m_s.u16(static_cast<std::uint16_t>(text.length()));
            m_s.u8(text.high ? 1 : 0);
            std::size_t done = 0;
            for (;;) {
                const std::size_t room = (MaxRecordData - m_s.size()) / charSize;
                const std::size_t count = std::min(room, text.length() - done);
                putChars(m_s, text, done, count);
                done += count;
                if (done == text.length())
                    break;
                m_s.end();
                m_s.begin(Continue);
                m_s.u8(text.high ? 1 : 0); // a continued text restates its character size
            }
        }
        m_s.end();
        m_s.begin(ExtSst);
        m_s.u16(static_cast<std::uint16_t>(perBucket));
        for (const auto& [position, offset] : buckets) {
            m_s.u32(position);
            m_s.u16(offset);
            m_s.u16(0);
        }
        m_s.end();
    }

    void writeSheet(SheetPart& part) {
        const auto start = static_cast<std::uint32_t>(m_s.position());
        std::uint8_t bytes[4] = {static_cast<std::uint8_t>(start), static_cast<std::uint8_t>(start >> 8),
                                 static_cast<std::uint8_t>(start >> 16),
                                 static_cast<std::uint8_t>(start >> 24)};
        m_out.patch(part.boundSheetPosition, bytes, 4);
        beginSubstream(0x0010);
        const SheetData& sheet = *part.sheet;

        const int usedColumns = std::min(sheet.columnCount(), MaxColumns);
        for (int c = 0; c < usedColumns;) {
            const ColumnInfo& info = sheet.column(c);
            int last = c;
            while (last + 1 < usedColumns && sheet.column(last + 1).width == info.width &&
                   sheet.column(last + 1).style == info.style)
                ++last;
            if (info.width >= 0 || info.style != 0) {
                const double width = info.width >= 0 ? info.width : SheetData::StandardWidth;
                m_s.begin(ColInfo);
                m_s.u16(static_cast<std::uint16_t>(c));
                m_s.u16(static_cast<std::uint16_t>(last));
                // Stored with the cell margin of 5 pixels at 7 pixels per character.
                m_s.u16(static_cast<std::uint16_t>(std::min(65535.0, (width * 7 + 5) / 7 * 256 + 0.5)));
                m_s.u16(xfIndex(info.style));
                m_s.u16(info.width >= 0 ? 0x0002 : 0x0000);
                m_s.u16(0);
                m_s.end();
            }
            c = last + 1;
        }

        int columns = 0;
        const auto scanRow = [&](int row) {
            if (row < sheet.rowCount() && !sheet.row(row).empty())
                columns = std::max(columns, sheet.row(row).back().column + 1);
        };
        if (part.copiesHeader)
            scanRow(0);
        for (int r = part.firstRow; r < part.firstRow + part.rowCount; ++r)
            scanRow(r);
        if (columns > MaxColumns)
            throw std::runtime_error("sheet \"" + sheet.name() + "\" has more columns than the format holds");
        const int rows = part.rowCount + (part.copiesHeader ? 1 : 0);
        m_s.begin(Dimensions);
        m_s.u32(0);
        m_s.u32(static_cast<std::uint32_t>(columns ? rows : 0));
        m_s.u16(0);
        m_s.u16(static_cast<std::uint16_t>(columns));
        m_s.u16(0);
        m_s.end();

        int target = 0;
        if (part.copiesHeader)
            writeRow(sheet, 0, target++);
        for (int r = part.firstRow; r < part.firstRow + part.rowCount; ++r)
            writeRow(sheet, r, target++);

        m_s.begin(Window2);
        const bool active = &m_parts[static_cast<std::size_t>(activePart())] == &part;
        m_s.u16(active ? 0x06B6 : 0x00B6);
        m_s.u16(0);
        m_s.u16(0);
        m_s.u16(64);
        m_s.u16(0);
        m_s.u16(0);
        m_s.u16(0);
        m_s.u32(0);
        m_s.end();
        m_s.record(Eof);
    }

    void writeRow(const SheetData& sheet, int row, int target) {
        if (row >= sheet.rowCount())
            return;
        std::uint8_t data[14];
        const auto put16 = [&](int at, std::uint16_t v) {
            data[at] = static_cast<std::uint8_t>(v);
            data[at + 1] = static_cast<std::uint8_t>(v >> 8);
        };
        for (const Cell& cell : sheet.row(row)) {
            put16(0, static_cast<std::uint16_t>(target));
            put16(2, cell.column);
            put16(4, xfIndex(cell.style));
            switch (cell.kind) {
            case CellKind::Blank:
                if (cell.style != 0)
                    m_s.direct(Blank, data, 6);
                break;
            case CellKind::Number:
                std::memcpy(data + 6, &cell.payload, 8); // little-endian IEEE double
                m_s.direct(Number, data, 14);
                break;
            case CellKind::Text: {
                const auto index = static_cast<std::uint32_t>(cell.payload);
                put16(6, static_cast<std::uint16_t>(index));
                put16(8, static_cast<std::uint16_t>(index >> 16));
                m_s.direct(LabelSst, data, 10);
                break;
            }
            case CellKind::Bool:
                data[6] = cell.payload ? 1 : 0;
                data[7] = 0;
                m_s.direct(BoolErr, data, 8);
                break;
            case CellKind::Formula:
                writeFormula(sheet, cell, target);
                break;
            }
        }
    }

    // A formula with its tokens and its result, marked to be calculated again when the file is opened.
    void writeFormula(const SheetData& sheet, const Cell& cell, int target) {
        const std::string& text = sheet.formula(static_cast<std::uint32_t>(cell.payload));
        std::vector<std::uint8_t> tokens;
        try {
            tokens = Formula(text).tokens();
        } catch (const std::exception& e) {
            throw std::runtime_error("\"" + text + "\": " + e.what());
        }
        const FormulaValue result = m_book.cellValue(sheet, cell);
        m_s.begin(FormulaCell);
        m_s.u16(static_cast<std::uint16_t>(target));
        m_s.u16(cell.column);
        m_s.u16(xfIndex(cell.style));
        const auto special = [&](std::uint8_t kind, std::uint8_t value) {
            for (const std::uint8_t b :
                 {kind, std::uint8_t{0}, value, std::uint8_t{0}, std::uint8_t{0}, std::uint8_t{0}})
                m_s.u8(b);
            m_s.u16(0xFFFF);
        };
        switch (result.type) {
        case FormulaValue::Type::Number:
            m_s.f64(result.number);
            break;
        case FormulaValue::Type::Text:
            special(0, 0);
            break;
        case FormulaValue::Type::Bool:
            special(1, result.boolean ? 1 : 0);
            break;
        case FormulaValue::Type::Error:
            special(2, result.error);
            break;
        case FormulaValue::Type::Blank:
            special(3, 0);
            break;
        }
        m_s.u16(0x0001); // calculate on load
        m_s.u32(0);
        m_s.u16(static_cast<std::uint16_t>(tokens.size()));
        for (const std::uint8_t b : tokens)
            m_s.u8(b);
        m_s.end();
        if (result.type == FormulaValue::Type::Text) {
            m_s.begin(FormulaText);
            putString(m_s, result.text.substr(0, 32767), false);
            m_s.end();
        }
    }

    const WorkbookData& m_book;
    CompoundFileWriter& m_out;
    RecordStream m_s;
    std::vector<SheetPart> m_parts;
};

} // namespace

void writeXlsFile(const WorkbookData& workbook, std::FILE* file) {
    CompoundFileWriter out(file);
    XlsWriter(workbook, out).write();
}
