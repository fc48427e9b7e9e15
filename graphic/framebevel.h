#pragma once

class QPainter;
struct FrameBounds;

// The raised bevel (BevelHU) around the section graphic's frame: light top and left edges, dark
// bottom and right edges, one pixel wide.
void PaintFrameBevel(QPainter& painter, const FrameBounds& frame);
