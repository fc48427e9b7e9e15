#include "graphic/printsectiongraphic.h"

#include "graphic/canvas.h"
#include "graphic/printdevice.h"
#include "graphic/printlayout.h"
#include "record/fixedtext.h"
#include "record/haltungrecord.h"

#include <string_view>

namespace {

std::string TooManyPagesMessage(const HaltungRecord& record) {
    const std::string number = withoutBlanks(record.lfdNr.view());
    std::string text = "Die Haltungsgrafik";
    if (!number.empty())
        text += " der lfd.Nr. " + number;
    text += " ben\xF6tigt mehr als " + std::to_string(MaxPrintPages) + " Seiten und wird nicht gedruckt.";
    return text;
}

PrintResult DeviceFailed(PrintDevice& device, const PrintJobSettings& settings, int pages) {
    device.abort();
    std::string text = "Der Druckauftrag \"" + settings.jobTitle + "\" konnte nicht ausgef\xFChrt werden.";
    const std::string reason = device.errorText();
    if (!reason.empty())
        text += "\n" + reason;
    return {PrintStatus::DeviceFailed, pages, text};
}

} // namespace

PrintResult PrintSectionGraphic(PrintDevice& device, const HaltungRecord& record,
                                const PrintJobSettings& settings) {
    const PrintLayout layout = PrintLayout::Compute(device.pageWidth(), device.pageHeight(), record);
    const int pages = layout.PrintPageCount;
    if (!layout.fitsPage())
        return {PrintStatus::PageTooSmall, 0, "Die Druckseite ist zu klein f\xFCr die Haltungsgrafik."};
    if (!layout.withinPageLimit())
        return {PrintStatus::TooManyPages, pages, TooManyPagesMessage(record)};

    if (!device.beginDocument(settings.jobTitle))
        return DeviceFailed(device, settings, pages);
    for (int page = 0; page < pages; ++page) {
        Canvas& canvas = device.canvas();
        // Every page starts from the same state, whatever the device keeps between pages.
        canvas.setBrush({255, 255, 255});
        canvas.setPen({0, 0, 0}, 1);
        canvas.setTextColour({0, 0, 0});
        PrintPageCaption(canvas, layout, layout.OuterRect);
        PrintHeaderTable(canvas, layout, layout.HeaderRect, record, settings.loadedFileName);
        PrintSectionPage(canvas, layout, record, page);
        PrintPageFooter(canvas, layout, layout.OuterRect, settings.footerTitle, page + 1, pages,
                        settings.date);
        if (settings.afterPage)
            settings.afterPage();
        if (page < pages - 1 && !device.newPage())
            return DeviceFailed(device, settings, pages);
    }
    if (!device.endDocument())
        return DeviceFailed(device, settings, pages);
    return {PrintStatus::Printed, pages, {}};
}
