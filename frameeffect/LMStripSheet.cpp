#include "frameeffect/LMStripSheet.h"

#include "frameeffect/LMFrameTextSettings.h"

#include <QPainter>

#include <cmath>

namespace {
// The slider's smallest step: a tiled texture never shrinks to nothing.
constexpr int SmallestScale = 10;
} // namespace

QRect LMStripSheet::area(const LMStripSheetInputs &in)
{
    return LMStripGeometry::sheetArea(in.page, in.landscape, in.printable);
}

const QImage &LMStripSheet::textureFor(const LMStripSheetInputs &in, const QRect &area)
{
    const int scale = in.textureScale > 0 ? in.textureScale : SmallestScale;
    const QString key = QStringLiteral("%1/%2/%3/%4x%5")
                            .arg(in.texture.cacheKey())
                            .arg(in.textureTiled)
                            .arg(scale)
                            .arg(area.width())
                            .arg(area.height());
    if (key == m_textureKey)
        return m_texture;
    m_textureKey = key;
    if (in.texture.isNull()) {
        m_texture = QImage();
    } else if (!in.textureTiled) {
        // One picture stretched across the whole sheet.
        m_texture = in.texture.scaled(area.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    } else if (scale != 100) {
        const double f = scale / 100.0;
        const QSize size(qMax(1, int(std::lround(f * in.texture.width()))),
                         qMax(1, int(std::lround(f * in.texture.height()))));
        m_texture = in.texture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    } else {
        m_texture = in.texture;
    }
    return m_texture;
}

void LMStripSheet::paint(QPainter &painter, const LMStripSheetInputs &in)
{
    painter.save();
    if (!in.landscape) {
        // A quarter turn, so the bands run along the portrait page's long side.
        const QTransform turn =
            QTransform().rotate(-90) * QTransform::fromTranslate(0, in.page.height());
        painter.setTransform(turn * painter.transform());
    }
    const QRect sheet = area(in);
    const LMStripGeometry &g = in.strips;
    QBrush texture(textureFor(in, sheet));
    texture.setTransform(QTransform::fromTranslate(sheet.left(), sheet.top()));
    QPen cut(Qt::black, 1.0, Qt::DashLine, Qt::SquareCap, Qt::BevelJoin);
    const int h = g.bandHeight();
    const int s = g.sides ? g.sideHeight() : 0;

    for (const int top : g.bandTops(sheet)) {
        const QRect band(QPoint(sheet.left(), top), QPoint(sheet.right(), top + h - 1));
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.fillRect(band, texture.textureImage().isNull() ? QBrush(Qt::white) : texture);

        if (in.text) {
            painter.save();
            painter.setRenderHint(QPainter::Antialiasing, true);
            painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
            painter.setClipRect(band);
            in.text->beginTextPass();
            const QList<int> centres = g.stripCentres(top);
            for (const int x : LMStripGeometry::textColumns(sheet)) {
                const QImage glyph = in.text->nextGlyph();
                for (const int y : centres)
                    painter.drawImage(
                        QPoint(x - (glyph.width() - 1) / 2, y - (glyph.height() - 1) / 2), glyph);
            }
            in.text->endTextPass();
            painter.restore();
        }

        painter.setPen(cut);
        if (g.sides && !in.expandToSides) {
            painter.fillRect(QRect(QPoint(band.left(), top), QPoint(band.right(), top + s - 1)),
                             in.sideColor);
            painter.fillRect(
                QRect(QPoint(band.left(), top + h - s), QPoint(band.right(), top + h - 1)),
                in.sideColor);
        }
        QList<int> lines = g.sideLines(top) + g.separators(top);
        for (const int y : lines)
            painter.drawLine(QPointF(band.left(), y + 0.5), QPointF(band.right() + 1, y + 0.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(band).adjusted(0.5, 0.5, -0.5, -0.5));
    }
    painter.restore();
}
