#include "model/LMViewFlags.h"

#include <QtEndian>

LMViewFlags LMViewFlags::atStart()
{
    LMViewFlags flags;
    flags.setFrameIndex(1);
    flags.setStripCount(1);
    return flags;
}

int LMViewFlags::outlineRotation() const
{
    const int raw = int(field(m_w1, 8, 11));
    return raw >= 1024 ? raw - 2048 : raw;
}

QByteArray LMViewFlags::toBytes() const
{
    QByteArray bytes(ByteSize, '\0');
    uchar *p = reinterpret_cast<uchar *>(bytes.data());
    qToLittleEndian<quint32>(m_w1, p);
    qToLittleEndian<qint16>(m_paperId, p + 4);
    qToLittleEndian<quint16>(m_w2, p + 6);
    qToLittleEndian<quint16>(m_w3, p + 8);
    qToLittleEndian<quint16>(m_reserved, p + 10);
    return bytes;
}

std::optional<LMViewFlags> LMViewFlags::fromBytes(const QByteArray &bytes)
{
    if (bytes.size() != ByteSize)
        return std::nullopt;
    const uchar *p = reinterpret_cast<const uchar *>(bytes.constData());
    LMViewFlags flags;
    flags.m_w1 = qFromLittleEndian<quint32>(p);
    flags.m_paperId = qFromLittleEndian<qint16>(p + 4);
    flags.m_w2 = qFromLittleEndian<quint16>(p + 6);
    flags.m_w3 = qFromLittleEndian<quint16>(p + 8);
    flags.m_reserved = qFromLittleEndian<quint16>(p + 10);
    return flags;
}
