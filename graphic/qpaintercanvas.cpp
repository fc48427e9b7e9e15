#include "graphic/qpaintercanvas.h"

#include "app/qtext.h"

#include <QPainter>
#include <QPolygon>

#include <algorithm>

namespace {

QColor toQColor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

// Qt's raster and PDF engines take coordinates far beyond any page, but not the whole int range; the
// drawing already keeps within +-1e9, this keeps within what a QPoint stroked by Qt can hold safely.
constexpr int Limit = 1 << 24;
int bounded(int v) {
    return std::clamp(v, -Limit, Limit);
}
QPoint point(int x, int y) {
    return QPoint(bounded(x), bounded(y));
}

} // namespace

QPainterCanvas::QPainterCanvas(QPainter& painter)
    : m_painter(painter), m_metrics(painter.font(), painter.device()) {
    m_pen = QPen(Qt::black, 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    m_pen.setCosmetic(false);
    m_painter.setPen(m_pen);
    if (painter.device() != nullptr && painter.transform().isIdentity()) {
        m_visibleTop = 0;
        m_visibleBottom = painter.device()->height() - 1;
    }
}

void QPainterCanvas::setPen(Rgb colour, int width) {
    m_pen.setColor(toQColor(colour));
    m_pen.setWidth(width < 1 ? 1 : width);
}

void QPainterCanvas::setBrush(Rgb colour) {
    m_brush = toQColor(colour);
}

void QPainterCanvas::setFont(const CanvasFont& font) {
    QFont f;
    // The faces the drawings name are Windows faces; fall back to metric-compatible or plain sans faces.
    f.setFamilies({QString::fromStdString(font.name), QStringLiteral("Liberation Sans"),
                   QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
    f.setStyleHint(QFont::SansSerif);
    if (font.pixelHeight > 0)
        f.setPixelSize(font.pixelHeight);
    else
        f.setPointSizeF(font.pointSize > 0 ? font.pointSize : 8.0);
    f.setBold(font.bold);
    m_painter.setFont(f);
    m_metrics = QFontMetrics(m_painter.font(), m_painter.device());
}

void QPainterCanvas::setTextColour(Rgb colour) {
    m_textColour = toQColor(colour);
}

void QPainterCanvas::fillRect(int left, int top, int right, int bottom) {
    if (right > left && bottom > top)
        m_painter.fillRect(QRect(point(left, top), point(right - 1, bottom - 1)), m_brush);
}

void QPainterCanvas::moveTo(int x, int y) {
    m_position = point(x, y);
}

void QPainterCanvas::lineTo(int x, int y) {
    const QPoint to = point(x, y);
    m_painter.setPen(m_pen);
    m_painter.drawLine(m_position, to);
    m_position = to;
}

void QPainterCanvas::ellipse(int left, int top, int right, int bottom) {
    m_painter.setPen(m_pen);
    m_painter.setBrush(m_brush);
    m_painter.drawEllipse(QRect(point(left, top), point(right - 1, bottom - 1)));
}

void QPainterCanvas::polygon(const CanvasPoint* points, int count) {
    if (points == nullptr || count < 2)
        return;
    QPolygon poly;
    poly.reserve(count);
    for (int i = 0; i < count; ++i)
        poly << point(points[i].x, points[i].y);
    m_painter.setPen(m_pen);
    m_painter.setBrush(m_brush);
    m_painter.drawPolygon(poly);
}

void QPainterCanvas::textOut(int x, int y, std::string_view text) {
    if (text.empty())
        return;
    const QPoint at = point(x, y);
    // A long drawing on a window-sized image puts most rows off the device; laying them out costs time.
    if (m_visibleBottom >= m_visibleTop &&
        (at.y() > m_visibleBottom || at.y() + m_metrics.height() < m_visibleTop))
        return;
    const QString s = toQString(text);
    const QRect cell(at, QSize(m_metrics.horizontalAdvance(s), m_metrics.height()));
    m_painter.fillRect(cell, m_brush);
    m_painter.setPen(m_textColour);
    m_painter.drawText(QPoint(at.x(), at.y() + m_metrics.ascent()), s);
}
