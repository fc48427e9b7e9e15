#include "print_pdftools.h"

#include <cstdio>
#include <regex>

namespace pdftools {

namespace {

std::string Quoted(const std::string& path) {
    std::string q = "'";
    for (char c : path)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

std::optional<std::string> Run(const std::string& command) {
    FILE* pipe = ::popen((command + " 2>/dev/null").c_str(), "r");
    if (!pipe)
        return std::nullopt;
    std::string out;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        out.append(buffer, n);
    if (::pclose(pipe) != 0)
        return std::nullopt;
    return out;
}

} // namespace

bool Available() {
    return Run("command -v pdfinfo && command -v pdftotext").has_value();
}

std::optional<std::string> Info(const std::string& path) {
    return Run("pdfinfo " + Quoted(path));
}

std::string InfoField(const std::string& path, const std::string& field) {
    const std::optional<std::string> info = Info(path);
    std::smatch m;
    if (info && std::regex_search(*info, m, std::regex("(^|\n)" + field + R"(:\s*([^\n]*?)\s*(\n|$))")))
        return m[2];
    return {};
}

int PageCount(const std::string& path) {
    const std::optional<std::string> info = Info(path);
    std::smatch m;
    if (info && std::regex_search(*info, m, std::regex(R"(Pages:\s+(\d+))")))
        return std::stoi(m[1]);
    return -1;
}

std::string Text(const std::string& path) {
    return Run("pdftotext -layout " + Quoted(path) + " -").value_or("");
}

std::string TextWithoutBlanks(const std::string& path) {
    std::string text = Text(path);
    std::erase(text, ' ');
    return text;
}

} // namespace pdftools
