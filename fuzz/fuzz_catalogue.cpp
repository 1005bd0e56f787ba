// Feeds arbitrary bytes to the outline catalogue reader: every outline the
// header names is read. A damaged file must give empty outlines, never a
// crash, a hang or a huge allocation.
#include "model/outlines/LMCatalogueFile.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QBuffer buffer;
    buffer.setData(reinterpret_cast<const char *>(data), qsizetype(size));
    buffer.open(QIODevice::ReadOnly);
    const std::optional<LMCatalogueFile::Header> header = LMCatalogueFile::readHeader(buffer);
    if (!header)
        return 0;
    for (int i = 0; i < header->count && i < 64; ++i) {
        const QList<QPainterPath> paths = LMCatalogueFile::readOutline(buffer, *header, i);
        for (const QPainterPath &p : paths)
            (void)p.boundingRect();
    }
    return 0;
}
