#pragma once

#include "excel/autovalue.h"

#include <string>

// The state of an export into a workbook. Paths are as the file system knows them (the names shown to the
// user and written into column A are Windows-1252).
struct ExportState {
    std::string ExportSourceName;   // file name without folder, column A of every row
    std::string ExportSourceFolder; // folder of the exported file, ending with the path delimiter
    std::string ExportSourcePath;   // full path of the exported file, shown as source
    std::string ExportTargetFolder; // folder the workbook is saved in
    std::string ExportTargetPath;   // full path of the workbook
    AutoValue ExportWorkbook;       // the workbook being written; empty when no export holds one
    int ExportWorkbookReady = 0;    // 1: application, workbook, sheet and header exist (series appends)
    int ExportRow = 0;              // last written worksheet row
    int ExportCancel = 0;           // 1: the user pressed Esc
};
