#pragma once

#include <QFont>
#include <QList>
#include <QString>

// Lettering set as a line of type: each character at its advance with the
// font's kerning, the text repeated with a separator between repeats, as many
// whole repeats as a length holds, centred in it. Never half a word.
struct LMLetteringLine {
    struct Glyph {
        QChar character;
        qreal x = 0; // pen position from the start of the length
    };
    QList<Glyph> glyphs;
    int repeats = 0;

    // What stands between two repeats when the user has chosen nothing: about two spaces.
    static QString defaultSeparator() { return QStringLiteral("  "); }

    // The lettering for `length` units in `font` (sized in the same units).
    static LMLetteringLine lay(const QFont &font, const QString &text, const QString &separator,
                               qreal length);
};
