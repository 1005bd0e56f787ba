#pragma once

#include <QColor>
#include <QFont>
#include <QHash>
#include <QImage>
#include <QPainterPath>
#include <QRectF>
#include <QSet>
#include <QString>

class QPainter;

// The text written along the frame and on the strips: its words, font and
// colours, and the glyph pictures drawn from them. A glyph is drawn once and
// kept while the text still uses it; a change of look empties the cache.
// Documents keep the font, the text and the fill colour.
class LMFrameTextSettings {
public:
    LMFrameTextSettings() : m_font(QStringLiteral("Arial"), 26), m_drawnFont(m_font) {}

    QColor edgeColor() const { return m_edgeColor; }
    QColor fillColor() const { return m_fillColor; }
    const QString &text() const { return m_text; }
    const QFont &font() const { return m_font; }
    bool strokeOn() const { return m_strokeOn; }
    int edgeWidth() const { return m_edgeWidth; }

    void setText(const QString &text);
    // What stands between two repeats of the text, as the user typed it;
    // empty for the usual gap of about two spaces.
    const QString &separator() const { return m_separator; }
    void setSeparator(const QString &separator);
    // The separator the lettering is set with.
    QString effectiveSeparator() const;
    void setColors(const QColor &edge, const QColor &fill);
    void setFont(const QFont &font);
    void setStroke(bool on);
    void setEdgeWidth(int width);

    // The row the letters run in, in document pixels: 36 (12 mm) on thick
    // strips, 12 (4 mm) on thin ones. Letters larger than a row holds are
    // drawn smaller; the chosen font stays as it is.
    void setRowHeight(double height);
    double rowHeight() const { return m_rowHeight; }
    // The font the glyphs are drawn in, and whether it is smaller than the chosen one.
    const QFont &drawnFont() const { return m_drawnFont; }
    bool isReduced() const { return m_drawnFont != m_font; }
    // `font`, or the largest size of it whose glyphs of `text`, with an edge
    // `edge` wide, fit a row `rowHeight` high with a small margin.
    static QFont fitted(const QFont &font, const QString &text, double rowHeight, double edge);
    // The font the text and its separator are drawn in on rows `rowHeight` high.
    QFont fontForRow(double rowHeight) const;

    // One walk over the text: glyphs the walk does not use are dropped at its end.
    void beginTextPass();
    QImage nextGlyph();
    QImage previousGlyph();
    void endTextPass();
    QImage glyphImage(QChar c);
    // The glyph as a shape, placed where its picture lands when drawn
    // centred on the origin: printers and PDFs get the letters as vectors.
    QPainterPath glyphPathCentred(QChar c) const;
    // Fills and edges a glyph shape with the text's look.
    void drawGlyphPath(QPainter &painter, const QPainterPath &path) const;
    // The glyph's ink about its pen position on the baseline, in the drawn font.
    QRectF glyphBox(QChar c);
    // The ink of all the text's and the separator's glyphs about a common
    // baseline: a line of the text is centred on a row by it.
    QRectF textBox();
    // The character the walk is at: a space outside the text.
    QChar charAtCursor() const;

    // Counts every change of text or look, so pictures made from them know
    // when they are out of date.
    int revision() const { return m_revision; }
    // How many glyph pictures were drawn rather than taken from the cache.
    int glyphsDrawn() const { return m_glyphsDrawn; }
    int cachedGlyphs() const { return int(m_glyphCache.size()); }

private:
    void emptyCache() { m_glyphCache.clear(); }
    // The drawn font again after a change of text, font, edge or row.
    void refit();

    QColor m_edgeColor = Qt::blue;
    QColor m_fillColor = Qt::red;
    QString m_text = QStringLiteral("ABC");
    QString m_separator;
    QFont m_font;
    QFont m_drawnFont;
    double m_rowHeight = 36.0;
    bool m_strokeOn = false;
    int m_edgeWidth = 1;

    QHash<QChar, QImage> m_glyphCache;
    QHash<QChar, QRectF> m_boxes; // in the drawn font
    QSet<QChar> m_used;
    bool m_inPass = false;
    int m_cursor = 0;
    int m_glyphsDrawn = 0;
    int m_revision = 0;
};
