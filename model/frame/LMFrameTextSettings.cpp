#include "model/frame/LMFrameTextSettings.h"

#include "model/frame/LMLetteringLine.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

void LMFrameTextSettings::setText(const QString &text)
{
    // Characters still in the new text keep their pictures; the next pass
    // drops the rest.
    if (text == m_text)
        return;
    ++m_revision;
    m_text = text;
    refit();
}

void LMFrameTextSettings::setSeparator(const QString &separator)
{
    if (separator == m_separator)
        return;
    ++m_revision;
    m_separator = separator;
    refit();
}

QString LMFrameTextSettings::effectiveSeparator() const
{
    return m_separator.isEmpty() ? LMLetteringLine::defaultSeparator() : m_separator;
}

void LMFrameTextSettings::setColors(const QColor &edge, const QColor &fill)
{
    if (edge == m_edgeColor && fill == m_fillColor)
        return;
    m_edgeColor = edge;
    m_fillColor = fill;
    ++m_revision;
    emptyCache();
}

void LMFrameTextSettings::setFont(const QFont &font)
{
    if (font == m_font && font.toString() == m_font.toString())
        return;
    m_font = font;
    ++m_revision;
    emptyCache();
    refit();
}

void LMFrameTextSettings::setStroke(bool on)
{
    if (on == m_strokeOn)
        return;
    m_strokeOn = on;
    ++m_revision;
    emptyCache();
    refit();
}

void LMFrameTextSettings::setEdgeWidth(int width)
{
    if (width == m_edgeWidth)
        return;
    m_edgeWidth = width;
    ++m_revision;
    emptyCache();
    refit();
}

void LMFrameTextSettings::setRowHeight(double height)
{
    if (height == m_rowHeight)
        return;
    m_rowHeight = height;
    refit();
}

namespace {
// The height of the text's ink set on one baseline, from the highest top
// (an "l") to the lowest foot (a "p").
qreal inkHeight(const QFont &font, const QString &text)
{
    QRectF ink;
    for (const QChar c : text) {
        if (c.isSpace())
            continue;
        QPainterPath path;
        path.addText(0, 0, font, QString(c));
        ink |= path.boundingRect();
    }
    return ink.height();
}

// A row keeps this much free above and below its letters: a glyph drawn
// from its picture may land a pixel off the row's middle.
constexpr double RowMargin = 2.0;
} // namespace

QFont LMFrameTextSettings::fitted(const QFont &font, const QString &text, double rowHeight,
                                  double edge)
{
    // An edge wider than the row leaves the letters the smallest size.
    const double room = qMax(1.0, rowHeight - 2 * RowMargin - edge);
    const qreal tall = inkHeight(font, text);
    if (tall <= room)
        return font;
    QFont smaller = font;
    const bool inPixels = font.pixelSize() > 0;
    qreal size = inPixels ? font.pixelSize() : font.pointSizeF();
    // Glyphs grow about in step with the size; hinting may add a little,
    // so the last steps check again.
    size = qMax<qreal>(1, size * room / tall);
    for (int tries = 0; tries < 20; ++tries) {
        if (inPixels)
            smaller.setPixelSize(qMax(1, int(size)));
        else
            smaller.setPointSizeF(size);
        if (size <= 1 || inkHeight(smaller, text) <= room)
            break;
        size = qMax<qreal>(1, size * 0.97);
    }
    return smaller;
}

QFont LMFrameTextSettings::fontForRow(double rowHeight) const
{
    return fitted(m_font, m_text + effectiveSeparator(), rowHeight, m_strokeOn ? m_edgeWidth : 0);
}

QRectF LMFrameTextSettings::glyphBox(QChar c)
{
    const auto known = m_boxes.constFind(c);
    if (known != m_boxes.constEnd())
        return *known;
    QPainterPath path;
    path.addText(0, 0, m_drawnFont, QString(c));
    return *m_boxes.insert(c, path.boundingRect());
}

QRectF LMFrameTextSettings::textBox()
{
    QRectF ink;
    for (const QChar c : m_text + effectiveSeparator())
        if (!c.isSpace())
            ink |= glyphBox(c);
    return ink;
}

void LMFrameTextSettings::refit()
{
    const QFont drawn = fontForRow(m_rowHeight);
    if (drawn == m_drawnFont && drawn.toString() == m_drawnFont.toString())
        return;
    m_drawnFont = drawn;
    m_boxes.clear();
    ++m_revision;
    emptyCache();
}

void LMFrameTextSettings::beginTextPass()
{
    m_inPass = true;
    m_used.clear();
    m_cursor = 0;
}

QChar LMFrameTextSettings::charAtCursor() const
{
    return m_cursor >= 0 && m_cursor < m_text.size() ? m_text.at(m_cursor) : QChar(u' ');
}

QImage LMFrameTextSettings::nextGlyph()
{
    const QChar c = charAtCursor();
    m_cursor = m_text.isEmpty() ? 0 : (m_cursor + 1) % int(m_text.size());
    return glyphImage(c);
}

QImage LMFrameTextSettings::previousGlyph()
{
    const QChar c = charAtCursor();
    m_cursor = m_cursor - 1 < 0 ? int(m_text.size()) - 1 : m_cursor - 1;
    return glyphImage(c);
}

void LMFrameTextSettings::endTextPass()
{
    m_inPass = false;
    for (auto it = m_glyphCache.begin(); it != m_glyphCache.end();) {
        if (m_used.contains(it.key()))
            ++it;
        else
            it = m_glyphCache.erase(it);
    }
}

QPainterPath LMFrameTextSettings::glyphPathCentred(QChar c) const
{
    QPainterPath path;
    path.addText(0, 0, m_drawnFont, QString(c));
    const QRectF box = path.boundingRect();
    const int w = int(std::lround(box.width())) + 16, h = int(std::lround(box.height())) + 16;
    // As in the picture: the shape 8 pixels in from its corner, the picture
    // drawn at minus half its size.
    path.translate(8 - box.left() - (w - 1) / 2, 8 - box.top() - (h - 1) / 2);
    return path;
}

void LMFrameTextSettings::drawGlyphPath(QPainter &painter, const QPainterPath &path) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setBrush(m_fillColor);
    if (m_strokeOn)
        painter.setPen(QPen(m_edgeColor, m_edgeWidth, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    else
        painter.setPen(Qt::NoPen);
    painter.drawPath(path);
    painter.restore();
}

QImage LMFrameTextSettings::glyphImage(QChar c)
{
    m_used.insert(c);
    const auto cached = m_glyphCache.constFind(c);
    if (cached != m_glyphCache.constEnd())
        return *cached;
    QPainterPath path;
    path.addText(0, 0, m_drawnFont, QString(c));
    const QRectF box = path.boundingRect();
    path.translate(-box.topLeft());
    QImage glyph(int(std::lround(box.width())) + 16, int(std::lround(box.height())) + 16,
                 QImage::Format_ARGB32_Premultiplied);
    glyph.fill(Qt::transparent);
    QPainter p(&glyph);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setBrush(m_fillColor);
    if (m_strokeOn)
        p.setPen(QPen(m_edgeColor, m_edgeWidth, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    else
        p.setPen(Qt::NoPen);
    p.translate(8, 8);
    p.drawPath(path);
    p.end();
    m_glyphCache.insert(c, glyph);
    ++m_glyphsDrawn;
    return glyph;
}
