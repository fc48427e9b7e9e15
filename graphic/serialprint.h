#pragma once

#include "graphic/serialprintrange.h"

#include <string_view>

class MainState;
class PrintDevice;

// Why a section of a run was not printed, or why the run ended early.
enum class SerialPrintNotice { NotFound, TooManyPages, JobFailed };

// How a click on "&Drucken" ended.
enum class SerialPrintEnd { Invalid, Finished, Cancelled, Failed };

// What a run shows and asks of the dialog that drives it (or of the batch tool).
class SerialPrintView {
public:
    virtual ~SerialPrintView() = default;
    // The message line of the dialog (Windows-1252).
    virtual void setErrLabel(std::string_view text) = 0;
    // Puts the input focus into the number field at fault.
    virtual void focusField(SerialPrintField field) = 0;
    // Running: "&Druck abbrechen" enabled, "&Drucken" and "&Schließen" disabled; idle the reverse.
    virtual void setRunning(bool running) = 0;
    // Handles pending window events, so that a click on "&Druck abbrechen" is seen during a run.
    virtual void processEvents() = 0;
    // Section `number` was printed as one complete job titled `jobTitle`.
    virtual void jobPrinted(long long number, std::string_view jobTitle) = 0;
    // Section `number` was not printed, for the reason given in the program's words (Windows-1252).
    virtual void notice(SerialPrintNotice kind, long long number, std::string_view message) = 0;
};

// The serial print: one print job per section of a range of running numbers, each titled "<n>.pdf",
// so that a PDF printer writes one file per section. Sections are taken from the listing grid and parsed
// into the program's section record one after the other.
class SerialPrint final {
public:
    // "&Drucken": checks the two field texts (message and focus on the view when one is at fault), then
    // prints the sections von to bis on the device. A section that is not found or needs too many pages
    // is left out and the run goes on; a failed job ends the run. Always leaves the view idle.
    SerialPrintEnd SerDruckBtnClick(std::string_view vonText, std::string_view bisText, MainState& state,
                                    PrintDevice& device, SerialPrintView& view);

    // "&Druck abbrechen": the run finishes the section in hand and starts no other.
    void SerCancelBtnClick() noexcept { SerialPrintCancel = 1; }

    // 1 once a cancel is asked for during a run; a run clears it when it starts.
    int SerialPrintCancel = 0;

private:
    SerialPrintEnd run(long long von, long long bis, MainState& state, PrintDevice& device,
                       SerialPrintView& view);
};
