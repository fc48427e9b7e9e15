#include "excel/formula.h"

#include "record/cp1252.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <stdexcept>

struct Formula::Node {
    enum class Kind { Number, Text, Bool, Ref, Area, Unary, Binary, Function, Paren };
    Kind kind = Kind::Number;
    double number = 0.0;
    std::string text;
    bool boolean = false;
    CellRect rect;
    unsigned absolute = 0; // bits: 1 first column, 2 first row, 4 last column, 8 last row are absolute
    char op = 0;           // '+', '-', '*', '/', '^', '&', '=', '#' (<>), '<', '>', 'l' (<=), 'g' (>=)
    int function = -1;
    std::vector<std::unique_ptr<Node>> children;
};

namespace {

using Node = Formula::Node;
using Value = FormulaValue;

std::unique_ptr<Node> makeNode(Node::Kind kind) {
    auto node = std::make_unique<Node>();
    node->kind = kind;
    return node;
}

struct FunctionInfo {
    const char* name;
    std::uint16_t index; // number of the function in the file format
    int minArgs;
    int maxArgs;
    bool fixed;
};

constexpr FunctionInfo Functions[] = {
    {"SUM", 4, 1, 30, false},  {"AVERAGE", 5, 1, 30, false}, {"MIN", 6, 1, 30, false},
    {"MAX", 7, 1, 30, false},  {"COUNT", 0, 1, 30, false},   {"IF", 1, 2, 3, false},
    {"ROUND", 27, 2, 2, true}, {"ABS", 24, 1, 1, true},
};
enum FunctionId { Sum, Average, Min, Max, Count, If, Round, Abs };

class Parser {
public:
    explicit Parser(std::string_view text) : m_text(text) {}

    std::unique_ptr<Node> parse() {
        if (m_text.empty() || m_text[0] != '=')
            fail();
        m_pos = 1;
        auto node = comparison();
        skipBlanks();
        if (m_pos != m_text.size())
            fail();
        return node;
    }

private:
    [[noreturn]] void fail() const {
        throw std::invalid_argument("the formula cannot be read at position " + std::to_string(m_pos + 1));
    }
    void skipBlanks() {
        while (m_pos < m_text.size() && m_text[m_pos] == ' ')
            ++m_pos;
    }
    bool take(std::string_view token) {
        skipBlanks();
        if (m_text.substr(m_pos, token.size()) != token)
            return false;
        m_pos += token.size();
        return true;
    }
    static std::unique_ptr<Node> binary(char op, std::unique_ptr<Node> left, std::unique_ptr<Node> right) {
        auto node = makeNode(Node::Kind::Binary);
        node->op = op;
        node->children.push_back(std::move(left));
        node->children.push_back(std::move(right));
        return node;
    }

    std::unique_ptr<Node> comparison() {
        auto left = concatenation();
        for (;;) {
            char op;
            if (take("<>"))
                op = '#';
            else if (take("<="))
                op = 'l';
            else if (take(">="))
                op = 'g';
            else if (take("<"))
                op = '<';
            else if (take(">"))
                op = '>';
            else if (take("="))
                op = '=';
            else
                return left;
            left = binary(op, std::move(left), concatenation());
        }
    }
    std::unique_ptr<Node> concatenation() {
        auto left = additive();
        while (take("&"))
            left = binary('&', std::move(left), additive());
        return left;
    }
    std::unique_ptr<Node> additive() {
        auto left = multiplicative();
        for (;;) {
            if (take("+"))
                left = binary('+', std::move(left), multiplicative());
            else if (take("-"))
                left = binary('-', std::move(left), multiplicative());
            else
                return left;
        }
    }
    std::unique_ptr<Node> multiplicative() {
        auto left = power();
        for (;;) {
            if (take("*"))
                left = binary('*', std::move(left), power());
            else if (take("/"))
                left = binary('/', std::move(left), power());
            else
                return left;
        }
    }
    std::unique_ptr<Node> power() {
        auto left = unary();
        while (take("^"))
            left = binary('^', std::move(left), unary());
        return left;
    }
    std::unique_ptr<Node> unary() {
        if (take("-") || take("+")) {
            const char op = m_text[m_pos - 1];
            auto node = makeNode(Node::Kind::Unary);
            node->op = op;
            node->children.push_back(unary());
            return node;
        }
        return primary();
    }

