#pragma once

#include <string>

class WorkbookData;

// The file formats SaveAs writes.
enum class WorkbookFormat { Xls, Xlsx };

// Saves a workbook: the file is written completely under a temporary name in the target's folder and
// then renamed over the target, so an existing file is replaced only by a complete new one. With
// `refuseExisting` an existing target is not touched and the save fails. The path is Windows-1252;
// '\' and '/' both separate folders. Throws AutomationError(ApplicationError) on any failure.
void saveWorkbookFile(const WorkbookData& workbook, const std::string& path, WorkbookFormat format,
                      bool refuseExisting);

// The format a path's extension asks for (".xls" or ".xlsx", without regard to case); throws
// AutomationError(BadArguments) for any other.
WorkbookFormat workbookFormatOf(const std::string& path);
