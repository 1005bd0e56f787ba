#pragma once

#include "model/LMViewFlags.h"

#include <QImage>
#include <QPoint>
#include <QRgb>
#include <QString>
#include <QStringList>

#include <array>

// Everything a design file holds, as a plain value: read from bytes, checked,
// and only then loaded into a design; written from a design's state.
struct LMDocument {
    static constexpr qint32 Version = 10;
    static constexpr int HeaderSize = 96;
    static constexpr int TextureNameSize = 32;
    static constexpr int MaxTextBytes = 1024; // font description and frame text each
    // Trailing blocks: a 4-byte tag, a little-endian 32-bit length, then that many bytes.
    static constexpr char FinePageTag[5] = "LMFP";  // k as 32 bits, then the fine page as PNG
    static constexpr char SeparatorTag[5] = "LMTS"; // the frame text's separator in UTF-8
    static constexpr int MaxSeparatorBytes = 64;
    static constexpr char NamesTag[5] = "LMNL"; // the names, UTF-8, one per line
    static constexpr int MaxNamesBytes = 1 << 20;
    static constexpr int MaxNames = 10000;
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
    QImage page;    // at 3 pixels per millimetre
    // The same page drawn k times finer (see LMPageDetail), or null for a
    // standard design. Files keep it in a trailing block after the last
    // block, where version-10 readers never look.
    QImage finePage;
    QString fontDescription;
    QString frameText;
    QRgb textColor = 0;
    // What stands between repeats of the frame text; empty for the usual
    // gap. Kept in a trailing block, and only when the user typed one.
    QString frameTextSeparator;
    // Names that each take the frame text's place on an insert of their own;
    // empty for none. Kept in a trailing block, and only when there are some.
    QStringList frameTextNames;

    // The look of the design that files do not keep, so output matches the
    // screen: the frame text's edge, and the margins the strip sheet keeps.
    QRgb textEdgeColor = 0xff0000ff;
    bool textStroke = false;
    int textEdgeWidth = 1;
    std::array<double, 4> margins = {10.0, 10.0, 10.0, 10.0}; // top, left, bottom, right, in mm
};
