#pragma once

#include <span>
#include <string_view>

// One line of the explanation text (Windows-1252) and whether it is a heading, set in bold.
struct ExplanationLine {
    std::string_view text;
    bool bold = false;
};

// The 92 lines of the explanation window, in order.
std::span<const ExplanationLine> explanationLines() noexcept;
