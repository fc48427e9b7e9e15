#pragma once

#include "graphic/canvas.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QPen>
#include <QPoint>

class QPainter;

// The canvas on a QPainter: the screen, a printer page and a PDF page alike. Coordinates are the
// painter's device pixels; texts are converted from Windows-1252.
class QPainterCanvas final : public Canvas {
public:
    explicit QPainterCanvas(QPainter& painter);

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

private:
    QPainter& m_painter;
    QPen m_pen;
    QColor m_brush{Qt::white};
    QColor m_textColour{Qt::black};
    QPoint m_position;
    QFontMetrics m_metrics;
    // Rows of the device outside which texts are not drawn at all; empty when the painter is transformed.
    int m_visibleTop = 0;
    int m_visibleBottom = -1;
};
