#pragma once

#include "canvas/LMDocument.h"

#include <QByteArray>

#include <optional>

class QIODevice;

// The ".lmx" design file: a 96-byte little-endian header (version 10, the
// flags block, the texture name, outline placement and choice, the two frame
// colours, the position and length of each block), then the frame texture as
// PNG, the frame-text block and the page as PNG.
namespace LMDocumentFile {

// The whole file, or nothing when any part of it is missing or damaged. Every
// position and length is checked against the bytes there before reading.
std::optional<LMDocument> read(QIODevice &file);

QByteArray write(const LMDocument &document);

// The first little-endian 32-bit integer of a file; documents hold 10 there.
std::optional<qint32> version(QIODevice &file);

} // namespace LMDocumentFile
