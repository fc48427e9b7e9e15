#include "record/cp1252.h"

namespace {

// Code points of the bytes 0x80..0x9F; the undefined ones keep their own number.
constexpr char16_t HighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

char codePointToCp1252(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<char>(cp);
    for (int i = 0; i < 32; ++i)
        if (HighControls[i] == cp)
            return static_cast<char>(0x80 + i);
    return '?';
}

} // namespace

char32_t cp1252ToCodePoint(unsigned char byte) noexcept {
    if (byte >= 0x80 && byte < 0xA0)
        return HighControls[byte - 0x80];
    return byte;
}

std::string cp1252ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (char c : text)
        appendUtf8(out, cp1252ToCodePoint(static_cast<unsigned char>(c)));
    return out;
}

std::u16string cp1252ToUtf16(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (char c : text)
        out.push_back(static_cast<char16_t>(cp1252ToCodePoint(static_cast<unsigned char>(c))));
    return out;
}

std::string utf8ToCp1252(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto b = static_cast<unsigned char>(text[i]);
        int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
        char32_t cp = extra == 3 ? (b & 0x07) : extra == 2 ? (b & 0x0F) : extra == 1 ? (b & 0x1F) : b;
        bool valid = b < 0x80 || extra > 0;
        if (extra > 0 && i + extra < text.size()) {
            for (int k = 1; k <= extra; ++k) {
                const auto c = static_cast<unsigned char>(text[i + k]);
                if ((c & 0xC0) != 0x80) {
                    valid = false;
                    break;
                }
                cp = (cp << 6) | (c & 0x3F);
            }
        } else if (extra > 0) {
            valid = false;
        }
        if (!valid) {
            out.push_back(static_cast<char>(b)); // stray byte: taken as Latin-1
            ++i;
            continue;
        }
        out.push_back(codePointToCp1252(cp));
        i += static_cast<std::size_t>(extra) + 1;
    }
    return out;
}

std::string utf16ToCp1252(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t cp = text[i];
        if (cp >= 0xD800 && cp < 0xDC00 && i + 1 < text.size()) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        }
        out.push_back(codePointToCp1252(cp));
    }
    return out;
}
