#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// A colour as red, green and blue.
struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

struct CanvasPoint {
    int x = 0, y = 0;
    friend bool operator==(const CanvasPoint&, const CanvasPoint&) = default;
};

// A font as the drawing asks for it: a face name and a size in points, or, on screen, a cell height in
// pixels (pixelHeight > 0 wins over pointSize).
struct CanvasFont {
    std::string name;
    double pointSize = 8.0;
    int pixelHeight = 0;
    bool bold = false;
    friend bool operator==(const CanvasFont&, const CanvasFont&) = default;
};

// The surface every drawing of the program paints on: screen, printer page and PDF alike, or a recorder
// in the tests. Coordinates are device pixels; texts are Windows-1252.
class Canvas {
public:
    virtual ~Canvas() = default;

    // Lines and outlines use the pen.
    virtual void setPen(Rgb colour, int width) = 0;
    // Rectangles, ellipses and polygons are filled with the brush colour; text cells too.
    virtual void setBrush(Rgb colour) = 0;
    virtual void setFont(const CanvasFont& font) = 0;
    virtual void setTextColour(Rgb colour) = 0;

    // Fills the rectangle from (left, top) up to, not including, (right, bottom) with the brush colour.
    virtual void fillRect(int left, int top, int right, int bottom) = 0;
    virtual void moveTo(int x, int y) = 0;
    // Draws a line from the current position to (x, y), which becomes the current position.
    virtual void lineTo(int x, int y) = 0;
    // An ellipse in the bounding box, filled with the brush and outlined with the pen.
    virtual void ellipse(int left, int top, int right, int bottom) = 0;
    // A closed polygon, filled with the brush and outlined with the pen.
    virtual void polygon(const CanvasPoint* points, int count) = 0;
    // Text with its top-left corner at (x, y), drawn opaque on the brush colour in the text colour.
    virtual void textOut(int x, int y, std::string_view text) = 0;
};
