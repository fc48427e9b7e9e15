#pragma once

#include <vector>

struct HaltungRecord;

// The most pages a printout of one section may take; a longer one is refused.
inline constexpr int MaxPrintPages = 999;

// A page rectangle in device pixels from the printable area's top-left corner.
struct PrintRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    friend bool operator==(const PrintRect&, const PrintRect&) = default;
};

// The part [lo, hi) of the section's vertical extent that one page shows, in the scaled coordinate of
// MetreScale x station.
struct PageWindow {
    double lo = 0.0, hi = 0.0;
    double height() const noexcept { return hi - lo; }
    bool contains(double v) const noexcept { return lo <= v && v < hi; }
};

// The layout of one printout: units and rectangles from the printable page size, the observation rows'
// positions and the split of the section over the pages. One unit is 1/0.035 of the page height
// vertically and 1/0.049 of its width horizontally (close to a centimetre on A4).
struct PrintLayout {
    // Computes everything from the printable area in device pixels and the section in the record.
    static PrintLayout Compute(int pageWidth, int pageHeight, const HaltungRecord& record);

    int pageWidth = 0;
    int pageHeight = 0;
    double PrintScaleX = 0.0;      // device pixels per horizontal unit
    double PrintScaleY = 0.0;      // device pixels per vertical unit
    double MetreScale = 0.0;       // device pixels per metre of station (0.2 units)
    PrintRect OuterRect;           // caption and footer
    PrintRect HeaderRect;          // header table
    PrintRect GraphicRect;         // section drawing and observation rows
    int pipeAxisX = 0;             // xp
    int startLineY = 0;            // y0: station 0 and the top of every page's window
    double usableHeight = 0.0;     // U: height of one page's window
    std::vector<int> rowPositions; // lab_i of every observation
    double extent = 0.0;           // E: how far down the rows and stations reach, plus one unit
    int PrintPageCount = 1;        // n: pages of the printout (kept within the int range)
    double pipeLength = 0.0;       // P: pipe drawn from station 0, in device pixels
    int PipePageCount = 0;         // m: pages over which the pipe runs

    // Whether the section can be printed: a page with room for a window, and no more than MaxPrintPages.
    bool fitsPage() const noexcept { return usableHeight > 0.0; }
    bool withinPageLimit() const noexcept { return PrintPageCount <= MaxPrintPages; }

    PageWindow pageWindow(int page) const noexcept;
    // B_j: the length of pipe drawn on the page (page < PipePageCount).
    double PipeSlice(int page) const noexcept;
    // trunc(base + units x PrintScaleX) and trunc(base + units x PrintScaleY), saturated.
    int x(double base, double units) const noexcept;
    int y(double base, double units) const noexcept;
};

// The stacking rule of the printed rows, one step: at least 0.4 units below the previous row, never
// above the observation's own station. The first row starts from trunc(-0.5 units).
int NextPrintRowPosition(int previous, double station, double metreScale, double printScaleY) noexcept;
