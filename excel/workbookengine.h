#pragma once

#include "excel/autovalue.h"

// Starts a new instance of the built-in workbook engine and returns its Application object. It answers
// to the members of the spreadsheet object model that the program uses (Workbooks, Worksheets, Range,
// Cells, Columns, Interior, Borders, SaveAs, Quit and their kin) and saves ".xls" and ".xlsx" files.
AutoRef createExcelApplication();
