#pragma once

#include "model/frame/LMStripGeometry.h"

#include <QColor>
#include <QImage>
#include <QRect>
#include <QRegion>
#include <QSize>

class LMFrameTextSettings;
class QPainter;

// What the strip sheet is drawn from, in page pixels.
struct LMStripSheetInputs {
    QSize page;
    bool landscape = false;
    QRect printable; // the page inside its margins, inclusive
    LMStripGeometry strips;
    bool expandToSides = false; // the texture covers the sides too
    QColor sideColor;
    QImage texture;
    bool textureTiled = false;
    int textureScale = 100;
    LMFrameTextSettings *text = nullptr; // null: no text on the strips
};

// The strip-pattern sheet: bands of foam strips printed with the frame's
// texture and text, with dashed cut lines, for self-adhesive paper. Bands
// run along the paper's long side. The texture prepared for a sheet is kept
// until its inputs change.
class LMStripSheet {
public:
    // Paints over `painter`'s current transform, which maps page pixels to
    // the device (none for output, the zoom for the screen). On pictures and
    // the screen the sheet is drawn into a picture and kept until an input or
    // the zoom changes: page-sized, or as large as it is seen when that is
    // smaller, and only as far as the device shows it. Printers and PDFs get
    // it drawn afresh.
    void paint(QPainter &painter, const LMStripSheetInputs &in);
    // The sheet as a picture of the page, white between its bands, drawn
    // straight into it: what output writes, the same pixels `paint` keeps.
    QImage render(const LMStripSheetInputs &in);
    // The sheet drawn straight onto `painter`: every line and glyph at the
    // device's own resolution.
    void paintDirect(QPainter &painter, const LMStripSheetInputs &in);

    // The sheet's area in its own (possibly turned) coordinates.
    static QRect area(const LMStripSheetInputs &in);

private:
    const QImage &textureFor(const LMStripSheetInputs &in);
    // `turned`: draws a portrait page's turned sheet in page pixels;
    // `asShapes`: letters as vectors.
    void paintBands(QPainter &painter, const LMStripSheetInputs &in, bool turned, bool asShapes);
    static QString keyOf(const LMStripSheetInputs &in);
    static void fitTextToStrips(const LMStripSheetInputs &in);

    // The part of a sheet of `sheet` pixels, spread over `page`, that
    // `painter`'s device shows.
    static QRect shownPart(const QPainter &painter, const QSize &page, const QSize &sheet);

    QImage m_sheet;    // the last sheet, a whole white page where it is drawn
    QRegion m_painted; // what of m_sheet is drawn
    QString m_sheetKey;
    QImage m_texture;
    QString m_textureKey;
};
