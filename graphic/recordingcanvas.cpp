#include "graphic/recordingcanvas.h"

CanvasCall RecordingCanvas::stamped(CanvasOp op) const {
    CanvasCall call;
    call.op = op;
    call.pen = m_pen;
    call.penWidth = m_penWidth;
    call.brush = m_brush;
    call.textColour = m_textColour;
    call.font = m_font;
    return call;
}

void RecordingCanvas::setPen(Rgb colour, int width) {
    m_pen = colour;
    m_penWidth = width;
    CanvasCall call = stamped(CanvasOp::SetPen);
    call.a = width;
    m_calls.push_back(std::move(call));
}

void RecordingCanvas::setBrush(Rgb colour) {
    m_brush = colour;
    m_calls.push_back(stamped(CanvasOp::SetBrush));
}

void RecordingCanvas::setFont(const CanvasFont& font) {
    m_font = font;
    m_calls.push_back(stamped(CanvasOp::SetFont));
}

void RecordingCanvas::setTextColour(Rgb colour) {
    m_textColour = colour;
    m_calls.push_back(stamped(CanvasOp::SetTextColour));
}

void RecordingCanvas::fillRect(int left, int top, int right, int bottom) {
    CanvasCall call = stamped(CanvasOp::FillRect);
    call.a = left;
    call.b = top;
    call.c = right;
    call.d = bottom;
    m_calls.push_back(std::move(call));
}

void RecordingCanvas::moveTo(int x, int y) {
    m_position = {x, y};
    CanvasCall call = stamped(CanvasOp::MoveTo);
    call.a = x;
    call.b = y;
    m_calls.push_back(std::move(call));
}

void RecordingCanvas::lineTo(int x, int y) {
    CanvasCall call = stamped(CanvasOp::LineTo);
    call.a = m_position.x;
    call.b = m_position.y;
    call.c = x;
    call.d = y;
    m_calls.push_back(std::move(call));
    m_position = {x, y};
}

void RecordingCanvas::ellipse(int left, int top, int right, int bottom) {
    CanvasCall call = stamped(CanvasOp::Ellipse);
    call.a = left;
    call.b = top;
    call.c = right;
    call.d = bottom;
    m_calls.push_back(std::move(call));
}

void RecordingCanvas::polygon(const CanvasPoint* points, int count) {
    CanvasCall call = stamped(CanvasOp::Polygon);
    if (points != nullptr && count > 0)
        call.points.assign(points, points + count);
    m_calls.push_back(std::move(call));
}

void RecordingCanvas::textOut(int x, int y, std::string_view text) {
    CanvasCall call = stamped(CanvasOp::TextOut);
    call.a = x;
    call.b = y;
    call.text = std::string(text);
    m_calls.push_back(std::move(call));
}

std::vector<CanvasCall> RecordingCanvas::ofKind(CanvasOp op) const {
    std::vector<CanvasCall> out;
    for (const CanvasCall& call : m_calls)
        if (call.op == op)
            out.push_back(call);
    return out;
}

const CanvasCall* RecordingCanvas::findText(std::string_view text) const {
    for (const CanvasCall& call : m_calls)
        if (call.op == CanvasOp::TextOut && call.text == text)
            return &call;
    return nullptr;
}

std::vector<CanvasCall> RecordingCanvas::textsEqual(std::string_view text) const {
    std::vector<CanvasCall> out;
    for (const CanvasCall& call : m_calls)
        if (call.op == CanvasOp::TextOut && call.text == text)
            out.push_back(call);
    return out;
}

const CanvasCall* RecordingCanvas::findLine(CanvasPoint from, CanvasPoint to) const {
    for (const CanvasCall& call : m_calls)
        if (call.op == CanvasOp::LineTo && call.a == from.x && call.b == from.y && call.c == to.x &&
            call.d == to.y)
            return &call;
    return nullptr;
}

bool RecordingCanvas::hasLine(CanvasPoint from, CanvasPoint to) const {
    return findLine(from, to) != nullptr;
}

void RecordingCanvas::clear() noexcept {
    m_calls.clear();
}
