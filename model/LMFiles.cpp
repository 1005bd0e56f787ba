#include "model/LMFiles.h"

#include "model/LMDocument.h"
#include "model/LMDocumentFile.h"

#include <QCoreApplication>
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

constexpr int PngQuality = 70;

bool failed(QString *error, const QString &reason)
{
    if (error)
        *error = reason;
    return false;
}
} // namespace

void limitImageAllocation()
{
    QImageReader::setAllocationLimit(int(MaxPictureBytes >> 20));
}

QString pictureTooLarge(QSize size, QImage::Format format)
{
    if (!size.isValid())
        return QString();
    const qint64 pixels = qint64(size.width()) * size.height();
    const int depth = QImage::toPixelFormat(format).bitsPerPixel();
    const qint64 bytes = pixels * qMax(depth, 32) / 8;
    if (pixels <= MaxPicturePixels && bytes <= MaxPictureBytes)
        return QString();
    return QCoreApplication::translate("LMFiles", "The picture is %1 x %2 pixels; Lumetra opens "
                                                  "pictures of up to %3 megapixels.")
        .arg(size.width())
        .arg(size.height())
        .arg(MaxPicturePixels / 1'000'000);
}

bool isDocumentName(const QString &path)
{
    return path.endsWith(QLatin1String(".lmx"));
}

Picture readPicture(const QString &path)
{
    // The image tool and the frame panel come here straight from a file dialog.
    if (!QFileInfo(path).isFile())
        return {};
    limitImageAllocation();
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QString tooLarge = pictureTooLarge(reader.size(), reader.imageFormat());
    if (!tooLarge.isEmpty())
        return {QImage(), tooLarge};
    return {reader.read(), QString()};
}

int openProblem(const QString &path, QString *reason)
{
    const QFileInfo info(path);
    if (!info.exists())
        return 58; // "File not found!"
    // Only regular files (or links to one): opening a FIFO blocks until a
    // writer comes, and a device may never end.
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
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

QString pictureFilters()
{
    // The other formats go by their own names.
    return QStringLiteral("JPEG(*.jpeg *.jpg *.jpe);;GIF(*.gif);;") +
           QCoreApplication::translate("LMFiles", "Bitmap") +
           QStringLiteral("(*.bmp *.pbm *.xbm *.xpm);;TIFF(*.tiff);;PNG(*.png)");
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

bool saveDesign(const QString &path, const LMDocument &document, QString *error)
{
    const QByteArray bytes = LMDocumentFile::write(document);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return failed(error, file.errorString());
    return true;
}

bool saveImage(const QString &path, const QImage &image, QString *error, const QByteArray &format)
{
    const QByteArray type = format.isEmpty() ? formatOf(path) : format;
    if (!QImageWriter::supportedImageFormats().contains(type))
        return failed(error,
                      QCoreApplication::translate("LMFiles", "Lumetra writes no \"%1\" images.")
                          .arg(QString::fromLatin1(type)));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failed(error, file.errorString());
    QImageWriter writer(&file, type);
    // Still lossless, at the lighter deflate level the design file uses for its
    // page: a third to a half less time than Qt's default for a file 10 to 20
    // percent larger, and most of an export's time is this write.
    if (type == "png")
        writer.setQuality(PngQuality);
    if (!writer.write(image))
        return failed(error, file.error() != QFileDevice::NoError ? file.errorString()
                                                                  : writer.errorString());
    if (!file.commit())
        return failed(error, file.errorString());
    return true;
}

} // namespace LMFiles
