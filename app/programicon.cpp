#include "app/programicon.h"

#include <QIcon>
#include <QPainter>
#include <QPixmap>

QPixmap programIconPixmap(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    // Drawn on a 32 x 32 grid and scaled to the size asked for.
    painter.scale(size / 32.0, size / 32.0);

    // Ground with the two manhole shafts.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(150, 118, 78));
    painter.drawRect(QRectF(0, 6, 32, 26));
    const QColor shaft(170, 170, 170);
    const QPen outline(QColor(60, 60, 60), 1.0);
    painter.setPen(outline);
    painter.setBrush(shaft);
    painter.drawRect(QRectF(1.5, 2.5, 7, 27));
    painter.drawRect(QRectF(23.5, 2.5, 7, 27));
    // Manhole covers.
    painter.setBrush(QColor(70, 70, 70));
    painter.drawRect(QRectF(0.5, 1.5, 9, 2));
    painter.drawRect(QRectF(22.5, 1.5, 9, 2));

    // The pipe: stoneware wall around the bore, water at the invert.
    painter.setBrush(QColor(190, 90, 45));
    painter.drawRect(QRectF(8.5, 16.5, 15, 11));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(235, 225, 205));
    painter.drawRect(QRectF(9, 18.5, 14, 7));
    painter.setBrush(QColor(40, 110, 200));
    painter.drawRect(QRectF(9, 23, 14, 2.5));
    // Flow direction.
    painter.setBrush(QColor(20, 60, 150));
    const QPointF arrow[] = {{13, 19.5}, {19, 21}, {13, 22.5}};
    painter.drawPolygon(arrow, 3);
    return pixmap;
}

QIcon programIcon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64})
        icon.addPixmap(programIconPixmap(size));
    return icon;
}
