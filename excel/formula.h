#pragma once

#include "excel/cellrect.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// The value of a cell as a formula sees it, and a formula's result.
struct FormulaValue {
    enum class Type { Blank, Number, Text, Bool, Error };
    // Error codes as the files store them.
    static constexpr std::uint8_t DivisionByZero = 0x07;
    static constexpr std::uint8_t WrongType = 0x0F;

    Type type = Type::Blank;
    double number = 0.0;
    std::string text; // Windows-1252
    bool boolean = false;
    std::uint8_t error = 0;
};

// Where a formula reads the cells it refers to (1-based rows and columns).
class FormulaCells {
public:
    virtual ~FormulaCells() = default;
    virtual FormulaValue cell(int row, int column) const = 0;
    // Visits the cells of a rectangle that are not blank.
    virtual void forEach(const CellRect& rect,
                         const std::function<void(const FormulaValue&)>& visit) const = 0;
};

// A cell formula in the A1 notation of the English function names, as Range.Formula takes it: numbers,
// texts, TRUE/FALSE, cell and range references, + - * / ^ & = <> < > <= >=, parentheses and the
// functions SUM, AVERAGE, MIN, MAX, COUNT, IF, ROUND and ABS. It can be calculated and compiled into
// the token form of Excel 97-2003 files.
class Formula final {
public:
    // Parses `text`, which begins with '='; throws std::invalid_argument for a formula it cannot read.
    explicit Formula(std::string_view text);
    ~Formula();
    Formula(Formula&&) noexcept;
    Formula& operator=(Formula&&) noexcept;

    FormulaValue evaluate(const FormulaCells& cells) const;
    // The parsed expression in reverse Polish tokens (BIFF8 Rgce).
    std::vector<std::uint8_t> tokens() const;

    struct Node;

private:
    std::unique_ptr<Node> m_root;
};
