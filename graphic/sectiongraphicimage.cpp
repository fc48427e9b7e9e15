#include "graphic/sectiongraphicimage.h"

#include "app/qtext.h"
#include "graphic/framebevel.h"
#include "graphic/qpaintercanvas.h"
#include "graphic/sectiongraphic.h"

#include <QDir>
#include <QPainter>
#include <QSaveFile>

QImage SectionGraphicImage(const HaltungRecord& record) {
    SectionGraphicView view;
    view.frameTop = 0;
    const FrameBounds frame = SectionGraphicFrame(record, view.windowWidth, view.frameTop);
    // The frame's height rule leaves the end manhole, its name and the last rows below the frame; an
    // image cut at the frame would lose them.
    const int height = SectionGraphicBottom(record, view);
    if (frame.width <= 0 || frame.height <= 0 || height > MaxSectionImageHeight)
        return {};
    QImage image(frame.width, height, QImage::Format_RGB32);
    image.fill(QColor(216, 216, 216));
    QPainter painter(&image);
    painter.translate(-frame.left, 0);
    QPainterCanvas canvas(painter);
    DrawSectionGraphic(record, canvas, view);
    PaintFrameBevel(painter, frame);
    return image;
}

std::string SaveSectionGraphicPng(const HaltungRecord& record, const QString& path) {
    const QImage image = SectionGraphicImage(record);
    if (image.isNull())
        return "Die Haltungsgrafik ist h\xF6her als " + std::to_string(MaxSectionImageHeight) +
               " Bildpunkte und wird nicht als Bild gespeichert.";
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit())
        return "Die Datei " + fromQString(QDir::toNativeSeparators(path)) + " kann nicht geschrieben werden.";
    return {};
}
