#include "record/fixedtext.h"

std::string_view trimRight(std::string_view s) noexcept {
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

std::string withoutBlanks(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (char c : s)
        if (c != ' ')
            out.push_back(c);
    return out;
}
