#include "excel/workbookengine.h"

#include "excel/automationerror.h"
#include "excel/autoobject.h"
#include "excel/cellrect.h"
#include "excel/workbookdata.h"
#include "excel/workbookfile.h"

#include <cmath>
#include <limits>

// The engine's automation objects. Each is a thin handle on the shared state of the instance (the
// application, a workbook, a sheet, a rectangle of cells), as Excel's objects are handles on its
// document; any number of them may refer to the same data.

namespace {

constexpr std::size_t MaxTextLength = 32767;        // characters in one cell
constexpr long long MaxCellsPerCall = 4'000'000;    // cells one call may create or fill
constexpr std::int32_t ColorIndexNone = -4142;      // xlColorIndexNone, also xlLineStyleNone
constexpr std::int32_t ColorIndexAutomatic = -4105; // xlColorIndexAutomatic
constexpr std::int32_t FileFormatXls = 56;          // xlExcel8
constexpr std::int32_t FileFormatXlsx = 51;         // xlOpenXMLWorkbook

struct ApplicationState {
    bool visible = false;
    bool displayAlerts = true;
    bool quit = false;
    std::vector<std::shared_ptr<WorkbookData>> workbooks;
    std::shared_ptr<WorkbookData> active;
    int workbookCounter = 0;
};
using AppPtr = std::shared_ptr<ApplicationState>;
using BookPtr = std::shared_ptr<WorkbookData>;
using SheetPtr = std::shared_ptr<SheetData>;

[[noreturn]] void raise(AutomationErrorKind kind, const std::string& what) {
    throw AutomationError(kind, what);
}

[[noreturn]] void unknownMember(const char* cls, std::string_view member, InvokeKind kind) {
    const char* how = kind == InvokeKind::Method        ? "method"
                      : kind == InvokeKind::PropertyGet ? "readable property"
                                                        : "writable property";
    raise(AutomationErrorKind::UnknownMember,
          std::string(cls) + " has no " + how + " \"" + std::string(member) + "\"");
}

// A property read may also come as a method call, as automation clients commonly send both flags.
bool isGet(InvokeKind kind) {
    return kind != InvokeKind::PropertyPut;
}

void expectCount(std::span<const AutoValue> args, std::size_t least, std::size_t most,
                 std::string_view member) {
    if (args.size() < least || args.size() > most)
        raise(AutomationErrorKind::BadArguments,
              "wrong number of arguments for \"" + std::string(member) + "\"");
}

// Automation coercions, as the application applies them to the arguments it gets.
std::int32_t toInt(const AutoValue& value, std::string_view member) {
    switch (value.type()) {
    case AutoValue::Type::Int32:
        return value.asInt();
    case AutoValue::Type::Bool:
        return value.asBool() ? -1 : 0;
    case AutoValue::Type::Double: {
        const double d = std::nearbyint(value.asDouble());
        if (d >= std::numeric_limits<std::int32_t>::min() && d <= std::numeric_limits<std::int32_t>::max())
            return static_cast<std::int32_t>(d);
        break;
    }
    default:
        break;
    }
    raise(AutomationErrorKind::BadArguments,
          "\"" + std::string(member) + "\" needs a number, not " + value.describe());
}

bool toBool(const AutoValue& value, std::string_view member) {
    if (value.type() == AutoValue::Type::Bool)
        return value.asBool();
    return toInt(value, member) != 0;
}

const std::string& toText(const AutoValue& value, std::string_view member) {
    if (value.type() != AutoValue::Type::String)
        raise(AutomationErrorKind::BadArguments,
              "\"" + std::string(member) + "\" needs a text, not " + value.describe());
    return value.asString();
}

class EngineObject : public AutoObject {
protected:
    // The object that derives keeps the state alive.
    explicit EngineObject(const ApplicationState& state) : m_state(state) {}

    void checkAlive() const {
        if (m_state.quit)
            raise(AutomationErrorKind::ApplicationError, "the application has been quit");
    }
    static void checkOpen(const WorkbookData& book) {
        if (book.closed)
            raise(AutomationErrorKind::ApplicationError,
                  "the workbook \"" + book.name + "\" has been closed");
    }

    const ApplicationState& m_state;
};

// An object above the sheets: it holds the application state itself.
class AppObject : public EngineObject {
protected:
    explicit AppObject(AppPtr app) : EngineObject(*app), m_app(std::move(app)) {}

