#pragma once

#include "graphic/drawingrules.h"

class Canvas;
struct HaltungRecord;

// The frame (BevelHU) of the section graphic in window client pixels.
struct FrameBounds {
    int left = 0, top = 0, width = 0, height = 0;
    friend bool operator==(const FrameBounds&, const FrameBounds&) = default;
};

// Where the graphic window draws: its outer width and the frame's current top (50 when not scrolled).
// Rows that lie wholly outside clipTop..clipBottom are skipped, so a paint of a few exposed pixels does
// not draw thousands of rows; the default draws everything.
struct SectionGraphicView {
    int windowWidth = 790;
    int frameTop = 50;
    int clipTop = -MaxDrawCoordinate;
    int clipBottom = MaxDrawCoordinate;
};

// The frame that DrawSectionGraphic draws in: left 10, width windowWidth - 40, a height that holds the
// pipe and every observation row.
FrameBounds SectionGraphicFrame(const HaltungRecord& record, int windowWidth, int frameTop) noexcept;

// The lowest client pixel row the drawing reaches: the frame's lower edge, or the end manhole with its
// name or the last observation row where they lie below it (the frame's height rule leaves up to 60
// pixels of them out). The window scrolls this far.
int SectionGraphicBottom(const HaltungRecord& record, const SectionGraphicView& view) noexcept;

// The row line of the next observation on screen: 15 pixels below the previous one, but never above
// the observation's own station. rowLine starts at stationZeroY - 15.
int NextScreenRowLine(int rowLine, double station, int stationZeroY) noexcept;

// Draws the section graphic of the record at 5 pixels per metre: header box, pipe and manholes,
// direction marks, continuous-damage brackets and the observation rows. Reads the record only.
// Returns the frame it drew in, for the window's scroll range.
FrameBounds DrawSectionGraphic(const HaltungRecord& record, Canvas& canvas,
                               const SectionGraphicView& view = {});
