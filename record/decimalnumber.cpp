#include "record/decimalnumber.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <system_error>

namespace {
bool isDigit(char c) noexcept { return c >= '0' && c <= '9'; }
bool isSpace(char c) noexcept { return c == ' ' || (c >= '\t' && c <= '\r'); }
} // namespace

double readDecimal(std::string_view text) noexcept {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && isSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::size_t start = i;
    std::size_t digits = 0;
    while (i < n && isDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < n && text[i] == '.') {
        ++i;
        while (i < n && isDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0.0;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < n && (text[j] == '+' || text[j] == '-'))
            ++j;
        if (j < n && isDigit(text[j])) {
            while (j < n && isDigit(text[j]))
                ++j;
            i = j;
        }
    }
    double value = 0.0;
    const auto [end, ec] = std::from_chars(text.data() + start, text.data() + i, value, std::chars_format::general);
    (void)end;
    if (ec != std::errc() || !std::isfinite(value))
        return 0.0;
    return negative ? -value : value;
}

int truncToInt(double value) noexcept {
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (value <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(value);
}

int saturatingAdd(int a, int b) noexcept {
    const long long sum = static_cast<long long>(a) + b;
    if (sum > INT_MAX)
        return INT_MAX;
    if (sum < INT_MIN)
        return INT_MIN;
    return static_cast<int>(sum);
}