    AppPtr m_app;
};

// A sheet with its workbook and application: what every object on the sheet refers to, shared by them
// all so that a new cell object costs one reference.
struct SheetContext {
    AppPtr app;
    BookPtr book;
    SheetPtr sheet;
};
using ContextPtr = std::shared_ptr<const SheetContext>;

AutoValue makeWorksheet(const AppPtr& app, const BookPtr& book, const SheetPtr& sheet);
AutoValue makeRange(const ContextPtr& context, const CellRect& rect);

// A rectangle of cells of one sheet: Range, Cells, Columns, EntireColumn and single cells.
struct RangeTarget {
    ContextPtr context;
    CellRect rect;

    WorkbookData& book() const { return *context->book; }
    SheetData& sheet() const { return *context->sheet; }
    const ApplicationState& state() const { return *context->app; }

    // Changes the style of every cell of the rectangle (and of whole columns) through `edit`.
    template <typename Edit> void restyle(Edit edit) const {
        if (!rect.entireColumns() && rect.cellCount() > MaxCellsPerCall)
            raise(AutomationErrorKind::ApplicationError,
                  "the range " + rect.address() + " is too large to format");
        WorkbookData& wb = book();
        sheet().restyle(rect, [&](std::uint16_t index) {
            CellStyle style = wb.styles.at(index);
            edit(style);
            try {
                return wb.styles.intern(style);
            } catch (const std::length_error& e) {
                raise(AutomationErrorKind::ApplicationError, e.what());
            }
        });
    }

    // The style of the first cell (or of its column when the cell does not exist).
    const CellStyle& firstStyle() const {
        const Cell* cell = sheet().find(rect.top - 1, rect.left - 1);
        return book().styles.at(cell ? cell->style : sheet().column(rect.left - 1).style);
    }
};

class InteriorObject final : public EngineObject {
public:
    explicit InteriorObject(RangeTarget target) : EngineObject(target.state()), m_target(std::move(target)) {}

    AutoValue invoke(std::string_view member, InvokeKind kind, std::span<const AutoValue> args) override {
        checkAlive();
        checkOpen(m_target.book());
        if (equalsNoCase(member, "ColorIndex")) {
            if (isGet(kind)) {
                const int index = m_target.firstStyle().fillColorIndex;
                return AutoValue(static_cast<std::int32_t>(index ? index : ColorIndexNone));
            }
            expectCount(args, 1, 1, member);
            const std::int32_t index = toInt(args.back(), member);
            if (index != ColorIndexNone && index != ColorIndexAutomatic && (index < 1 || index > 56))
                raise(AutomationErrorKind::ApplicationError,
                      "ColorIndex " + std::to_string(index) + " is not in the palette");
            const auto fill = static_cast<std::int16_t>(index > 0 ? index : 0);
            m_target.restyle([fill](CellStyle& style) { style.fillColorIndex = fill; });
            return {};
        }
        unknownMember("Interior", member, kind);
    }

private:
    RangeTarget m_target;
};

// Which cell sides a Borders index stands for, and whether only the outer edge of the range is meant.
struct BorderIndex {
    CellSide side;
    bool edgeOnly;
    bool inside;
};

BorderIndex borderIndex(std::int32_t index) {
    switch (index) {
    case 1:
        return {CellSide::Left, false, false};
    case 2:
        return {CellSide::Right, false, false};
    case 3:
        return {CellSide::Top, false, false};
    case 4:
        return {CellSide::Bottom, false, false};
    case 7:
        return {CellSide::Left, true, false}; // xlEdgeLeft
    case 8:
        return {CellSide::Top, true, false}; // xlEdgeTop
    case 9:
        return {CellSide::Bottom, true, false}; // xlEdgeBottom
    case 10:
        return {CellSide::Right, true, false}; // xlEdgeRight
    case 11:
        return {CellSide::Left, false, true}; // xlInsideVertical
    case 12:
        return {CellSide::Top, false, true}; // xlInsideHorizontal
    default:
        break;
    }
    raise(AutomationErrorKind::ApplicationError, "Borders(" + std::to_string(index) + ") does not exist");
}

// XlLineStyle values and the line codes of the files.
std::uint8_t lineCode(std::int32_t lineStyle) {
    switch (lineStyle) {
    case 1:
        return 1; // xlContinuous
    case -4115:
        return 3; // xlDash
    case -4118:
        return 4; // xlDot
    case -4119:
        return 6; // xlDouble
    case 4:
        return 9; // xlDashDot
    case 5:
        return 11; // xlDashDotDot
    case 13:
        return 13; // xlSlantDashDot
    case ColorIndexNone:
        return 0; // xlLineStyleNone
    default:
        break;
    }
    raise(AutomationErrorKind::ApplicationError,
          "LineStyle " + std::to_string(lineStyle) + " does not exist");
}

std::int32_t lineStyleOf(std::uint8_t code) {
    switch (code) {
    case 1:
        return 1;
    case 3:
        return -4115;
    case 4:
        return -4118;
    case 6:
        return -4119;
    case 9:
        return 4;
    case 11:
        return 5;
    case 13:
        return 13;
    default:
        return ColorIndexNone;
    }
}

class BorderObject final : public EngineObject {
public:
    BorderObject(RangeTarget target, std::vector<std::int32_t> indexes)
        : EngineObject(target.state()), m_target(std::move(target)), m_indexes(std::move(indexes)) {}

