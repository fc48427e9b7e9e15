#pragma once

#include <cstdio>

class WorkbookData;

// Writes a workbook as an Excel 97-2003 file (BIFF8 records in a compound file) to `file`, which must
// be empty and open for update. A sheet with more rows than the format holds (65,536) goes on
// continuation sheets named after it with " (2)", " (3)", …, each beginning with a copy of its first
// row. Throws std::runtime_error when the workbook does not fit the format or the file cannot be written.
void writeXlsFile(const WorkbookData& workbook, std::FILE* file);
