#pragma once

#include "canvas/LMViewFlags.h"

#include <QImage>
#include <QPoint>
#include <QRgb>
#include <QString>

// Everything a design file holds, as a plain value: read from bytes, checked,
// and only then applied to the canvas; written from the canvas's state.
struct LMDocument {
    static constexpr qint32 Version = 10;
    static constexpr int HeaderSize = 96;
    static constexpr int TextureNameSize = 32;
    static constexpr int MaxTextBytes = 1024; // font description and frame text each
    // The frame's colours in a new design.
    static constexpr QRgb DefaultFrameColor = 0xff0000ff; // blue
    static constexpr QRgb DefaultSideColor = 0xffa0a0a4;  // gray

    LMViewFlags flags;
    QString textureName;
    QPoint outlineOffset;
    qint32 outlineGroup = 0;
    qint32 outlineIndex = 0;
    QRgb frameColor = 0;
    QRgb sideColor = 0;
    QImage texture; // may be null: a document without a frame texture
    QImage page;
    QString fontDescription;
    QString frameText;
    QRgb textColor = 0;
};
