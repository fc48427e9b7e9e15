#include "graphic/drawingrules.h"

#include "record/haltungrecord.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

int SaturatingTrunc(double v) noexcept {
    if (std::isnan(v))
        return 0;
    if (v >= MaxDrawCoordinate)
        return MaxDrawCoordinate;
    if (v <= -MaxDrawCoordinate)
        return -MaxDrawCoordinate;
    return static_cast<int>(v);
}

int SaturatingAdd(long long a, long long b) noexcept {
    const long long sum = a + b; // both are ints, so the sum fits a long long
    if (sum > MaxDrawCoordinate)
        return MaxDrawCoordinate;
    if (sum < -MaxDrawCoordinate)
        return -MaxDrawCoordinate;
    return static_cast<int>(sum);
}

std::string_view StartManhole(const HaltungRecord& record) noexcept {
    return record.againstFlow() ? record.eSchacht.view() : record.aSchacht.view();
}

std::string_view EndManhole(const HaltungRecord& record) noexcept {
    return record.againstFlow() ? record.aSchacht.view() : record.eSchacht.view();
}

std::span<const ZustandEntry> Observations(const HaltungRecord& record) noexcept {
    const std::size_t count =
        std::min(static_cast<std::size_t>(std::max(record.zustandCount, 0)), record.zustaende.size());
    return {record.zustaende.data(), count};
}


std::string FormatStation(double station) {
    // %.2f of a huge station writes hundreds of digits; the row shows what fits the buffer.
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", station);
    return text;
}

void Line(Canvas& canvas, int x1, int y1, int x2, int y2) {
    canvas.moveTo(x1, y1);
    canvas.lineTo(x2, y2);
}

void Triangle(Canvas& canvas, CanvasPoint a, CanvasPoint b, CanvasPoint c) {
    canvas.moveTo(a.x, a.y);
    canvas.lineTo(b.x, b.y);
    canvas.lineTo(c.x, c.y);
    canvas.lineTo(a.x, a.y);
}
