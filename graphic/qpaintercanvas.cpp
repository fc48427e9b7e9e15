#include "graphic/qpaintercanvas.h"

#include "app/qtext.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>

namespace {
QColor toQColor(Rgb c) { return QColor(c.r, c.g, c.b); }
} // namespace

QPainterCanvas::QPainterCanvas(QPainter& painter) : m_painter(painter) {
    m_pen = QPen(Qt::black, 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    m_pen.setCosmetic(false);
}

void QPainterCanvas::setPen(Rgb colour, int width) {
    m_pen.setColor(toQColor(colour));
    m_pen.setWidth(width < 1 ? 1 : width);
}

void QPainterCanvas::setBrush(Rgb colour) { m_brush = toQColor(colour); }

void QPainterCanvas::setFont(const CanvasFont& font) {
    QFont f(QString::fromStdString(font.name));
    if (font.pixelHeight > 0)
        f.setPixelSize(font.pixelHeight);
    else
        f.setPointSizeF(font.pointSize > 0 ? font.pointSize : 8.0);
    f.setBold(font.bold);
    f.setStyleHint(QFont::SansSerif);
    m_painter.setFont(f);
}

void QPainterCanvas::setTextColour(Rgb colour) { m_textColour = toQColor(colour); }

void QPainterCanvas::fillRect(int left, int top, int right, int bottom) {
    if (right > left && bottom > top)
        m_painter.fillRect(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)), m_brush);
}

void QPainterCanvas::moveTo(int x, int y) { m_position = QPoint(x, y); }

void QPainterCanvas::lineTo(int x, int y) {
    m_painter.setPen(m_pen);
    m_painter.drawLine(m_position, QPoint(x, y));
    m_position = QPoint(x, y);
}

void QPainterCanvas::ellipse(int left, int top, int right, int bottom) {
    m_painter.setPen(m_pen);
    m_painter.setBrush(m_brush);
    m_painter.drawEllipse(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)));
}

void QPainterCanvas::polygon(const CanvasPoint* points, int count) {
    QPolygon poly;
    for (int i = 0; i < count; ++i)
        poly << QPoint(points[i].x, points[i].y);
    m_painter.setPen(m_pen);
    m_painter.setBrush(m_brush);
    m_painter.drawPolygon(poly);
}

void QPainterCanvas::textOut(int x, int y, std::string_view text) {
    if (text.empty())
        return;
    const QString s = toQString(text);
    const QFontMetrics metrics(m_painter.font(), m_painter.device());
    const QRect cell(x, y, metrics.horizontalAdvance(s), metrics.height());
    m_painter.fillRect(cell, m_brush);
    m_painter.setPen(m_textColour);
    m_painter.drawText(cell, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, s);
}