    std::unique_ptr<Node> primary() {
        skipBlanks();
        if (m_pos >= m_text.size())
            fail();
        const char c = m_text[m_pos];
        if (c == '(') {
            ++m_pos;
            auto node = makeNode(Node::Kind::Paren);
            node->children.push_back(comparison());
            if (!take(")"))
                fail();
            return node;
        }
        if (c == '"')
            return text();
        if (std::isdigit(static_cast<unsigned char>(c)) || c == '.')
            return number();
        return nameOrReference();
    }

    std::unique_ptr<Node> text() {
        ++m_pos;
        auto node = makeNode(Node::Kind::Text);
        for (;;) {
            if (m_pos >= m_text.size())
                fail();
            const char c = m_text[m_pos++];
            if (c == '"') {
                if (m_pos < m_text.size() && m_text[m_pos] == '"') {
                    node->text += '"';
                    ++m_pos;
                    continue;
                }
                break;
            }
            node->text += c;
        }
        if (node->text.size() > 255)
            fail();
        return node;
    }

    std::unique_ptr<Node> number() {
        const std::string rest(m_text.substr(m_pos));
        char* end = nullptr;
        const double value = std::strtod(rest.c_str(), &end);
        if (end == rest.c_str())
            fail();
        m_pos += static_cast<std::size_t>(end - rest.c_str());
        auto node = makeNode(Node::Kind::Number);
        node->number = value;
        return node;
    }

    // One cell reference at the current position, with its absolute flags; false when there is none.
    bool reference(int& row, int& column, unsigned& absolute, unsigned columnBit, unsigned rowBit) {
        std::size_t p = m_pos;
        absolute &= ~(columnBit | rowBit);
        if (p < m_text.size() && m_text[p] == '$') {
            absolute |= columnBit;
            ++p;
        }
        long col = 0;
        std::size_t letters = 0;
        while (p < m_text.size() && std::isalpha(static_cast<unsigned char>(m_text[p])) && letters < 4) {
            col = col * 26 + (std::toupper(static_cast<unsigned char>(m_text[p])) - 'A' + 1);
            ++p;
            ++letters;
        }
        if (p < m_text.size() && m_text[p] == '$') {
            absolute |= rowBit;
            ++p;
        }
        long r = 0;
        std::size_t digits = 0;
        while (p < m_text.size() && std::isdigit(static_cast<unsigned char>(m_text[p])) && digits < 8) {
            r = r * 10 + (m_text[p] - '0');
            ++p;
            ++digits;
        }
        if (!letters || !digits || col > CellRect::MaxColumns || r < 1 || r > CellRect::MaxRows)
            return false;
        if (p < m_text.size() && (std::isalnum(static_cast<unsigned char>(m_text[p])) || m_text[p] == '('))
            return false;
        row = static_cast<int>(r);
        column = static_cast<int>(col);
        m_pos = p;
        return true;
    }

