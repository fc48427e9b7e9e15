#include "workbookreader.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace {

std::string quoted(const std::string& text) {
    std::string out = "'";
    for (const char c : text)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

std::vector<std::string> split(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab - start));
        if (tab == std::string::npos)
            return fields;
        start = tab + 1;
    }
}

} // namespace

std::optional<std::string> pythonWithXlrd() {
    for (const char* candidate : {"/usr/bin/python3", "python3"}) {
        const std::string command = std::string(candidate) + " -c 'import xlrd' >/dev/null 2>&1";
        if (std::system(command.c_str()) == 0)
            return std::string(candidate);
    }
    return std::nullopt;
}

ReadWorkbook readWorkbook(const std::string& python, const std::string& path, int rowLimit) {
    ReadWorkbook book;
    std::string command = python + " " +
                          quoted(std::string(TELMORA_SOURCE_DIR) + "/tests/excel/read_workbook.py") + " " +
                          quoted(path);
    if (rowLimit >= 0)
        command += " " + std::to_string(rowLimit);
    command += " 2>&1";
    std::FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) {
        book.error = "cannot run " + command;
        return book;
    }
    std::string output;
    char buffer[65536];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        output.append(buffer, n);
    const int status = ::pclose(pipe);
    if (status != 0) {
        book.error = output;
        return book;
    }
    std::istringstream lines(output);
    std::string line;
    while (std::getline(lines, line)) {
        const auto f = split(line);
        if (f[0] == "S" && f.size() == 4) {
            book.sheets.push_back({f[2], std::stoi(f[3]), {}, {}, {}});
        } else if (f[0] == "C" && f.size() >= 8) {
            std::string value = f[7];
            for (std::size_t i = 8; i < f.size(); ++i)
                value += "\t" + f[i];
            book.sheets.at(std::stoul(f[1])).cells[{std::stoi(f[2]), std::stoi(f[3])}] = {f[4], f[5], f[6],
                                                                                          value};
        } else if (f[0] == "F" && f.size() == 5) {
            book.sheets.at(std::stoul(f[1])).formulas[{std::stoi(f[2]), std::stoi(f[3])}] = f[4];
        } else if (f[0] == "W" && f.size() == 4) {
            book.sheets.at(std::stoul(f[1])).widths[std::stoi(f[2])] = std::stod(f[3]);
        } else {
            book.error = "unexpected reader output: " + line;
            return book;
        }
    }
    book.ok = true;
    return book;
}
