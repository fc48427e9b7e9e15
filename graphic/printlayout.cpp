#include "graphic/printlayout.h"

#include "graphic/drawingrules.h"
#include "record/haltungrecord.h"

#include <algorithm>
#include <cmath>

namespace {

// ceil(a / b) for b > 0 as an int kept within the drawing range; NaN gives 0.
int SaturatingCeilDiv(double a, double b) noexcept {
    return SaturatingTrunc(std::ceil(a / b));
}

} // namespace

int NextPrintRowPosition(int previous, double station, double metreScale, double printScaleY) noexcept {
    const double p = metreScale * station;
    if (p > previous + 0.4 * printScaleY)
        return SaturatingTrunc(p);
    return SaturatingTrunc(previous + 0.4 * printScaleY);
}

PrintLayout PrintLayout::Compute(int pageWidth, int pageHeight, const HaltungRecord& record) {
    PrintLayout l;
    l.pageWidth = pageWidth;
    l.pageHeight = pageHeight;
    l.PrintScaleY = pageHeight * 0.035;
    l.PrintScaleX = pageWidth * 0.049;
    l.MetreScale = 0.2 * l.PrintScaleY;

    const int left = l.x(0, 2.0);
    const int right = l.x(pageWidth, -0.5);
    l.OuterRect = {left, l.y(0, 1.0), right, l.y(pageHeight, -0.5)};
    l.HeaderRect = {left, l.y(0, 3.0), right, l.y(0, 8.0)};
    l.GraphicRect = {left, l.y(0, 8.5), right, l.y(0, 26.5)};
    l.pipeAxisX = l.x(l.GraphicRect.left, 1.4);
    l.startLineY = l.y(l.GraphicRect.top, 2.0);
    l.usableHeight = (l.GraphicRect.bottom - l.GraphicRect.top) - 2.0 * l.PrintScaleY;

    const std::span<const ZustandEntry> zustaende = Observations(record);
    int lab = SaturatingTrunc(-0.5 * l.PrintScaleY);
    l.rowPositions.reserve(zustaende.size());
    for (const ZustandEntry& z : zustaende) {
        lab = NextPrintRowPosition(lab, z.station, l.MetreScale, l.PrintScaleY);
        l.rowPositions.push_back(lab);
    }
    double lowest = lab;
    if (!zustaende.empty()) {
        const double p = l.MetreScale * zustaende.back().station;
        if (p > lowest) // a NaN station leaves the row's position
            lowest = p;
    }
    l.extent = lowest + l.PrintScaleY;

    if (l.fitsPage()) {
        l.PrintPageCount = std::max(1, SaturatingCeilDiv(l.extent, l.usableHeight));
        l.pipeLength = (record.untLaenge - 1.0) * l.MetreScale;
        l.PipePageCount = l.pipeLength > 0.0 ? SaturatingCeilDiv(l.pipeLength, l.usableHeight) : 0;
    }
    return l;
}

PageWindow PrintLayout::pageWindow(int page) const noexcept {
    // The windows adjoin: each ends where the next begins, the last at the extent.
    const double lo = page * usableHeight;
    const double hi = page >= PrintPageCount - 1 ? extent : (page + 1) * usableHeight;
    return {lo, hi};
}

double PrintLayout::PipeSlice(int page) const noexcept {
    if (page < PipePageCount - 1)
        return usableHeight;
    return pipeLength - (PipePageCount - 1.0) * usableHeight;
}

int PrintLayout::x(double base, double units) const noexcept {
    return SaturatingTrunc(base + units * PrintScaleX);
}

int PrintLayout::y(double base, double units) const noexcept {
    return SaturatingTrunc(base + units * PrintScaleY);
}