    std::unique_ptr<Node> nameOrReference() {
        const std::size_t start = m_pos;
        auto node = makeNode(Node::Kind::Ref);
        int row = 0;
        int column = 0;
        if (reference(row, column, node->absolute, 1, 2)) {
            node->rect = {row, column, row, column};
            const std::size_t colon = m_pos;
            if (take(":")) {
                int row2 = 0;
                int column2 = 0;
                skipBlanks();
                if (!reference(row2, column2, node->absolute, 4, 8)) {
                    m_pos = colon;
                    fail();
                }
                node->kind = Node::Kind::Area;
                node->rect = {std::min(row, row2), std::min(column, column2), std::max(row, row2),
                              std::max(column, column2)};
            }
            return node;
        }
        m_pos = start;
        std::string name;
        while (m_pos < m_text.size() && std::isalpha(static_cast<unsigned char>(m_text[m_pos])))
            name += static_cast<char>(std::toupper(static_cast<unsigned char>(m_text[m_pos++])));
        if (name.empty())
            fail();
        if (!take("(")) {
            if (name != "TRUE" && name != "FALSE")
                fail();
            node->kind = Node::Kind::Bool;
            node->boolean = name == "TRUE";
            return node;
        }
        const auto* info = std::find_if(std::begin(Functions), std::end(Functions),
                                        [&](const FunctionInfo& f) { return name == f.name; });
        if (info == std::end(Functions))
            fail();
        node->kind = Node::Kind::Function;
        node->function = static_cast<int>(info - std::begin(Functions));
        if (!take(")")) {
            do
                node->children.push_back(comparison());
            while (take(","));
            if (!take(")"))
                fail();
        }
        const int count = static_cast<int>(node->children.size());
        if (count < info->minArgs || count > info->maxArgs)
            fail();
        return node;
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
};

Value number(double v) {
    Value value;
    value.type = Value::Type::Number;
    value.number = v;
    return value;
}

Value error(std::uint8_t code) {
    Value value;
    value.type = Value::Type::Error;
    value.error = code;
    return value;
}

Value boolean(bool b) {
    Value value;
    value.type = Value::Type::Bool;
    value.boolean = b;
    return value;
}

Value textValue(std::string t) {
    Value value;
    value.type = Value::Type::Text;
    value.text = std::move(t);
    return value;
}

// A value as a number for arithmetic; texts must read wholly as a number.
bool toNumber(const Value& v, double& out) {
    switch (v.type) {
    case Value::Type::Blank:
        out = 0;
        return true;
    case Value::Type::Number:
        out = v.number;
        return true;
    case Value::Type::Bool:
        out = v.boolean ? 1 : 0;
        return true;
    case Value::Type::Text: {
        char* end = nullptr;
        out = std::strtod(v.text.c_str(), &end);
        return !v.text.empty() && end && *end == '\0';
    }
    case Value::Type::Error:
        return false;
    }
    return false;
}

std::string toText(const Value& v) {
    switch (v.type) {
    case Value::Type::Number: {
        char buf[40];
        std::snprintf(buf, sizeof buf, "%.15G", v.number);
        return buf;
    }
    case Value::Type::Text:
        return v.text;
    case Value::Type::Bool:
        return v.boolean ? "TRUE" : "FALSE";
    default:
        return {};
    }
}

int rank(const Value& v) {
    switch (v.type) {
    case Value::Type::Text:
        return 1;
    case Value::Type::Bool:
        return 2;
    default:
        return 0;
    }
}

int compare(const Value& a, const Value& b) {
    const Value& x =
        a.type == Value::Type::Blank ? (b.type == Value::Type::Text ? textValue("") : number(0)) : a;
    const Value& y =
        b.type == Value::Type::Blank ? (a.type == Value::Type::Text ? textValue("") : number(0)) : b;
    if (rank(x) != rank(y))
        return rank(x) < rank(y) ? -1 : 1;
    if (x.type == Value::Type::Text) {
        std::string l = x.text;
        std::string r = y.text;
        for (auto* s : {&l, &r})
            for (char& c : *s)
                c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return l < r ? -1 : l > r ? 1 : 0;
    }
    const double l = x.type == Value::Type::Bool ? x.boolean : x.number;
    const double r = y.type == Value::Type::Bool ? y.boolean : y.number;
    return l < r ? -1 : l > r ? 1 : 0;
}

class Evaluator {
public:
    explicit Evaluator(const FormulaCells& cells) : m_cells(cells) {}

