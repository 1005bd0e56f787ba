#pragma once

#include <QBuffer>
#include <QImage>
#include <QtEndian>

// A small PNG whose header claims `size`: what a reader sees before it
// decodes a byte of pixels. Decoding it fails; only a size check tells why.
inline QByteArray pngClaiming(QSize size)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImage(1, 1, QImage::Format_RGB32).save(&buffer, "PNG");
    // IHDR: length at 8, type at 12, width at 16, height at 20, CRC at 29.
    qToBigEndian<quint32>(quint32(size.width()), bytes.data() + 16);
    qToBigEndian<quint32>(quint32(size.height()), bytes.data() + 20);
    quint32 crc = 0xffffffffu;
    for (const char c : bytes.mid(12, 17)) {
        crc ^= uchar(c);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    qToBigEndian<quint32>(~crc, bytes.data() + 29);
    return bytes;
}
