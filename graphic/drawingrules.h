#pragma once

#include <span>
#include <string>
#include <string_view>

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

// Observations whose code has "I" as its first or second character show no quantities, crack width and
// clock positions.
bool OmitsQuantities(const ZustandEntry& zustand) noexcept;

// A station as its row shows it: "%.2f".
std::string FormatStation(double station);
// Profile height and width: "%s / %s mm".
std::string FormatProfile(const HaltungRecord& record);