    AutoValue invoke(std::string_view member, InvokeKind kind, std::span<const AutoValue> args) override {
        checkAlive();
        checkOpen(m_target.book());
        if (equalsNoCase(member, "LineStyle")) {
            if (isGet(kind)) {
                const BorderIndex first = borderIndex(m_indexes.front());
                return AutoValue(
                    lineStyleOf(m_target.firstStyle().borders[static_cast<std::size_t>(first.side)]));
            }
            expectCount(args, 1, 1, member);
            const std::uint8_t code = lineCode(toInt(args.back(), member));
            for (const std::int32_t index : m_indexes)
                setLine(borderIndex(index), code);
            return {};
        }
        unknownMember("Border", member, kind);
    }

private:
    void setLine(const BorderIndex& which, std::uint8_t code) const {
        const CellRect& r = m_target.rect;
        const auto set = [&](const CellRect& part, CellSide side) {
            if (part.top > part.bottom || part.left > part.right)
                return;
            RangeTarget{m_target.context, part}.restyle(
                [&](CellStyle& style) { style.borders[static_cast<std::size_t>(side)] = code; });
        };
        if (which.inside) {
            if (which.side == CellSide::Left)
                set({r.top, r.left + 1, r.bottom, r.right}, CellSide::Left);
            else
                set({r.top + 1, r.left, r.bottom, r.right}, CellSide::Top);
            return;
        }
        if (!which.edgeOnly) {
            set(r, which.side);
            return;
        }
        switch (which.side) {
        case CellSide::Left:
            set({r.top, r.left, r.bottom, r.left}, CellSide::Left);
            break;
        case CellSide::Right:
            set({r.top, r.right, r.bottom, r.right}, CellSide::Right);
            break;
        case CellSide::Top:
            set({r.top, r.left, r.top, r.right}, CellSide::Top);
            break;
        case CellSide::Bottom:
            set({r.bottom, r.left, r.bottom, r.right}, CellSide::Bottom);
            break;
        }
    }

    RangeTarget m_target;
    std::vector<std::int32_t> m_indexes;
};

class BordersObject final : public EngineObject {
public:
    explicit BordersObject(RangeTarget target) : EngineObject(target.state()), m_target(std::move(target)) {}

    AutoValue invoke(std::string_view member, InvokeKind kind, std::span<const AutoValue> args) override {
        checkAlive();
        checkOpen(m_target.book());
        if (equalsNoCase(member, "Item") && isGet(kind)) {
            expectCount(args, 1, 1, member);
            const std::int32_t index = toInt(args[0], member);
            borderIndex(index);
            return AutoValue(std::make_shared<BorderObject>(m_target, std::vector<std::int32_t>{index}));
        }
        if (equalsNoCase(member, "LineStyle") && kind == InvokeKind::PropertyPut) {
            BorderObject all(m_target, {1, 2, 3, 4});
            return all.invoke(member, kind, args);
        }
        unknownMember("Borders", member, kind);
    }

private:
    RangeTarget m_target;
};

class RangeObject final : public EngineObject {
public:
    explicit RangeObject(RangeTarget target) : EngineObject(target.state()), m_target(std::move(target)) {}

