#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// A workbook as the independent reader (python3-xlrd) sees it. Texts are UTF-8.
struct ReadCell {
    std::string type;   // "text", "number" or "bool"
    std::string format; // number format
    std::string fill;   // "RRGGBB" of a solid fill, "-" for none
    std::string value;
};

struct ReadSheet {
    std::string name;
    int rows = 0;
    std::map<std::pair<int, int>, ReadCell> cells;       // 0-based (row, column)
    std::map<int, double> widths;                        // column widths set in the file, in characters
    std::map<std::pair<int, int>, std::string> formulas; // .xls only: formulas as the reader decompiles them
};

struct ReadWorkbook {
    bool ok = false;
    std::string error;
    std::vector<ReadSheet> sheets;
};

// A Python interpreter that has xlrd, or nothing.
std::optional<std::string> pythonWithXlrd();

// Reads the workbook at `path`; with `rowLimit` >= 0 only the first rows and the last one of each sheet.
ReadWorkbook readWorkbook(const std::string& python, const std::string& path, int rowLimit = -1);
