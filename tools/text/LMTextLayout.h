#pragma once

#include <QFont>
#include <QPainterPath>
#include <QRect>
#include <QStringList>

// Lays out lettering as glyph outlines: in a field, broken into lines between
// any two characters, or spaced evenly along an arc.
namespace LMTextLayout {

// The lines of `text` in a field `fieldWidth` pixels wide. A line feed ends a
// line; a carriage return before a line feed or at the end is not drawn; a
// character that does not fit starts the next line, and a character wider
// than the whole field takes a line of its own.
QStringList breakLines(const QString &text, const QFont &font, int fieldWidth);

// The glyphs of `lines`, left-aligned from (left, top), one font height apart.
QPainterPath fieldGlyphs(const QStringList &lines, const QFont &font, int left, int top);

// The upper half of the ellipse inscribed in a rectangle twice the field's
// height: it touches the field's top and ends just below its bottom.
QPainterPath arcOf(const QRect &field);

// The characters of `text` as a reader counts them: a surrogate pair, a letter
// with its accents or an emoji sequence is one.
QStringList characters(const QString &text);

// How many leading characters fit along an arc of `arcLength`: as many as the
// widest of them, repeated, still fits.
int arcFitCount(const QString &text, const QFont &font, double arcLength);

// Where character k of n sits along the arc, as a fraction from the arc's
// start (its right end): the first character is nearest the left end.
inline double arcFraction(int k, int n)
{
    return 1.0 - double(k + 1) / double(n + 1);
}

// The glyphs of the first fitting characters along the arc of `field`, each
// centred on its point; turned to follow the curve when `rotate` is set.
QPainterPath arcGlyphs(const QString &text, const QFont &font, const QRect &field, bool rotate);

} // namespace LMTextLayout