    AutoValue invoke(std::string_view member, InvokeKind kind, std::span<const AutoValue> args) override {
        checkAlive();
        checkOpen(m_target.book());
        const CellRect& r = m_target.rect;
        if (equalsNoCase(member, "Item") && isGet(kind))
            return item(args, member);
        if (equalsNoCase(member, "Value") || equalsNoCase(member, "Value2")) {
            if (isGet(kind))
                return value();
            expectCount(args, 1, 2, member);
            setValue(args.back(), false);
            return {};
        }
        if (equalsNoCase(member, "Formula")) {
            if (isGet(kind))
                return formula();
            expectCount(args, 1, 1, member);
            setValue(args.back(), true);
            return {};
        }
        if (equalsNoCase(member, "NumberFormat")) {
            if (isGet(kind))
                return AutoValue(m_target.firstStyle().numberFormat);
            expectCount(args, 1, 1, member);
            std::string format = toText(args.back(), member);
            if (format.empty())
                format = "General";
            m_target.restyle([&format](CellStyle& style) { style.numberFormat = format; });
            return {};
        }
        if (equalsNoCase(member, "Interior") && isGet(kind)) {
            expectCount(args, 0, 0, member);
            return AutoValue(std::make_shared<InteriorObject>(m_target));
        }
        if (equalsNoCase(member, "Borders") && isGet(kind)) {
            expectCount(args, 0, 1, member);
            if (args.empty())
                return AutoValue(std::make_shared<BordersObject>(m_target));
            const std::int32_t index = toInt(args[0], member);
            borderIndex(index);
            return AutoValue(std::make_shared<BorderObject>(m_target, std::vector<std::int32_t>{index}));
        }
        if (equalsNoCase(member, "EntireColumn") && isGet(kind))
            return makeRange(m_target.context, {1, r.left, CellRect::MaxRows, r.right});
        if (equalsNoCase(member, "EntireRow") && isGet(kind))
            return makeRange(m_target.context, {r.top, 1, r.bottom, CellRect::MaxColumns});
        if (equalsNoCase(member, "Cells") && isGet(kind)) {
            expectCount(args, 0, 0, member);
            return makeRange(m_target.context, r);
        }
        if (equalsNoCase(member, "AutoFit") && kind == InvokeKind::Method) {
            if (r.entireRows() && !r.entireColumns())
                return {}; // row heights follow the standard font already
            if (!r.entireColumns())
                raise(AutomationErrorKind::ApplicationError, "AutoFit needs whole columns or rows");
            m_target.book().autoFit(m_target.sheet(), r.left, r.right);
            return {};
        }
        if (equalsNoCase(member, "ColumnWidth")) {
            if (isGet(kind)) {
                const double width = m_target.sheet().column(r.left - 1).width;
                return AutoValue(width < 0 ? SheetData::StandardWidth : width);
            }
            expectCount(args, 1, 1, member);
            const double width = args.back().type() == AutoValue::Type::Double ? args.back().asDouble()
                                                                               : toInt(args.back(), member);
            if (!(width >= 0 && width <= 255))
                raise(AutomationErrorKind::ApplicationError, "a column width lies between 0 and 255");
            for (int c = r.left; c <= r.right; ++c)
                m_target.sheet().setColumnWidth(c - 1, width);
            return {};
        }
        if (equalsNoCase(member, "Row") && isGet(kind))
            return AutoValue(static_cast<std::int32_t>(r.top));
        if (equalsNoCase(member, "Column") && isGet(kind))
            return AutoValue(static_cast<std::int32_t>(r.left));
        if (equalsNoCase(member, "Count") && isGet(kind)) {
            if (r.cellCount() > std::numeric_limits<std::int32_t>::max())
                raise(AutomationErrorKind::ApplicationError, "the range has too many cells to count");
            return AutoValue(static_cast<std::int32_t>(r.cellCount()));
        }
        if (equalsNoCase(member, "Address") && isGet(kind))
            return AutoValue(r.address());
        if (equalsNoCase(member, "ClearContents") && kind == InvokeKind::Method) {
            setValue(AutoValue(), false);
            return {};
        }
        unknownMember("Range", member, kind);
    }

private:
    AutoValue item(std::span<const AutoValue> args, std::string_view member) const {
        expectCount(args, 1, 2, member);
        const CellRect& r = m_target.rect;
        long long row = 0;
        long long column = 0;
        if (args.size() == 2) {
            row = r.top + static_cast<long long>(toInt(args[0], member)) - 1;
            column = r.left + static_cast<long long>(toInt(args[1], member)) - 1;
        } else {
            const long long index = toInt(args[0], member) - 1LL;
            if (index < 0)
                raise(AutomationErrorKind::ApplicationError,
                      "Item(" + std::to_string(index + 1) + ") does not exist");
            row = r.top + index / r.columns();
            column = r.left + index % r.columns();
        }
        if (row < 1 || row > CellRect::MaxRows || column < 1 || column > CellRect::MaxColumns)
            raise(AutomationErrorKind::ApplicationError, "the cell (" + std::to_string(row) + ", " +
                                                             std::to_string(column) +
                                                             ") lies outside the sheet");
        const int rr = static_cast<int>(row);
        const int cc = static_cast<int>(column);
        return makeRange(m_target.context, {rr, cc, rr, cc});
    }

