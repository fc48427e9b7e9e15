#pragma once

#include <string>
#include <string_view>

class Canvas;

// A printer as the printout sees it: a page size, one job at a time, a canvas per page. Failures come
// back as false with errorText(); a device never leaves a job open after a failed call or abort().
class PrintDevice {
public:
    virtual ~PrintDevice() = default;

    // The printable area of a page in device pixels.
    virtual int pageWidth() const = 0;
    virtual int pageHeight() const = 0;

    // Opens a job under the title; its first page is the current page.
    virtual bool beginDocument(std::string_view title) = 0;
    // Ends the current page and starts the next one.
    virtual bool newPage() = 0;
    // Finishes the job; its output is complete only after this returns true.
    virtual bool endDocument() = 0;
    // Drops the open job and whatever it has produced so far; does nothing when no job is open.
    virtual void abort() noexcept = 0;

    // The canvas of the current page, while a job is open.
    virtual Canvas& canvas() = 0;
    // Why the last call failed, in the program's words (Windows-1252).
    virtual std::string errorText() const = 0;
};
