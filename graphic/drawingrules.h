#pragma once

#include <span>
#include <string>
#include <string_view>

#include "graphic/canvas.h"

struct HaltungRecord;
struct ZustandEntry;

// Rules that the screen graphic and the printout share.

// The largest magnitude a drawing coordinate takes: far beyond any page or window, and far enough from
// the int range that small offsets added afterwards cannot overflow.
inline constexpr int MaxDrawCoordinate = 1'000'000'000;

// trunc(v) toward zero, kept within +-MaxDrawCoordinate; NaN gives 0. Every coordinate computed from a
// station or a length goes through this, so that no record content can overflow an int.
int SaturatingTrunc(double v) noexcept;
// a + b on ints, kept within +-MaxDrawCoordinate.
int SaturatingAdd(long long a, long long b) noexcept;

// The manhole at the top of the drawing (the first header row): the end manhole of the record when the
// section was inspected against the flow, else its start manhole.
std::string_view StartManhole(const HaltungRecord& record) noexcept;
std::string_view EndManhole(const HaltungRecord& record) noexcept;

// The observations of the record: slots 0 .. zustandCount - 1.
std::span<const ZustandEntry> Observations(const HaltungRecord& record) noexcept;

// A station as its row shows it: "%.2f".
std::string FormatStation(double station);
// A line from (x1, y1) to (x2, y2), and the outline of a triangle closing at its first corner.
void Line(Canvas& canvas, int x1, int y1, int x2, int y2);
void Triangle(Canvas& canvas, CanvasPoint a, CanvasPoint b, CanvasPoint c);