    AutoValue value() const {
        const CellRect& r = m_target.rect;
        if (r.cellCount() != 1)
            raise(AutomationErrorKind::ApplicationError, "Value of several cells at once is not supported");
        const Cell* cell = m_target.sheet().find(r.top - 1, r.left - 1);
        if (!cell)
            return {};
        const FormulaValue value = m_target.book().cellValue(m_target.sheet(), *cell);
        switch (value.type) {
        case FormulaValue::Type::Number:
            return AutoValue(value.number);
        case FormulaValue::Type::Text:
            return AutoValue(value.text);
        case FormulaValue::Type::Bool:
            return AutoValue(value.boolean);
        case FormulaValue::Type::Blank:
        case FormulaValue::Type::Error:
            break; // an error result reads as empty: automation values carry no error here
        }
        return {};
    }

    AutoValue formula() const {
        const CellRect& r = m_target.rect;
        if (r.cellCount() != 1)
            raise(AutomationErrorKind::ApplicationError, "Formula of several cells at once is not supported");
        const Cell* cell = m_target.sheet().find(r.top - 1, r.left - 1);
        if (!cell)
            return AutoValue(std::string());
        if (cell->kind == CellKind::Number) {
            char text[40];
            std::snprintf(text, sizeof text, "%.15G", cell->number());
            return AutoValue(std::string(text));
        }
        if (cell->kind == CellKind::Formula)
            return AutoValue(m_target.sheet().formula(static_cast<std::uint32_t>(cell->payload)));
        return AutoValue(m_target.book().shownText(m_target.sheet(), *cell));
    }

    // Stores `value` in every cell of the range with the type it has; a text stays a text. Through
    // Formula a text beginning with '=' is a formula.
    void setValue(const AutoValue& value, bool asFormula) const {
        const CellRect& r = m_target.rect;
        Cell stored;
        switch (value.type()) {
        case AutoValue::Type::Empty:
            stored.kind = CellKind::Blank;
            break;
        case AutoValue::Type::Int32:
            stored.kind = CellKind::Number;
            stored.payload = Cell::numberBits(value.asInt());
            break;
        case AutoValue::Type::Double:
            if (!std::isfinite(value.asDouble()))
                raise(AutomationErrorKind::BadArguments, "a cell cannot hold " + value.describe());
            stored.kind = CellKind::Number;
            stored.payload = Cell::numberBits(value.asDouble());
            break;
        case AutoValue::Type::Bool:
            stored.kind = CellKind::Bool;
            stored.payload = value.asBool() ? 1 : 0;
            break;
        case AutoValue::Type::String: {
            const std::string& text = value.asString();
            if (text.size() > MaxTextLength)
                raise(AutomationErrorKind::ApplicationError, "a cell holds at most 32767 characters");
            if (text.empty()) {
                stored.kind = CellKind::Blank; // as in Excel, an empty text empties the cell
            } else if (asFormula && text.size() > 1 && text[0] == '=') {
                try {
                    Formula{text};
                } catch (const std::invalid_argument& e) {
                    raise(AutomationErrorKind::ApplicationError, "\"" + text + "\": " + e.what());
                }
                stored.kind = CellKind::Formula;
                stored.payload = m_target.sheet().addFormula(text);
            } else {
                stored.kind = CellKind::Text;
                stored.payload = m_target.book().strings.intern(text);
            }
            break;
        }
        case AutoValue::Type::Object:
            raise(AutomationErrorKind::BadArguments, "a cell cannot hold an object");
        }
        if (r.cellCount() == 1) {
            Cell& cell = m_target.sheet().touch(r.top - 1, r.left - 1);
            cell.kind = stored.kind;
            cell.payload = stored.payload;
            return;
        }
        if (r.cellCount() > MaxCellsPerCall)
            raise(AutomationErrorKind::ApplicationError,
                  "the range " + r.address() + " is too large to fill");
        for (int row = r.top; row <= r.bottom; ++row)
            for (int column = r.left; column <= r.right; ++column) {
                Cell& cell = m_target.sheet().touch(row - 1, column - 1);
                cell.kind = stored.kind;
                cell.payload = stored.payload;
            }
    }

