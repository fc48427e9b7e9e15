#include "graphic/framebevel.h"

#include "graphic/sectiongraphic.h"

#include <QColor>
#include <QPainter>

#include <algorithm>

void PaintFrameBevel(QPainter& painter, const FrameBounds& f) {
    if (f.width < 2 || f.height < 2)
        return;
    const int right = f.left + f.width - 1;
    // Far below any device; keeps the line within what Qt strokes safely.
    const int bottom =
        static_cast<int>(std::min<long long>(static_cast<long long>(f.top) + f.height - 1, 1 << 24));
    painter.setPen(QColor(255, 255, 255));
    painter.drawLine(f.left, f.top, right, f.top);
    painter.drawLine(f.left, f.top, f.left, bottom);
    painter.setPen(QColor(128, 128, 128));
    painter.drawLine(f.left, bottom, right, bottom);
    painter.drawLine(right, f.top, right, bottom);
}
