#pragma once

#include "model/LMDocument.h"

#include <QByteArray>

#include <optional>

class QIODevice;

// The ".lmx" design file: a 96-byte little-endian header (version 10, the
// flags block, the texture name, outline placement and choice, the two frame
// colours, the position and length of each block), then the frame texture as
// PNG, the frame-text block and the page as PNG. After the last block come
// trailing blocks, which version-10 readers never reach: a fine design's
// page at its own detail, and the separator the user chose for the frame text.
namespace LMDocumentFile {

// The whole file, or nothing when any part of it is missing or damaged. Every
// position and length is checked against the bytes there before reading, and
// every picture's stated size before decoding it: the page must fit the
// largest paper at 3 pixels per millimetre, the frame texture (a picture the
// user chose) the limit pictures have. A picture refused for its size says
// why in `tooLarge`. A trailing block that cannot be read is left out and
// `warning` says so; the design still opens.
std::optional<LMDocument> read(QIODevice &file, QString *tooLarge = nullptr,
                               QString *warning = nullptr);

QByteArray write(const LMDocument &document);

// A list of names as a design keeps it: each line trimmed (a carriage return
// of a Windows file included), empty ones dropped.
QStringList cleanNames(const QStringList &lines);

// The first little-endian 32-bit integer of a file; documents hold 10 there.
std::optional<qint32> version(QIODevice &file);

} // namespace LMDocumentFile
