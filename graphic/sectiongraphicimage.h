#pragma once

#include <QImage>
#include <QString>

#include <string>

struct HaltungRecord;

// The tallest section graphic image that is rendered (in pixels).
inline constexpr int MaxSectionImageHeight = 32767;

// The section graphic as the window draws it: an image as wide as the frame with the frame's corner at
// its top-left, as high as the frame or, where the drawing reaches below the frame (end manhole, its
// name, last rows), just as high as the drawing, on the window's grey. A null image when the frame is
// empty or the image would be taller than MaxSectionImageHeight.
QImage SectionGraphicImage(const HaltungRecord& record);

// Writes SectionGraphicImage as a PNG file, through a temporary file in the same folder. Returns an
// empty text, or why it failed in the program's words (Windows-1252).
std::string SaveSectionGraphicPng(const HaltungRecord& record, const QString& path);
