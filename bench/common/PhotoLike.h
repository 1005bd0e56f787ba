#pragma once

#include <QImage>
#include <QPainter>
#include <QRandomGenerator>

#include <cmath>

// Smooth colour fields with fine grain and some hard edges: compresses like a photo.
inline QImage photoLike(const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    QRandomGenerator grain(7);
    for (int y = 0; y < size.height(); ++y) {
        QRgb *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const double u = double(x) / size.width(), v = double(y) / size.height();
            const int n = int(grain.bounded(13)) - 6;
            const int r = int(128 + 90 * std::sin(6.1 * u + 2.3 * v)) + n;
            const int g = int(120 + 80 * std::cos(4.7 * v - 1.9 * u)) + n;
            const int b = int(110 + 70 * std::sin(9.0 * u * v + 1.0)) + n;
            row[x] = qRgb(qBound(0, r, 255), qBound(0, g, 255), qBound(0, b, 255));
        }
    }
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 12; ++i) {
        p.setBrush(QColor::fromHsv(i * 30, 160, 200));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(size.width() * (0.1 + 0.07 * i), size.height() * (0.2 + 0.05 * i)),
                      size.width() * 0.05, size.height() * 0.04);
    }
    return image;
}