    Value eval(const Node& n) const {
        switch (n.kind) {
        case Node::Kind::Number:
            return number(n.number);
        case Node::Kind::Text:
            return textValue(n.text);
        case Node::Kind::Bool:
            return boolean(n.boolean);
        case Node::Kind::Ref:
            return m_cells.cell(n.rect.top, n.rect.left);
        case Node::Kind::Area:
            // A range used as a single value means its first cell.
            return m_cells.cell(n.rect.top, n.rect.left);
        case Node::Kind::Paren:
            return eval(*n.children[0]);
        case Node::Kind::Unary: {
            const Value v = eval(*n.children[0]);
            if (v.type == Value::Type::Error)
                return v;
            double d = 0;
            if (!toNumber(v, d))
                return error(Value::WrongType);
            return number(n.op == '-' ? -d : d);
        }
        case Node::Kind::Binary:
            return binaryValue(n);
        case Node::Kind::Function:
            return functionValue(n);
        }
        return {};
    }

private:
    Value binaryValue(const Node& n) const {
        const Value a = eval(*n.children[0]);
        const Value b = eval(*n.children[1]);
        if (a.type == Value::Type::Error)
            return a;
        if (b.type == Value::Type::Error)
            return b;
        switch (n.op) {
        case '&':
            return textValue(toText(a) + toText(b));
        case '=':
            return boolean(compare(a, b) == 0);
        case '#':
            return boolean(compare(a, b) != 0);
        case '<':
            return boolean(compare(a, b) < 0);
        case '>':
            return boolean(compare(a, b) > 0);
        case 'l':
            return boolean(compare(a, b) <= 0);
        case 'g':
            return boolean(compare(a, b) >= 0);
        default:
            break;
        }
        double x = 0;
        double y = 0;
        if (!toNumber(a, x) || !toNumber(b, y))
            return error(Value::WrongType);
        switch (n.op) {
        case '+':
            return number(x + y);
        case '-':
            return number(x - y);
        case '*':
            return number(x * y);
        case '/':
            return y == 0 ? error(Value::DivisionByZero) : number(x / y);
        case '^': {
            const double r = std::pow(x, y);
            return std::isfinite(r) ? number(r) : error(Value::WrongType);
        }
        default:
            return error(Value::WrongType);
        }
    }

    Value functionValue(const Node& n) const {
        switch (n.function) {
        case If: {
            const Value c = eval(*n.children[0]);
            if (c.type == Value::Type::Error)
                return c;
            double d = 0;
            if (!toNumber(c, d))
                return error(Value::WrongType);
            if (d != 0)
                return eval(*n.children[1]);
            return n.children.size() > 2 ? eval(*n.children[2]) : boolean(false);
        }
        case Round:
        case Abs: {
            std::vector<double> args;
            for (const auto& child : n.children) {
                const Value v = eval(*child);
                double d = 0;
                if (v.type == Value::Type::Error)
                    return v;
                if (!toNumber(v, d))
                    return error(Value::WrongType);
                args.push_back(d);
            }
            if (n.function == Abs)
                return number(std::fabs(args[0]));
            const double scale = std::pow(10.0, std::trunc(args[1]));
            return number(std::round(args[0] * scale) / scale);
        }
        default:
            break;
        }
        // SUM, AVERAGE, MIN, MAX, COUNT: numbers of ranges; direct arguments taken as numbers.
        std::vector<double> values;
        std::optional<Value> failure;
        for (const auto& child : n.children) {
            if (child->kind == Node::Kind::Area || child->kind == Node::Kind::Ref) {
                m_cells.forEach(child->rect, [&](const Value& v) {
                    if (v.type == Value::Type::Number)
                        values.push_back(v.number);
                    else if (v.type == Value::Type::Error && n.function != Count && !failure)
                        failure = v;
                });
                continue;
            }
            const Value v = eval(*child);
            double d = 0;
            if (toNumber(v, d))
                values.push_back(d);
            else if (n.function != Count && !failure)
                failure = v.type == Value::Type::Error ? v : error(Value::WrongType);
        }
        if (failure)
            return *failure;
        switch (n.function) {
        case Sum: {
            double s = 0;
            for (double d : values)
                s += d;
            return number(s);
        }
        case Average: {
            if (values.empty())
                return error(Value::DivisionByZero);
            double s = 0;
            for (double d : values)
                s += d;
            return number(s / static_cast<double>(values.size()));
        }
        case Min:
            return number(values.empty() ? 0 : *std::min_element(values.begin(), values.end()));
        case Max:
            return number(values.empty() ? 0 : *std::max_element(values.begin(), values.end()));
        case Count:
            return number(static_cast<double>(values.size()));
        default:
            return error(Value::WrongType);
        }
    }

