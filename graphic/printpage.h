#pragma once

#include <string>
#include <string_view>

class Canvas;
struct HaltungRecord;
struct PrintLayout;
struct PrintRect;

// A calendar date as the footer prints it.
struct PrintDate {
    int day = 1, month = 1, year = 2000;
};

// Today's date on this computer's clock, local time.
PrintDate TodaysDate();
// "%02i.%02i.%4i": day, month, four-digit year.
std::string FormatPrintDate(const PrintDate& date);

// The routines that print one page of a section graphic. Each draws on the current page with the
// layout's units and starts or ends no page. Texts are Arial, black, opaque on the white fill.

// The company caption and the rule under it, at the top of the rectangle (OuterRect).
void PrintPageCaption(Canvas& canvas, const PrintLayout& layout, const PrintRect& r);

// The boxed table of the section's data (HeaderRect), with the name of the loaded file.
void PrintHeaderTable(Canvas& canvas, const PrintLayout& layout, const PrintRect& r,
                      const HaltungRecord& record, std::string_view loadedFileName);

// The footer at the bottom of the rectangle (OuterRect): title, "page / pages" and the date.
void PrintPageFooter(Canvas& canvas, const PrintLayout& layout, const PrintRect& r, std::string_view title,
                     int pageNumber, int pageCount, const PrintDate& date);

// Page `page` (0-based) of the section itself: the slice of the pipe with its manholes and continuation
// marks, on the first page the direction marks, the continuous-damage brackets, the observation
// captions and every observation whose mark, leader or row falls into the page's window.
void PrintSectionPage(Canvas& canvas, const PrintLayout& layout, const HaltungRecord& record, int page);
