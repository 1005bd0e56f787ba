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

int openProblem(const QString &path)
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
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    return reader.read().isNull() ? 61 : 0; // "Not a valid image file!"
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