    const FormulaCells& m_cells;
};

// Token classes: references used as values, or handed to a function as references.
enum class Use { Value, Reference };

void put16(std::vector<std::uint8_t>& out, std::uint16_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

std::uint16_t columnField(int column, bool absolute, bool rowAbsolute) {
    std::uint16_t field = static_cast<std::uint16_t>(column - 1);
    if (!absolute)
        field |= 0x4000;
    if (!rowAbsolute)
        field |= 0x8000;
    return field;
}

void emit(const Node& n, Use use, std::vector<std::uint8_t>& out) {
    switch (n.kind) {
    case Node::Kind::Number:
        if (n.number >= 0 && n.number <= 65535 && n.number == std::floor(n.number)) {
            out.push_back(0x1E); // tInt
            put16(out, static_cast<std::uint16_t>(n.number));
        } else {
            out.push_back(0x1F); // tNum
            std::uint64_t bits;
            std::memcpy(&bits, &n.number, 8);
            for (int i = 0; i < 8; ++i)
                out.push_back(static_cast<std::uint8_t>(bits >> (8 * i)));
        }
        return;
    case Node::Kind::Text: {
        const std::u16string wide = cp1252ToUtf16(n.text);
        const bool high = std::any_of(wide.begin(), wide.end(), [](char16_t c) { return c > 0xFF; });
        out.push_back(0x17); // tStr
        out.push_back(static_cast<std::uint8_t>(wide.size()));
        out.push_back(high ? 1 : 0);
        for (const char16_t c : wide) {
            out.push_back(static_cast<std::uint8_t>(c));
            if (high)
                out.push_back(static_cast<std::uint8_t>(c >> 8));
        }
        return;
    }
    case Node::Kind::Bool:
        out.push_back(0x1D);
        out.push_back(n.boolean ? 1 : 0);
        return;
    case Node::Kind::Ref:
        out.push_back(use == Use::Reference ? 0x24 : 0x44);
        put16(out, static_cast<std::uint16_t>(n.rect.top - 1));
        put16(out, columnField(n.rect.left, n.absolute & 1, n.absolute & 2));
        return;
    case Node::Kind::Area:
        out.push_back(use == Use::Reference ? 0x25 : 0x45);
        put16(out, static_cast<std::uint16_t>(n.rect.top - 1));
        put16(out, static_cast<std::uint16_t>(n.rect.bottom - 1));
        put16(out, columnField(n.rect.left, n.absolute & 1, n.absolute & 2));
        put16(out, columnField(n.rect.right, n.absolute & 4, n.absolute & 8));
        return;
    case Node::Kind::Paren:
        emit(*n.children[0], use, out);
        out.push_back(0x15);
        return;
    case Node::Kind::Unary:
        emit(*n.children[0], Use::Value, out);
        out.push_back(n.op == '-' ? 0x13 : 0x12);
        return;
    case Node::Kind::Binary: {
        emit(*n.children[0], Use::Value, out);
        emit(*n.children[1], Use::Value, out);
        const std::string ops = "+-*/^&<l=g>#";
        out.push_back(static_cast<std::uint8_t>(0x03 + ops.find(n.op)));
        return;
    }
    case Node::Kind::Function: {
        const FunctionInfo& f = Functions[n.function];
        const bool byReference = n.function <= Count;
        for (const auto& child : n.children)
            emit(*child, byReference ? Use::Reference : Use::Value, out);
        if (f.fixed) {
            out.push_back(0x41); // tFuncV
        } else {
            out.push_back(0x42); // tFuncVarV
            out.push_back(static_cast<std::uint8_t>(n.children.size()));
        }
        put16(out, f.index);
        return;
    }
    }
}

void checkFileLimits(const Node& n) {
    if ((n.kind == Node::Kind::Ref || n.kind == Node::Kind::Area) &&
        (n.rect.bottom > 65536 || n.rect.right > 256))
        throw std::length_error("the formula refers to cells beyond the Excel 97-2003 sheet");
    for (const auto& child : n.children)
        checkFileLimits(*child);
}

} // namespace

Formula::Formula(std::string_view text) : m_root(Parser(text).parse()) {}

Formula::~Formula() = default;
Formula::Formula(Formula&&) noexcept = default;
Formula& Formula::operator=(Formula&&) noexcept = default;

FormulaValue Formula::evaluate(const FormulaCells& cells) const {
    return Evaluator(cells).eval(*m_root);
}

std::vector<std::uint8_t> Formula::tokens() const {
    checkFileLimits(*m_root);
    std::vector<std::uint8_t> out;
    emit(*m_root, Use::Value, out);
    return out;
}
