#pragma once

#include <string>

class WorkbookData;

// Writes a workbook as an Office Open XML file at `path` (UTF-8) with libxlsxwriter in its
// constant-memory mode; its own temporary files go to `tempFolder` (the system's when empty). Throws
// std::runtime_error on failure.
void writeXlsxFile(const WorkbookData& workbook, const std::string& path, const std::string& tempFolder);
