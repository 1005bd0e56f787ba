#pragma once

#include <QFont>
#include <QList>
#include <QString>

#include <climits>

// Lettering set as a line of type: each character at its advance with the
// font's kerning, the text repeated with a separator between repeats, as many
// whole repeats as a length holds. Never half a word.
struct LMLetteringLine {
    struct Glyph {
        QChar character;
        qreal x = 0;  // pen position from the start of the length
        int word = 0; // which repeat it belongs to; separators count on their own
        bool separator = false;
    };
    enum Spacing {
        Centred, // repeats the separator apart, the whole centred in the length
        Even     // repeats spread evenly over the length, each gap holding the separator
    };
    QList<Glyph> glyphs;
    int repeats = 0;
    int words = 0; // repeats and separators, each numbered in `Glyph::word`

    // What stands between two repeats when the user has chosen nothing: about two spaces.
    static QString defaultSeparator() { return QStringLiteral("  "); }

    // The lettering for `length` units in `font` (sized in the same units),
    // at most `most` repeats. A closed length runs round to its start, so
    // its last repeat is followed by a separator too.
    static LMLetteringLine lay(const QFont &font, const QString &text, const QString &separator,
                               qreal length, Spacing spacing = Centred, int most = INT_MAX,
                               bool closed = false);
};
