#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

// A zero-terminated text of fixed capacity, as the section record holds its fields. N counts the
// terminator, so a FixedText<11> holds at most ten characters. Every write is bounded by the capacity.
template <std::size_t N>
struct FixedText {
    static_assert(N >= 1);
    static constexpr std::size_t capacity = N - 1;

    char text[N] = {};

    std::string_view view() const noexcept { return {text, ::strnlen(text, N)}; }
    std::string str() const { return std::string(view()); }
    std::size_t size() const noexcept { return ::strnlen(text, N); }
    bool empty() const noexcept { return text[0] == '\0'; }
    char operator[](std::size_t i) const noexcept { return i < N ? text[i] : '\0'; }

    void clear() noexcept { std::memset(text, 0, N); }
    void assign(std::string_view s) noexcept {
        const std::size_t n = std::min(s.size(), capacity);
        // An empty view may carry no pointer at all, which memcpy must not be given.
        if (n != 0)
            std::memcpy(text, s.data(), n);
        std::memset(text + n, 0, N - n);
    }
    void append(std::string_view s) noexcept {
        const std::size_t have = size();
        const std::size_t n = std::min(s.size(), capacity - have);
        if (n != 0)
            std::memcpy(text + have, s.data(), n);
        text[have + n] = '\0';
    }
    // Cuts trailing blanks off the text in place.
    void trimRight() noexcept {
        std::size_t n = size();
        while (n > 0 && text[n - 1] == ' ')
            text[--n] = '\0';
    }

    friend bool operator==(const FixedText& a, const FixedText& b) noexcept { return a.view() == b.view(); }
};

// The text without its trailing blanks.
std::string_view trimRight(std::string_view s) noexcept;

// The text with every blank removed (not only leading and trailing ones).
std::string withoutBlanks(std::string_view s);