    RangeTarget m_target;
};

AutoValue makeRange(const ContextPtr& context, const CellRect& rect) {
    return AutoValue(std::make_shared<RangeObject>(RangeTarget{context, rect}));
}

class WorksheetObject final : public EngineObject {
public:
    explicit WorksheetObject(ContextPtr context)
        : EngineObject(*context->app), m_context(std::move(context)), m_book(m_context->book),
          m_sheet(m_context->sheet) {}

    AutoValue invoke(std::string_view member, InvokeKind kind, std::span<const AutoValue> args) override {
        checkAlive();
        checkOpen(*m_book);
        if (equalsNoCase(member, "Name")) {
            if (isGet(kind))
                return AutoValue(m_sheet->name());
            expectCount(args, 1, 1, member);
            const std::string& name = toText(args.back(), member);
            const std::string problem = m_book->sheetNameProblem(name, m_sheet.get());
            if (!problem.empty())
                raise(AutomationErrorKind::ApplicationError, problem);
            m_sheet->setName(name);
            return {};
        }
        if (equalsNoCase(member, "Cells") && isGet(kind)) {
            if (m_cells.isEmpty())
                m_cells = makeRange(m_context, {1, 1, CellRect::MaxRows, CellRect::MaxColumns});
            if (args.empty())
                return m_cells;
            return m_cells.invoke("Item", InvokeKind::PropertyGet, args);
        }
        if (equalsNoCase(member, "Range") && isGet(kind)) {
            expectCount(args, 1, 2, member);
            std::optional<CellRect> rect = CellRect::parse(toText(args[0], member));
            if (rect && args.size() == 2) {
                const auto second = CellRect::parse(toText(args[1], member));
                if (!second)
                    rect.reset();
                else
                    rect = CellRect{std::min(rect->top, second->top), std::min(rect->left, second->left),
                                    std::max(rect->bottom, second->bottom),
                                    std::max(rect->right, second->right)};
            }
            if (!rect)
                raise(AutomationErrorKind::ApplicationError,
                      "\"" + args[0].asString() + "\" is no cell address");
            return makeRange(m_context, *rect);
        }
        if (equalsNoCase(member, "Columns") && isGet(kind)) {
            expectCount(args, 0, 1, member);
            if (args.empty())
                return makeRange(m_context, {1, 1, CellRect::MaxRows, CellRect::MaxColumns});
            std::optional<CellRect> rect;
            if (args[0].type() == AutoValue::Type::String) {
                rect = CellRect::parseColumns(args[0].asString());
            } else {
                const std::int32_t column = toInt(args[0], member);
                if (column >= 1 && column <= CellRect::MaxColumns)
                    rect = CellRect{1, column, CellRect::MaxRows, column};
            }
            if (!rect)
                raise(AutomationErrorKind::ApplicationError, args[0].describe() + " names no columns");
            return makeRange(m_context, *rect);
        }
        if (equalsNoCase(member, "Index") && isGet(kind)) {
            for (std::size_t i = 0; i < m_book->sheets.size(); ++i)
                if (m_book->sheets[i] == m_sheet)
                    return AutoValue(static_cast<std::int32_t>(i + 1));
            raise(AutomationErrorKind::ApplicationError, "the sheet has been removed");
        }
        if (equalsNoCase(member, "Activate") && kind == InvokeKind::Method) {
            for (std::size_t i = 0; i < m_book->sheets.size(); ++i)
                if (m_book->sheets[i] == m_sheet)
                    m_book->activeSheet = static_cast<int>(i);
            return {};
        }
        unknownMember("Worksheet", member, kind);
    }

private:
    ContextPtr m_context;
    const BookPtr& m_book;
    const SheetPtr& m_sheet;
    AutoValue m_cells; // handed out again on every request, as the same object
};

AutoValue makeWorksheet(const AppPtr& app, const BookPtr& book, const SheetPtr& sheet) {
    return AutoValue(std::make_shared<WorksheetObject>(
        std::make_shared<const SheetContext>(SheetContext{app, book, sheet})));
}

class WorksheetsObject final : public AppObject {
public:
    WorksheetsObject(AppPtr app, BookPtr book) : AppObject(std::move(app)), m_book(std::move(book)) {}

