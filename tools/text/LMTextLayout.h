#pragma once

#include <QFont>
#include <QLineF>
#include <QPainterPath>
#include <QRect>
#include <QStringList>

// Lays out lettering as glyph outlines: in a field, broken into lines at word
// boundaries, or spaced evenly along an arc.
namespace LMTextLayout {

// One line of a field: where it starts in the text, and how many of the
// text's characters (QChar units, without the line's end) it shows.
struct Line {
    int start;
    int length;
};

// The lines of `text` in a field `fieldWidth` pixels wide. A line feed ends a
// line; a carriage return before a line feed or at the end is not drawn.
// Lines break where the script allows (after a space, between Chinese or
// Japanese characters); a word longer than the field breaks between its
// characters, and a character wider than the whole field takes a line of its
// own. Spaces at a line's end stay with it and take no room.
QList<Line> layoutLines(const QString &text, const QFont &font, int fieldWidth);
QStringList breakLines(const QString &text, const QFont &font, int fieldWidth);

// Where a caret before character `index` stands: x in pixels from the line's
// left end, y the line's number.
QPoint caretPlace(const QString &text, const QFont &font, int fieldWidth, int index);

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

// The length of the arc of `field`.
double arcLength(const QRect &field);

// The field `field` widened about its middle until its arc holds every
// character of `text`; unchanged when it already does.
QRect arcFieldFor(const QString &text, const QFont &font, const QRect &field);

// Where character k of n sits along the arc, as a fraction from the arc's
// start (its right end): the first character is nearest the left end.
inline double arcFraction(int k, int n)
{
    return 1.0 - double(k + 1) / double(n + 1);
}

// The glyphs of the first fitting characters along the arc of `field`, each
// centred on its point; turned to follow the curve when `rotate` is set.
QPainterPath arcGlyphs(const QString &text, const QFont &font, const QRect &field, bool rotate);

// A caret before character `index` of the lettering along the arc of `field`,
// as tall as a line and placed and turned as the characters are.
QLineF arcCaret(const QString &text, const QFont &font, const QRect &field, bool rotate, int index);

} // namespace LMTextLayout
