#pragma once

#include "graphic/canvas.h"

#include <string>
#include <string_view>
#include <vector>

// What a canvas was asked to do.
enum class CanvasOp {
    SetPen,
    SetBrush,
    SetFont,
    SetTextColour,
    FillRect,
    MoveTo,
    LineTo,
    Ellipse,
    Polygon,
    TextOut
};

// One recorded call with the drawing state in force when it was made.
struct CanvasCall {
    CanvasOp op = CanvasOp::MoveTo;
    // FillRect, Ellipse: left, top, right, bottom. MoveTo, TextOut: x, y. LineTo: from (a, b) to (c, d).
    // SetPen: a = width.
    int a = 0, b = 0, c = 0, d = 0;
    std::vector<CanvasPoint> points; // Polygon
    std::string text;                // TextOut
    Rgb pen;
    int penWidth = 1;
    Rgb brush{255, 255, 255};
    Rgb textColour;
    CanvasFont font;
};

// A canvas that keeps every call, so that tests can read back what a drawing did.
class RecordingCanvas final : public Canvas {
public:
    void setPen(Rgb colour, int width) override;
    void setBrush(Rgb colour) override;
    void setFont(const CanvasFont& font) override;
    void setTextColour(Rgb colour) override;
    void fillRect(int left, int top, int right, int bottom) override;
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void ellipse(int left, int top, int right, int bottom) override;
    void polygon(const CanvasPoint* points, int count) override;
    void textOut(int x, int y, std::string_view text) override;

    const std::vector<CanvasCall>& calls() const noexcept { return m_calls; }
    // The calls of one kind, in drawing order.
    std::vector<CanvasCall> ofKind(CanvasOp op) const;
    // The first text call with exactly this text, or nullptr.
    const CanvasCall* findText(std::string_view text) const;
    // Every text call with exactly this text.
    std::vector<CanvasCall> textsEqual(std::string_view text) const;
    // Whether a line was drawn from one point to the other (in this direction).
    bool hasLine(CanvasPoint from, CanvasPoint to) const;
    // The line drawn from one point to the other, or nullptr.
    const CanvasCall* findLine(CanvasPoint from, CanvasPoint to) const;
    void clear() noexcept;

private:
    CanvasCall stamped(CanvasOp op) const;

    std::vector<CanvasCall> m_calls;
    Rgb m_pen;
    int m_penWidth = 1;
    Rgb m_brush{255, 255, 255};
    Rgb m_textColour;
    CanvasFont m_font;
    CanvasPoint m_position;
};