    AutoValue invoke(std::string_view member, InvokeKind kind, std::span<const AutoValue> args) override {
        checkAlive();
        checkOpen(*m_book);
        if (equalsNoCase(member, "Add") && kind == InvokeKind::Method) {
            for (const auto& arg : args)
                if (!arg.isEmpty())
                    raise(AutomationErrorKind::BadArguments, "Add takes no placing arguments here");
            return makeWorksheet(m_app, m_book, m_book->addSheet());
        }
        if (equalsNoCase(member, "Item") && isGet(kind)) {
            expectCount(args, 1, 1, member);
            SheetPtr sheet;
            if (args[0].type() == AutoValue::Type::String) {
                sheet = m_book->findSheet(args[0].asString());
            } else {
                const std::int32_t index = toInt(args[0], member);
                if (index >= 1 && index <= static_cast<std::int32_t>(m_book->sheets.size()))
                    sheet = m_book->sheets[static_cast<std::size_t>(index - 1)];
            }
            if (!sheet)
                raise(AutomationErrorKind::ApplicationError, "there is no sheet " + args[0].describe());
            return worksheet(sheet);
        }
        if (equalsNoCase(member, "Count") && isGet(kind))
            return AutoValue(static_cast<std::int32_t>(m_book->sheets.size()));
        unknownMember("Worksheets", member, kind);
    }

private:
    // Each sheet is handed out as the same object every time, as a cell write asks for it again.
    AutoValue worksheet(const SheetPtr& sheet) {
        for (const auto& [data, object] : m_handedOut)
            if (data == sheet)
                return object;
        m_handedOut.emplace_back(sheet, makeWorksheet(m_app, m_book, sheet));
        return m_handedOut.back().second;
    }

    BookPtr m_book;
    std::vector<std::pair<SheetPtr, AutoValue>> m_handedOut;
};

void closeWorkbook(ApplicationState& app, const BookPtr& book) {
    book->closed = true;
    std::erase(app.workbooks, book);
    if (app.active == book)
        app.active = app.workbooks.empty() ? nullptr : app.workbooks.back();
}

class WorkbookObject final : public AppObject {
public:
    WorkbookObject(AppPtr app, BookPtr book) : AppObject(std::move(app)), m_book(std::move(book)) {}

    AutoValue invoke(std::string_view member, InvokeKind kind, std::span<const AutoValue> args) override {
        checkAlive();
        checkOpen(*m_book);
        if ((equalsNoCase(member, "Worksheets") || equalsNoCase(member, "Sheets")) && isGet(kind)) {
            if (m_worksheets.isEmpty())
                m_worksheets = AutoValue(std::make_shared<WorksheetsObject>(m_app, m_book));
            if (args.empty())
                return m_worksheets;
            return m_worksheets.invoke("Item", InvokeKind::PropertyGet, args);
        }
        if (equalsNoCase(member, "ActiveSheet") && isGet(kind))
            return makeWorksheet(m_app, m_book,
                                 m_book->sheets[static_cast<std::size_t>(m_book->activeSheet)]);
        if (equalsNoCase(member, "Name") && isGet(kind))
            return AutoValue(m_book->name);
        if (equalsNoCase(member, "SaveAs") && kind == InvokeKind::Method) {
            saveAs(args, member);
            return {};
        }
        if (equalsNoCase(member, "Close") && kind == InvokeKind::Method) {
            closeWorkbook(*m_app, m_book);
            return {};
        }
        unknownMember("Workbook", member, kind);
    }

private:
    void saveAs(std::span<const AutoValue> args, std::string_view member) {
        expectCount(args, 1, 2, member);
        std::string path = toText(args[0], member);
        if (path.empty())
            raise(AutomationErrorKind::BadArguments, "SaveAs needs a file name");
        const std::size_t slash = path.find_last_of("\\/");
        const std::string fileName = path.substr(slash == std::string::npos ? 0 : slash + 1);
        WorkbookFormat format;
        if (args.size() == 2 && !args[1].isEmpty()) {
            const std::int32_t code = toInt(args[1], member);
            if (code != FileFormatXls && code != FileFormatXlsx)
                raise(AutomationErrorKind::ApplicationError,
                      "file format " + std::to_string(code) + " is not supported");
            format = code == FileFormatXls ? WorkbookFormat::Xls : WorkbookFormat::Xlsx;
        } else if (fileName.find('.') == std::string::npos) {
            path += ".xlsx"; // Excel adds the extension of its standard format
            format = WorkbookFormat::Xlsx;
        } else {
            format = workbookFormatOf(path);
        }
        saveWorkbookFile(*m_book, path, format, m_app->displayAlerts);
        const std::size_t cut = path.find_last_of("\\/");
        m_book->name = path.substr(cut == std::string::npos ? 0 : cut + 1);
    }

