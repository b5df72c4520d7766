// Build tools' one way of drawing an SVG picture as a square image.
#pragma once

#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

// A null image when `file` is no valid SVG picture.
inline QImage RenderSvg(const QString& file, int size) {
    QSvgRenderer renderer(file);
    if (!renderer.isValid() || size <= 0) {
        return QImage();
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    return image;
}
