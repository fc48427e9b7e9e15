#include "graphic/serialprint.h"

#include "app/mainstate.h"
#include "graphic/printsectiongraphic.h"

#include <string>

namespace {

std::string WithNumber(const char* before, long long number, const char* after = "") {
    return before + std::to_string(number) + after;
}

} // namespace

SerialPrintEnd SerialPrint::SerDruckBtnClick(std::string_view vonText, std::string_view bisText,
                                             MainState& state, PrintDevice& device, SerialPrintView& view) {
    view.setErrLabel(" ");
    const SerialPrintRange range = CheckSerialPrintRange(vonText, bisText, state.HaltungCount);
    if (!range.valid()) {
        view.setErrLabel(range.message);
        view.focusField(range.field);
        return SerialPrintEnd::Invalid;
    }
    SerialPrintCancel = 0;
    view.setRunning(true);
    const SerialPrintEnd end = run(range.von, range.bis, state, device, view);
    view.setRunning(false);
    return end;
}

SerialPrintEnd SerialPrint::run(long long von, long long bis, MainState& state, PrintDevice& device,
                                SerialPrintView& view) {
    PrintJobSettings settings;
    settings.afterPage = [&view] { view.processEvents(); };
    for (long long n = von; n <= bis; ++n) {
        // A click on "&Druck abbrechen" that came in after the last page of the previous job.
        view.processEvents();
        if (SerialPrintCancel == 1) {
            view.setErrLabel("Seriendruck wurde durch Anwender abgebrochen");
            return SerialPrintEnd::Cancelled;
        }
        // The checked range lies within HaltungCount, at most MaxListRows: the row fits an int.
        state.selectGridRow(static_cast<int>(n - 1));
        state.ParseHaltung();
        if (state.HaltungFound == 0) {
            // The record still holds the previous section; printing it under this number would be wrong.
            view.notice(SerialPrintNotice::NotFound, n,
                        WithNumber("Die Haltung mit der lfd.Nr. ", n,
                                   " wurde nicht gefunden und wird nicht gedruckt."));
            continue;
        }
        view.setErrLabel(WithNumber("erstellt wird lfd.Nr. ", n));
        settings.jobTitle = WithNumber("", n, ".pdf");
        settings.loadedFileName = state.LoadedFileName;
        const PrintResult result = PrintSectionGraphic(device, state.Haltung, settings);
        switch (result.status) {
        case PrintStatus::Printed:
            view.jobPrinted(n, settings.jobTitle);
            break;
        case PrintStatus::TooManyPages:
            view.notice(SerialPrintNotice::TooManyPages, n, result.message);
            break;
        case PrintStatus::PageTooSmall:
        case PrintStatus::DeviceFailed:
            view.notice(SerialPrintNotice::JobFailed, n, result.message);
            view.setErrLabel(WithNumber("Seriendruck bei lfd.Nr. ", n, " wegen eines Druckfehlers beendet"));
            return SerialPrintEnd::Failed;
        }
    }
    view.setErrLabel("Seriendruck beendet");
    return SerialPrintEnd::Finished;
}