    BookPtr m_book;
    AutoValue m_worksheets;
};

class WorkbooksObject final : public AppObject {
public:
    explicit WorkbooksObject(AppPtr app) : AppObject(std::move(app)) {}

    AutoValue invoke(std::string_view member, InvokeKind kind, std::span<const AutoValue> args) override {
        checkAlive();
        if (equalsNoCase(member, "Add") && kind == InvokeKind::Method) {
            for (const auto& arg : args)
                if (!arg.isEmpty())
                    raise(AutomationErrorKind::BadArguments, "Add takes no template here");
            auto book = std::make_shared<WorkbookData>("Mappe" + std::to_string(++m_app->workbookCounter));
            m_app->workbooks.push_back(book);
            m_app->active = book;
            return AutoValue(std::make_shared<WorkbookObject>(m_app, book));
        }
        if (equalsNoCase(member, "Item") && isGet(kind)) {
            expectCount(args, 1, 1, member);
            BookPtr book;
            if (args[0].type() == AutoValue::Type::String) {
                for (const auto& candidate : m_app->workbooks)
                    if (equalsNoCase(candidate->name, args[0].asString()))
                        book = candidate;
            } else {
                const std::int32_t index = toInt(args[0], member);
                if (index >= 1 && index <= static_cast<std::int32_t>(m_app->workbooks.size()))
                    book = m_app->workbooks[static_cast<std::size_t>(index - 1)];
            }
            if (!book)
                raise(AutomationErrorKind::ApplicationError, "there is no workbook " + args[0].describe());
            return AutoValue(std::make_shared<WorkbookObject>(m_app, book));
        }
        if (equalsNoCase(member, "Count") && isGet(kind))
            return AutoValue(static_cast<std::int32_t>(m_app->workbooks.size()));
        if (equalsNoCase(member, "Close") && kind == InvokeKind::Method) {
            expectCount(args, 0, 0, member);
            while (!m_app->workbooks.empty())
                closeWorkbook(*m_app, m_app->workbooks.back());
            return {};
        }
        unknownMember("Workbooks", member, kind);
    }
};

class ApplicationObject final : public AppObject {
public:
    ApplicationObject() : AppObject(std::make_shared<ApplicationState>()) {}

    AutoValue invoke(std::string_view member, InvokeKind kind, std::span<const AutoValue> args) override {
        checkAlive();
        if (equalsNoCase(member, "Visible"))
            return flag(m_app->visible, member, kind, args);
        if (equalsNoCase(member, "DisplayAlerts"))
            return flag(m_app->displayAlerts, member, kind, args);
        if (equalsNoCase(member, "Workbooks") && isGet(kind)) {
            if (args.empty())
                return AutoValue(std::make_shared<WorkbooksObject>(m_app));
            return WorkbooksObject(m_app).invoke("Item", InvokeKind::PropertyGet, args);
        }
        if (equalsNoCase(member, "ActiveWorkbook") && isGet(kind)) {
            if (!m_app->active)
                return {};
            return AutoValue(std::make_shared<WorkbookObject>(m_app, m_app->active));
        }
        if (equalsNoCase(member, "ActiveSheet") && isGet(kind)) {
            if (!m_app->active)
                return {}; // Excel answers Nothing
            const BookPtr& book = m_app->active;
            return makeWorksheet(m_app, book, book->sheets[static_cast<std::size_t>(book->activeSheet)]);
        }
        if (equalsNoCase(member, "Name") && isGet(kind))
            return AutoValue("Microsoft Excel");
        if (equalsNoCase(member, "Quit") && kind == InvokeKind::Method) {
            while (!m_app->workbooks.empty())
                closeWorkbook(*m_app, m_app->workbooks.back());
            m_app->quit = true;
            return {};
        }
        unknownMember("Application", member, kind);
    }

private:
    static AutoValue flag(bool& value, std::string_view member, InvokeKind kind,
                          std::span<const AutoValue> args) {
        if (isGet(kind))
            return AutoValue(value);
        expectCount(args, 1, 1, member);
        value = toBool(args.back(), member);
        return {};
    }
};

} // namespace

AutoRef createExcelApplication() {
    return std::make_shared<ApplicationObject>();
}
