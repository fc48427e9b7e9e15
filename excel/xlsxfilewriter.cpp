#include "excel/xlsxfilewriter.h"

#include "excel/excelpalette.h"
#include "excel/workbookdata.h"
#include "record/cp1252.h"

#include <xlsxwriter.h>

#include <stdexcept>
#include <vector>

namespace {

// Closes the workbook (writing it) exactly once, also when a failure leaves early.
class XlsxBook {
public:
    XlsxBook(const std::string& path, const std::string& tempFolder) : m_tempFolder(tempFolder) {
        lxw_workbook_options options{};
        options.constant_memory = LXW_TRUE;
        options.tmpdir = m_tempFolder.empty() ? nullptr : m_tempFolder.data();
        m_book = workbook_new_opt(path.c_str(), &options);
        if (!m_book)
            throw std::runtime_error("the workbook cannot be created");
    }
    ~XlsxBook() {
        if (m_book)
            workbook_close(m_book);
    }
    XlsxBook(const XlsxBook&) = delete;
    XlsxBook& operator=(const XlsxBook&) = delete;

    lxw_workbook* get() const noexcept { return m_book; }
    void close() {
        const lxw_error error = workbook_close(m_book);
        m_book = nullptr;
        if (error != LXW_NO_ERROR)
            throw std::runtime_error(std::string("the workbook cannot be written: ") + lxw_strerror(error));
    }

private:
    std::string m_tempFolder;
    lxw_workbook* m_book = nullptr;
};

void check(lxw_error error) {
    if (error != LXW_NO_ERROR)
        throw std::runtime_error(std::string("the workbook cannot be written: ") + lxw_strerror(error));
}

lxw_format* makeFormat(lxw_workbook* book, const CellStyle& style) {
    lxw_format* format = workbook_add_format(book);
    if (style.numberFormat != "General")
        format_set_num_format(format, cp1252ToUtf8(style.numberFormat).c_str());
    if (style.fillColorIndex) {
        format_set_pattern(format, LXW_PATTERN_SOLID);
        format_set_bg_color(format, static_cast<lxw_color_t>(paletteColor(style.fillColorIndex)));
    }
    // The line codes are libxlsxwriter's border styles.
    const auto& b = style.borders;
    if (b[static_cast<std::size_t>(CellSide::Left)])
        format_set_left(format, b[static_cast<std::size_t>(CellSide::Left)]);
    if (b[static_cast<std::size_t>(CellSide::Right)])
        format_set_right(format, b[static_cast<std::size_t>(CellSide::Right)]);
    if (b[static_cast<std::size_t>(CellSide::Top)])
        format_set_top(format, b[static_cast<std::size_t>(CellSide::Top)]);
    if (b[static_cast<std::size_t>(CellSide::Bottom)])
        format_set_bottom(format, b[static_cast<std::size_t>(CellSide::Bottom)]);
    return format;
}

} // namespace

void writeXlsxFile(const WorkbookData& workbook, const std::string& path, const std::string& tempFolder) {
    XlsxBook book(path, tempFolder);
    std::vector<lxw_format*> formats(workbook.styles.size(), nullptr);
    for (std::size_t i = 1; i < workbook.styles.size(); ++i)
        formats[i] = makeFormat(book.get(), workbook.styles.at(static_cast<std::uint16_t>(i)));

    std::vector<lxw_worksheet*> sheets;
    for (const auto& sheet : workbook.sheets) {
        lxw_worksheet* out = workbook_add_worksheet(book.get(), cp1252ToUtf8(sheet->name()).c_str());
        if (!out)
            throw std::runtime_error("the sheet \"" + sheet->name() + "\" cannot be added");
        sheets.push_back(out);
    }
    const std::size_t active = static_cast<std::size_t>(workbook.activeSheet);
    if (active < sheets.size())
        worksheet_activate(sheets[active]);

    std::string utf8;
    for (std::size_t s = 0; s < sheets.size(); ++s) {
        const SheetData& sheet = *workbook.sheets[s];
        lxw_worksheet* out = sheets[s];
        const int columns = sheet.columnCount();
        for (int c = 0; c < columns; ++c) {
            const ColumnInfo& info = sheet.column(c);
            if (info.width < 0 && info.style == 0)
                continue;
            check(worksheet_set_column(out, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c),
                                       info.width >= 0 ? info.width : LXW_DEF_COL_WIDTH,
                                       formats[info.style]));
        }
        for (int r = 0; r < sheet.rowCount(); ++r) {
            const auto row = static_cast<lxw_row_t>(r);
            for (const Cell& cell : sheet.row(r)) {
                const auto column = static_cast<lxw_col_t>(cell.column);
                lxw_format* format = formats[cell.style];
                switch (cell.kind) {
                case CellKind::Blank:
                    if (format)
                        check(worksheet_write_blank(out, row, column, format));
                    break;
                case CellKind::Number:
                    check(worksheet_write_number(out, row, column, cell.number(), format));
                    break;
                case CellKind::Text:
                    utf8 = cp1252ToUtf8(workbook.strings.at(static_cast<std::uint32_t>(cell.payload)));
                    check(worksheet_write_string(out, row, column, utf8.c_str(), format));
                    break;
                case CellKind::Bool:
                    check(worksheet_write_boolean(out, row, column, cell.payload != 0, format));
                    break;
                case CellKind::Formula: {
                    // The result goes along, so that a reader that does not calculate sees it too.
                    utf8 = cp1252ToUtf8(sheet.formula(static_cast<std::uint32_t>(cell.payload)));
                    const FormulaValue result = workbook.cellValue(sheet, cell);
                    if (result.type == FormulaValue::Type::Text)
                        check(worksheet_write_formula_str(out, row, column, utf8.c_str(), format,
                                                          cp1252ToUtf8(result.text).c_str()));
                    else
                        check(worksheet_write_formula_num(
                            out, row, column, utf8.c_str(), format,
                            result.type == FormulaValue::Type::Number ? result.number : 0));
                    break;
                }
                }
            }
        }
    }
    book.close();
}
