#include "model/outlines/LMCatalogueFile.h"

#include <QBuffer>
#include <QDataStream>
#include <QIODevice>
#include <QtEndian>

#include <cmath>

namespace LMCatalogueFile {

namespace {
constexpr qint64 HeaderBytes = 12;
constexpr qint64 ElementBytes = 20;   // type, x, y
constexpr qint64 EmptyPathBytes = 12; // count, start index, fill rule

std::optional<qint32> readLittle(QIODevice &file)
{
    char bytes[4];
    if (file.read(bytes, 4) != 4)
        return std::nullopt;
    return qFromLittleEndian<qint32>(bytes);
}

std::optional<QPainterPath> readPath(QIODevice &file)
{
    char countBytes[4];
    if (file.read(countBytes, 4) != 4)
        return std::nullopt;
    const qint32 count = qFromBigEndian<qint32>(countBytes);
    const qint64 left = file.size() - file.pos();
    if (count < 0 || ElementBytes * count + 8 > left)
        return std::nullopt;
    const QByteArray body = file.read(ElementBytes * count + 8);
    if (body.size() != ElementBytes * count + 8)
        return std::nullopt;

    QDataStream in(body);
    QPainterPath path;
    for (qint32 i = 0; i < count; ++i) {
        qint32 type;
        double x, y;
        in >> type >> x >> y;
        if (!std::isfinite(x) || !std::isfinite(y))
            return std::nullopt;
        switch (type) {
        case QPainterPath::MoveToElement:
            path.moveTo(x, y);
            break;
        case QPainterPath::LineToElement:
            if (i == 0)
                return std::nullopt;
            path.lineTo(x, y);
            break;
        case QPainterPath::CurveToElement: {
            // A curve is its end point's two control points after it.
            if (i == 0 || i + 2 >= count)
                return std::nullopt;
            qint32 t1, t2;
            double x1, y1, x2, y2;
            in >> t1 >> x1 >> y1 >> t2 >> x2 >> y2;
            if (t1 != QPainterPath::CurveToDataElement || t2 != QPainterPath::CurveToDataElement ||
                !std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) ||
                !std::isfinite(y2))
                return std::nullopt;
            path.cubicTo(x, y, x1, y1, x2, y2);
            i += 2;
            break;
        }
        default:
            return std::nullopt;
        }
    }
    qint32 start, fillRule;
    in >> start >> fillRule;
    if (in.status() != QDataStream::Ok)
        return std::nullopt;
    path.setFillRule(fillRule == 1 ? Qt::WindingFill : Qt::OddEvenFill);
    return path;
}
} // namespace

std::optional<Header> readHeader(QIODevice &file)
{
    if (!file.seek(0) || file.size() < HeaderBytes)
        return std::nullopt;
    const std::optional<qint32> count = readLittle(file);
    const std::optional<qint32> width = readLittle(file);
    const std::optional<qint32> height = readLittle(file);
    if (!count || !width || !height || *count < 0 || HeaderBytes + 4 * qint64(*count) > file.size())
        return std::nullopt;
    Header header;
    header.count = *count;
    header.maxWidth = *width;
    header.maxHeight = *height;
    header.offsets.reserve(*count);
    for (qint32 i = 0; i < *count; ++i)
        header.offsets << *readLittle(file); // in range: checked above
    return header;
}

QList<QPainterPath> readOutline(QIODevice &file, const Header &header, int index)
{
    if (index < 0 || index >= header.offsets.size())
        return {};
    const qint64 offset = header.offsets[index];
    if (offset < HeaderBytes || offset + 4 > file.size() || !file.seek(offset))
        return {};
    const std::optional<qint32> paths = readLittle(file);
    if (!paths || *paths < 0 || EmptyPathBytes * *paths > file.size() - file.pos())
        return {};
    QList<QPainterPath> outline;
    outline.reserve(*paths);
    for (qint32 k = 0; k < *paths; ++k) {
        const std::optional<QPainterPath> path = readPath(file);
        if (!path)
            return {};
        outline << *path;
    }
    return outline;
}

QByteArray write(const QList<QList<QPainterPath>> &outlines)
{
    QByteArray body;
    QVector<qint32> offsets;
    const qint64 start = HeaderBytes + 4 * qint64(outlines.size());
    double maxWidth = 0, maxHeight = 0;
    for (const QList<QPainterPath> &outline : outlines) {
        offsets << qint32(start + body.size());
        QByteArray count(4, '\0');
        qToLittleEndian<qint32>(qint32(outline.size()), count.data());
        body += count;
        QBuffer buffer(&body);
        buffer.open(QIODevice::WriteOnly | QIODevice::Append);
        QDataStream out(&buffer);
        for (const QPainterPath &path : outline)
            out << path;
        if (!outline.isEmpty()) {
            maxWidth = qMax(maxWidth, outline.first().boundingRect().width());
            maxHeight = qMax(maxHeight, outline.first().boundingRect().height());
        }
    }
    QByteArray header(int(start), '\0');
    qToLittleEndian<qint32>(qint32(outlines.size()), header.data());
    qToLittleEndian<qint32>(qint32(std::lround(maxWidth)), header.data() + 4);
    qToLittleEndian<qint32>(qint32(std::lround(maxHeight)), header.data() + 8);
    for (int i = 0; i < offsets.size(); ++i)
        qToLittleEndian<qint32>(offsets[i], header.data() + 12 + 4 * i);
    return header + body;
}

} // namespace LMCatalogueFile
