#include "canvas/LMFiles.h"

#include "canvas/LMDocument.h"
#include "canvas/LMDocumentFile.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>

namespace LMFiles {

namespace {
QByteArray formatOf(const QString &path)
{
    return QFileInfo(path).suffix().toLower().toLatin1();
}
} // namespace

bool isDocumentName(const QString &path)
{
    return path.endsWith(QLatin1String(".lmx"));
}

Picture readPicture(const QString &path)
{
    // A limit of our own rather than Qt's default, which may change or be lifted.
    QImageReader::setAllocationLimit(int(MaxPictureBytes >> 20));
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QSize size = reader.size();
    if (size.isValid()) {
        const qint64 pixels = qint64(size.width()) * size.height();
        const int depth = QImage::toPixelFormat(reader.imageFormat()).bitsPerPixel();
        const qint64 bytes = pixels * qMax(depth, 32) / 8;
        if (pixels > MaxPicturePixels || bytes > MaxPictureBytes)
            return {QImage(), QStringLiteral("The picture is %1 x %2 pixels; Lumetra opens "
                                             "pictures of up to %3 megapixels.")
                                  .arg(size.width())
                                  .arg(size.height())
                                  .arg(MaxPicturePixels / 1'000'000)};
    }
    return {reader.read(), QString()};
}

int openProblem(const QString &path, QString *reason)
{
    if (!QFileInfo::exists(path))
        return 58; // "File not found!"
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly))
        return 59; // "Can not open file!"
    if (isDocumentName(path)) {
        const std::optional<qint32> version = LMDocumentFile::version(file);
        return version && *version == LMDocument::Version ? 0 : 60; // "Lmx file internal error!"
    }
    file.close();
    const Picture picture = readPicture(path);
    if (!picture.tooLarge.isEmpty()) {
        if (reason)
            *reason = picture.tooLarge;
        return 59; // "Can not open file!"
    }
    return picture.image.isNull() ? 61 : 0; // "Not a valid image file!"
}

bool isPdfName(const QString &path)
{
    return formatOf(path) == "pdf";
}

bool isImageName(const QString &path)
{
    const QByteArray format = formatOf(path);
    return !format.isEmpty() && QImageWriter::supportedImageFormats().contains(format);
}

bool saveDesign(const QString &path, const LMDocument &document)
{
    const QByteArray bytes = LMDocumentFile::write(document);
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

bool saveImage(const QString &path, const QImage &image)
{
    if (!isImageName(path))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QImageWriter writer(&file, formatOf(path));
    return writer.write(image) && file.commit();
}

} // namespace LMFiles
