#pragma once

#include <QByteArray>
#include <QList>
#include <QPainterPath>
#include <QVector>

#include <optional>

class QIODevice;

// The outline catalogue file: a little-endian header (outline count, largest
// width and height, the offset of each outline), then per outline its path
// count (little-endian) and its paths as data-stream painter paths
// (big-endian). The reader trusts nothing it has not checked against the
// bytes really there.
namespace LMCatalogueFile {

struct Header {
    int count = 0;
    int maxWidth = 0;
    int maxHeight = 0;
    QVector<qint32> offsets;
};

// The header, or nothing when the file is too short for what it claims.
std::optional<Header> readHeader(QIODevice &file);

// The paths of outline `index`, the outline first. Empty when the index is
// out of range or any count, offset or element of the outline is damaged.
QList<QPainterPath> readOutline(QIODevice &file, const Header &header, int index);

// A whole file; the header's maxima are the largest outline width and height.
QByteArray write(const QList<QList<QPainterPath>> &outlines);

} // namespace LMCatalogueFile
