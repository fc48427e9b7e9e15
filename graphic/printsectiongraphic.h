#pragma once

#include "app/messageboxes.h"
#include "graphic/printpage.h"

#include <functional>
#include <string>

class PrintDevice;
struct HaltungRecord;

// What a printout is called and what its pages show besides the record.
struct PrintJobSettings {
    std::string jobTitle;                                    // the job's document name
    std::string loadedFileName;                              // "Dateiname" in the header table
    std::string footerTitle = std::string(ApplicationTitle); // left in the footer
    PrintDate date = TodaysDate();                           // right in the footer
    // Called after each page is drawn, so that a long run can handle pending window events (a cancel
    // button) while its job prints, as a printer driver's abort callback does.
    std::function<void()> afterPage;
};

enum class PrintStatus { Printed, TooManyPages, PageTooSmall, DeviceFailed };

struct PrintResult {
    PrintStatus status = PrintStatus::Printed;
    int pages = 0;       // pages of the printout (also when it was refused for its length)
    std::string message; // for the user when not printed, in the program's words (Windows-1252)
    bool printed() const noexcept { return status == PrintStatus::Printed; }
};

// Prints the section in the record as one complete job on the device: every page with caption, header
// table, its window of the section drawing and the footer. A section that would need more than
// MaxPrintPages pages is refused before any job starts; a device failure drops the job. Either way no
// job is left open and the result says why in the program's words.
PrintResult PrintSectionGraphic(PrintDevice& device, const HaltungRecord& record,
                                const PrintJobSettings& settings);
