#pragma once

#include <QColor>
#include <QFont>
#include <QString>

// The text written along the frame: its words, font and colours. Documents
// keep the font, the text and the fill colour.
struct LMFrameTextSettings {
    LMFrameTextSettings() : font(QStringLiteral("Arial"), 26) {}

    QColor edgeColor = Qt::blue;
    QColor fillColor = Qt::red;
    QString text = QStringLiteral("ABC");
    QFont font;
    bool strokeOn = false;
    int edgeWidth = 1;
};
