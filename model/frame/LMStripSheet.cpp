#include "model/frame/LMStripSheet.h"

#include "model/frame/LMFrameTextSettings.h"
#include "model/frame/LMLetteringLine.h"

#include <QHash>
#include <QPaintEngine>
#include <QPainter>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {
// Lettering keeps this far from a band's ends, where the strips are cut.
constexpr int LineEnds = 6;
// The slider's smallest step: a tiled texture never shrinks to nothing.
constexpr int SmallestScale = 10;
} // namespace

QRect LMStripSheet::area(const LMStripSheetInputs &in)
{
    return LMStripGeometry::sheetArea(in.page, in.landscape, in.printable);
}

const QImage &LMStripSheet::textureFor(const LMStripSheetInputs &in)
{
    const int scale = in.textureScale > 0 ? in.textureScale : SmallestScale;
    const bool scaled = in.textureTiled && scale != 100 && !in.texture.isNull();
    const QString key =
        QStringLiteral("%1/%2").arg(in.texture.cacheKey()).arg(scaled ? scale : 100);
    if (key == m_textureKey)
        return m_texture;
    m_textureKey = key;
    m_texture = in.texture;
    if (scaled) {
        const double f = scale / 100.0;
        const QSize size(qMax(1, int(std::lround(f * in.texture.width()))),
                         qMax(1, int(std::lround(f * in.texture.height()))));
        m_texture = in.texture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    return m_texture;
}

void LMStripSheet::fitTextToStrips(const LMStripSheetInputs &in)
{
    // Letters never reach past their strip: before the sheet's key, which
    // a smaller font changes.
    if (in.text)
        in.text->setRowHeight(in.strips.rowPitch());
}

QString LMStripSheet::keyOf(const LMStripSheetInputs &in)
{
    const LMStripGeometry &g = in.strips;
    QStringList parts;
    for (const qint64 v :
         {qint64(in.page.width()), qint64(in.page.height()), qint64(in.landscape),
          qint64(in.printable.left()), qint64(in.printable.top()), qint64(in.printable.right()),
          qint64(in.printable.bottom()), qint64(g.thin), qint64(g.count), qint64(g.sides),
          qint64(in.expandToSides), qint64(in.sideColor.rgba()), qint64(in.texture.cacheKey()),
          qint64(in.textureTiled), qint64(in.textureScale), qint64(quintptr(in.text)),
          qint64(in.text ? in.text->revision() : -1)})
        parts << QString::number(v);
    return parts.join(QLatin1Char(' '));
}

QImage LMStripSheet::render(const LMStripSheetInputs &in)
{
    fitTextToStrips(in);
    QImage sheet(in.page, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter p(&sheet);
    paintBands(p, in, !in.landscape, false);
    return sheet;
}

void LMStripSheet::paint(QPainter &painter, const LMStripSheetInputs &in)
{
    fitTextToStrips(in);
    const QPaintEngine *engine = painter.paintEngine();
    if (!engine || engine->type() != QPaintEngine::Raster) {
        paintDirect(painter, in);
        return;
    }
    // Shown smaller than the page (the screen at a zoom below 100 %), the
    // sheet is drawn at the size it is seen: a fraction of the pixels to
    // fill, scale and letter. Output and 100 % get the page's own pixels.
    const QTransform &shown = painter.transform();
    const double dpr = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    double scale = 1.0;
    if (shown.type() <= QTransform::TxScale && qFuzzyCompare(shown.m11(), shown.m22()) &&
        shown.m11() * dpr < 1.0)
        scale = shown.m11() * dpr;
    const QSize size(qMax(1, int(std::ceil(in.page.width() * scale))),
                     qMax(1, int(std::ceil(in.page.height() * scale))));
    const QString key = keyOf(in) + QStringLiteral(" %1x%2").arg(size.width()).arg(size.height());
    if (key != m_sheetKey || m_sheet.isNull()) {
        // The last sheet's memory is painted over: on A0, fresh memory
        // costs more in page faults than the painting itself.
        if (m_sheet.size() != size)
            m_sheet = QImage(size, QImage::Format_RGB32);
        m_painted = QRegion();
        m_sheetKey = key;
    }
    // Only what the device shows is drawn now (at 100 % a window shows a
    // fraction of an A0 sheet); the rest when it comes into view. Each part
    // is drawn exactly as the whole would be: the bands clipped to it.
    const QRect part = shownPart(painter, in.page, size);
    const QRegion missing = QRegion(part) - m_painted;
    if (!missing.isEmpty()) {
        const QRect todo = missing.boundingRect();
        QPainter p(&m_sheet);
        p.fillRect(todo, Qt::white);
        p.setClipRect(todo);
        if (scale != 1.0) {
            p.scale(double(size.width()) / in.page.width(),
                    double(size.height()) / in.page.height());
            p.setRenderHint(QPainter::SmoothPixmapTransform, true);
            p.setRenderHint(QPainter::Antialiasing, true);
        }
        paintBands(p, in, !in.landscape, false);
        p.end();
        m_painted += todo;
    }
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(QRectF(QPointF(0, 0), QSizeF(in.page)), m_sheet);
    painter.restore();
}

QRect LMStripSheet::shownPart(const QPainter &painter, const QSize &page, const QSize &sheet)
{
    const QRect whole(QPoint(0, 0), sheet);
    const QPaintEngine *engine = painter.paintEngine();
    QRect device = engine ? engine->systemClip().boundingRect() : QRect();
    if (device.isEmpty() && painter.device())
        device = QRect(0, 0, painter.device()->width(), painter.device()->height());
    if (painter.hasClipping())
        device &= painter.transform().mapRect(painter.clipBoundingRect()).toAlignedRect();
    bool invertible = false;
    const QTransform toPage = painter.deviceTransform().inverted(&invertible);
    if (!invertible || device.isEmpty())
        return whole;
    const QRectF onPage = toPage.mapRect(QRectF(device));
    const QTransform toSheet = QTransform::fromScale(double(sheet.width()) / page.width(),
                                                     double(sheet.height()) / page.height());
    // A pixel more on every side: smooth scaling reads the neighbours.
    return toSheet.mapRect(onPage).toAlignedRect().adjusted(-2, -2, 2, 2) & whole;
}

void LMStripSheet::paintDirect(QPainter &painter, const LMStripSheetInputs &in)
{
    fitTextToStrips(in);
    painter.save();
    if (!in.landscape) {
        // A quarter turn, so the bands run along the portrait page's long side.
        const QTransform turn =
            QTransform().rotate(-90) * QTransform::fromTranslate(0, in.page.height());
        painter.setTransform(turn * painter.transform());
    }
    paintBands(painter, in, false, true);
    painter.restore();
}

namespace {
// From sheet to page when the sheet lies turned a quarter on a portrait page
// of height `h`: sheet pixel (x, y) is page pixel (y, h - 1 - x). Drawing
// with these mapped shapes keeps every fill and picture axis-aligned, which
// is many times faster than drawing through a turned painter.
struct Turn {
    bool on = false;
    int h = 0;

    QRect rect(const QRect &r) const
    {
        return on ? QRect(QPoint(r.top(), h - 1 - r.right()), QPoint(r.bottom(), h - 1 - r.left()))
                  : r;
    }
    QPointF point(const QPointF &p) const { return on ? QPointF(p.y(), h - p.x()) : p; }
    QRectF rectF(const QRectF &r) const
    {
        return on ? QRectF(point(r.bottomLeft()), point(r.topRight())).normalized() : r;
    }
    QImage image(const QImage &i) const
    {
        return on && !i.isNull() ? i.transformed(QTransform().rotate(-90)) : i;
    }
    // Where an image drawn at `topLeft` on the sheet lands on the page.
    QPoint imageAt(const QPoint &topLeft, const QSize &sheetSize) const
    {
        return on ? QPoint(topLeft.y(), h - topLeft.x() - sheetSize.width()) : topLeft;
    }
};
// A glyph's picture cut to its ink: thousands of glyphs go on an A0 sheet, and
// blending their transparent margins is most of their cost. Fully transparent
// pixels leave what is under them untouched, so the sheet stays the same.
struct InkedGlyph {
    QImage image;
    QPoint offset; // of the ink in the whole picture
};

InkedGlyph inkOf(const QImage &glyph)
{
    const QImage argb = glyph.format() == QImage::Format_ARGB32_Premultiplied
                            ? glyph
                            : glyph.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    int top = argb.height(), bottom = -1, left = argb.width(), right = -1;
    for (int y = 0; y < argb.height(); ++y) {
        const QRgb *row = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            if (qAlpha(row[x]) == 0)
                continue;
            top = std::min(top, y);
            bottom = y;
            left = std::min(left, x);
            right = std::max(right, x);
        }
    }
    if (bottom < 0)
        return {};
    const QRect ink(QPoint(left, top), QPoint(right, bottom));
    return {argb.copy(ink), ink.topLeft()};
}
} // namespace

void LMStripSheet::paintBands(QPainter &painter, const LMStripSheetInputs &in, bool turned,
                              bool asShapes)
{
    painter.save();
    Turn turn;
    turn.on = turned;
    turn.h = in.page.height();
    const QRect sheet = area(in);
    const LMStripGeometry &g = in.strips;
    const QImage &flatTexture = textureFor(in);
    const QImage shownTexture = turn.image(flatTexture);
    QBrush texture(shownTexture);
    const QPoint origin = turn.imageAt(sheet.topLeft(), flatTexture.size());
    texture.setTransform(QTransform::fromTranslate(origin.x(), origin.y()));
    // Stretched, one picture spans the whole sheet; each band shows its part.
    const double sx = flatTexture.isNull() ? 0 : double(flatTexture.width()) / sheet.width();
    const double sy = flatTexture.isNull() ? 0 : double(flatTexture.height()) / sheet.height();
    QPen cut(Qt::black, 1.0, Qt::DashLine, Qt::SquareCap, Qt::BevelJoin);
    const int h = g.bandHeight();
    const int s = g.sides ? g.sideHeight() : 0;
    QHash<qint64, InkedGlyph> inkedGlyphs;
    // Every band is as long as the sheet is wide: one line fits them all.
    const LMLetteringLine line =
        in.text ? LMLetteringLine::lay(in.text->drawnFont(), in.text->text(),
                                       in.text->effectiveSeparator(), sheet.width() - 2 * LineEnds)
                : LMLetteringLine();

    for (const int top : g.bandTops(sheet)) {
        const QRect band(QPoint(sheet.left(), top), QPoint(sheet.right(), top + h - 1));
        painter.setRenderHint(QPainter::Antialiasing, false);
        if (flatTexture.isNull()) {
            painter.fillRect(turn.rect(band), Qt::white);
        } else if (in.textureTiled) {
            painter.fillRect(turn.rect(band), texture);
        } else {
            // The band's part of the texture, in the shown (maybe turned) texture.
            const QRectF part((band.left() - sheet.left()) * sx, (band.top() - sheet.top()) * sy,
                              band.width() * sx, band.height() * sy);
            const QRectF source = turn.on ? QRectF(part.top(), flatTexture.width() - part.right(),
                                                   part.height(), part.width())
                                          : part;
            painter.save();
            painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
            painter.drawImage(QRectF(turn.rect(band)), shownTexture, source);
            painter.restore();
        }

        if (in.text) {
            painter.save();
            painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
            painter.setClipRect(turn.rect(band), Qt::IntersectClip);
            LMFrameTextSettings &text = *in.text;
            text.beginTextPass();
            // Whole repeats set as words, centred along the band; every strip
            // of the band carries the same line, centred on the strip.
            const qreal left = band.left() + LineEnds;
            const QRectF ink = text.textBox();
            const QList<int> centres = g.stripCentres(top);
            for (const LMLetteringLine::Glyph &placed : line.glyphs) {
                const QChar c = placed.character;
                const QImage glyph = text.glyphImage(c);
                const QRectF box = text.glyphBox(c);
                for (const int centre : centres) {
                    const QPointF pen(left + placed.x, centre - (ink.top() + ink.bottom()) / 2);
                    if (asShapes) {
                        QPainterPath shape;
                        shape.addText(pen, text.drawnFont(), QString(c));
                        text.drawGlyphPath(painter, shape);
                        continue;
                    }
                    auto shown = inkedGlyphs.find(glyph.cacheKey());
                    if (shown == inkedGlyphs.end())
                        shown = inkedGlyphs.insert(glyph.cacheKey(), inkOf(turn.image(glyph)));
                    if (shown->image.isNull())
                        continue;
                    const QPoint at(qRound(pen.x() + box.left()) - 8,
                                    qRound(pen.y() + box.top()) - 8);
                    painter.drawImage(turn.imageAt(at, glyph.size()) + shown->offset, shown->image);
                }
            }
            text.endTextPass();
            painter.restore();
        }

        painter.setPen(cut);
        if (g.sides && !in.expandToSides) {
            painter.fillRect(
                turn.rect(QRect(QPoint(band.left(), top), QPoint(band.right(), top + s - 1))),
                in.sideColor);
            painter.fillRect(turn.rect(QRect(QPoint(band.left(), top + h - s),
                                             QPoint(band.right(), top + h - 1))),
                             in.sideColor);
        }
        const QList<int> lines = g.sideLines(top) + g.separators(top);
        for (const int y : lines)
            painter.drawLine(turn.point(QPointF(band.left(), y + 0.5)),
                             turn.point(QPointF(band.right() + 1, y + 0.5)));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(turn.rectF(QRectF(band).adjusted(0.5, 0.5, -0.5, -0.5)));
    }
    painter.restore();
}
