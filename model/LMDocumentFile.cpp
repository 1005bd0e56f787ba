#include "model/LMDocumentFile.h"

#include "model/LMFiles.h"
#include "model/LMPageDetail.h"
#include "model/LMPaperTable.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QIODevice>
#include <QImageReader>
#include <QImageWriter>
#include <QStringDecoder>
#include <QtEndian>

#include <future>

#include <algorithm>

namespace LMDocumentFile {

namespace {
// Header offsets.
enum : int {
    VersionAt = 0,
    FlagsAt = 4,
    TextureNameAt = 16,
    OutlineXAt = 48,
    OutlineYAt = 52,
    OutlineGroupAt = 56,
    OutlineIndexAt = 60,
    FrameColorAt = 64,
    SideColorAt = 68,
    RasterPosAt = 72,
    RasterLenAt = 76,
    TexturePosAt = 80,
    TextureLenAt = 84,
    TextPosAt = 88,
    TextLenAt = 92,
};

qint32 int32At(const QByteArray &bytes, int at)
{
    return qFromLittleEndian<qint32>(bytes.constData() + at);
}

void putInt32(QByteArray &bytes, int at, qint32 value)
{
    qToLittleEndian<qint32>(value, bytes.data() + at);
}

QByteArray int32Bytes(qint32 value)
{
    QByteArray bytes(4, '\0');
    putInt32(bytes, 0, value);
    return bytes;
}

// A block of `length` bytes at `position`, if the file really has them.
std::optional<QByteArray> block(QIODevice &file, qint64 position, qint64 length)
{
    if (position < LMDocument::HeaderSize || length < 0 || position + length > file.size() ||
        !file.seek(position))
        return std::nullopt;
    const QByteArray bytes = file.read(length);
    if (bytes.size() != length)
        return std::nullopt;
    return bytes;
}

enum class Kind { Page, Texture };

// Why a picture of `size` may not be decoded as `kind`, or empty.
QString sizeProblem(Kind kind, QSize size, QImage::Format format)
{
    if (kind == Kind::Texture)
        return LMFiles::pictureTooLarge(size, format);
    if (LMPaperTable::fitsAPaper(size))
        return QString();
    return QCoreApplication::translate("LMDocumentFile",
                                       "The page is %1 x %2 pixels, larger than any paper.")
        .arg(size.width())
        .arg(size.height());
}

// A reader for embedded picture bytes. PNG goes straight to Qt's own PNG
// reader: with detection on, Qt first offers the bytes to every image plugin
// and so loads them all, with their libraries, for a file that needs none.
// Other bytes are still read by whatever recognises them.
void readPngDirectly(QImageReader &reader, const QByteArray &bytes)
{
    static constexpr char Signature[] = "\x89PNG\r\n\x1a\n";
    if (bytes.startsWith(QByteArrayView(Signature, 8)))
        reader.setAutoDetectImageFormat(false);
}

// An embedded PNG; an empty block is no picture, bytes that do not decode are damage.
std::optional<QImage> picture(const QByteArray &bytes, Kind kind, QString *tooLarge)
{
    if (bytes.isEmpty())
        return QImage();
    LMFiles::limitImageAllocation();
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "png");
    readPngDirectly(reader, bytes);
    // The header's size, before a byte of pixels is decoded.
    const QString problem = sizeProblem(kind, reader.size(), reader.imageFormat());
    if (!problem.isEmpty()) {
        if (tooLarge)
            *tooLarge = problem;
        return std::nullopt;
    }
    const QImage image = reader.read();
    if (image.isNull())
        return std::nullopt;
    return image;
}

// Still lossless: a lighter deflate level writes several times faster than
// the default for files only a few percent larger; the fine page, sixteen
// times the pixels, gets the lightest.
constexpr int PageQuality = 70;
constexpr int FinePageQuality = 85; // deflate level 1

QByteArray png(const QImage &image, int quality = PageQuality)
{
    QByteArray bytes;
    if (image.isNull())
        return bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.setQuality(quality);
    writer.write(image);
    return bytes;
}

QByteArray trailingBlock(const char *tag, const QByteArray &content)
{
    return QByteArray(tag, 4) + int32Bytes(qint32(content.size())) + content;
}

// In the language of the moment: the window and the command line both show it.
QString fineDetailLost()
{
    return QCoreApplication::translate(
        "LMDocumentFile",
        "The fine detail of this design could not be read; it opens at standard detail.");
}

QString namesLost()
{
    return QCoreApplication::translate(
        "LMDocumentFile", "The list of names could not be read; the design opens without it.");
}

QString separatorLost()
{
    return QCoreApplication::translate(
        "LMDocumentFile", "The frame text's separator could not be read; the usual gap is used.");
}

// The text of a trailing block: UTF-8 of 1 to `most` bytes, and nothing else.
std::optional<QString> textOf(const QByteArray &content, int most)
{
    if (content.isEmpty() || content.size() > most)
        return std::nullopt;
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(content);
    if (utf8.hasError())
        return std::nullopt;
    return text;
}

// The names of a trailing block: UTF-8 lines, none empty, not too many.
std::optional<QStringList> namesOf(const QByteArray &content)
{
    const std::optional<QString> text = textOf(content, LMDocument::MaxNamesBytes);
    if (!text)
        return std::nullopt;
    const QStringList names = LMDocumentFile::cleanNames(text->split(QLatin1Char('\n')));
    if (names.isEmpty() || names.size() > LMDocument::MaxNames)
        return std::nullopt;
    return names;
}

// The fine page of a trailing block: k, then a PNG exactly k times the page.
std::optional<QImage> finePageOf(const QByteArray &content, const QImage &page)
{
    if (content.size() < 4)
        return std::nullopt;
    const int k = int32At(content, 0);
    QBuffer buffer;
    buffer.setData(content.mid(4));
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "png");
    readPngDirectly(reader, buffer.data());
    // Checked before a byte of pixels is decoded.
    if (!LMPageDetail::isFineOf(reader.size(), page.size(), k))
        return std::nullopt;
    LMFiles::limitImageAllocation();
    QImage fine = reader.read();
    if (fine.isNull())
        return std::nullopt;
    return fine;
}

// The blocks after the last block. One that is damaged or does not fit its
// page is left out with a warning; it never costs the rest of the design.
void readTrailingBlocks(QIODevice &file, qint64 end, LMDocument &doc, QString *warning)
{
    while (end < file.size()) {
        const std::optional<QByteArray> head = block(file, end, 8);
        const qint32 length = head ? int32At(*head, 4) : -1;
        const std::optional<QByteArray> content =
            length >= 0 ? block(file, end + 8, length) : std::nullopt;
        const std::optional<QByteArray> tag = block(file, end, 4);
        const bool isSeparator = tag && *tag == QByteArray(LMDocument::SeparatorTag, 4);
        const bool isNames = tag && *tag == QByteArray(LMDocument::NamesTag, 4);
        if (!content) {
            if (warning)
                *warning = isNames ? namesLost() : isSeparator ? separatorLost() : fineDetailLost();
            return;
        }
        if (head->left(4) == QByteArray(LMDocument::FinePageTag, 4)) {
            const std::optional<QImage> fine = finePageOf(*content, doc.page);
            if (fine)
                doc.finePage = *fine;
            else if (warning)
                *warning = fineDetailLost();
        } else if (isSeparator) {
            const std::optional<QString> separator =
                textOf(*content, LMDocument::MaxSeparatorBytes);
            if (separator)
                doc.frameTextSeparator = *separator;
            else if (warning)
                *warning = separatorLost();
        } else if (isNames) {
            const std::optional<QStringList> names = namesOf(*content);
            if (names)
                doc.frameTextNames = *names;
            else if (warning)
                *warning = namesLost();
        }
        // Tags this version does not know are skipped.
        end += 8 + length;
    }
}

// Text in the local 8-bit encoding up to its first NUL.
QString textUpToNul(const QByteArray &bytes)
{
    const int nul = int(bytes.indexOf('\0'));
    return QString::fromLocal8Bit(nul < 0 ? bytes : bytes.left(nul));
}

QRgb opaque(quint32 argb)
{
    return QRgb(argb | 0xff000000u);
}

// The frame-text block: font, text (each at most 1024 bytes) and colour.
bool readTextBlock(QIODevice &file, qint64 position, LMDocument &doc)
{
    if (position < LMDocument::HeaderSize || !file.seek(position))
        return false;
    QString parts[2];
    for (QString &part : parts) {
        const std::optional<QByteArray> length = block(file, file.pos(), 4);
        if (!length)
            return false;
        const qint32 n = int32At(*length, 0);
        if (n < 0 || n > LMDocument::MaxTextBytes)
            return false;
        const std::optional<QByteArray> text = block(file, file.pos(), n);
        if (!text)
            return false;
        part = textUpToNul(*text);
    }
    const std::optional<QByteArray> colour = block(file, file.pos(), 4);
    if (!colour)
        return false;
    doc.fontDescription = parts[0];
    doc.frameText = parts[1];
    doc.textColor = opaque(quint32(int32At(*colour, 0)));
    return true;
}
} // namespace

std::optional<qint32> version(QIODevice &file)
{
    if (!file.seek(0))
        return std::nullopt;
    const QByteArray bytes = file.read(4);
    if (bytes.size() != 4)
        return std::nullopt;
    return int32At(bytes, 0);
}

std::optional<LMDocument> read(QIODevice &file, QString *tooLarge, QString *warning)
{
    if (!file.seek(0))
        return std::nullopt;
    const QByteArray header = file.read(LMDocument::HeaderSize);
    if (header.size() != LMDocument::HeaderSize)
        return std::nullopt;

    LMDocument doc;
    doc.flags = *LMViewFlags::fromBytes(header.mid(FlagsAt, LMViewFlags::ByteSize));
    const QByteArray name = header.mid(TextureNameAt, LMDocument::TextureNameSize);
    const int nul = int(name.indexOf('\0'));
    doc.textureName = QString::fromLatin1(nul < 0 ? name : name.left(nul));
    doc.outlineOffset = QPoint(int32At(header, OutlineXAt), int32At(header, OutlineYAt));
    doc.outlineGroup = int32At(header, OutlineGroupAt);
    doc.outlineIndex = int32At(header, OutlineIndexAt);
    doc.frameColor = opaque(quint32(int32At(header, FrameColorAt)));
    doc.sideColor = opaque(quint32(int32At(header, SideColorAt)));

    const std::optional<QByteArray> texture =
        block(file, int32At(header, TexturePosAt), int32At(header, TextureLenAt));
    const std::optional<QByteArray> page =
        block(file, int32At(header, RasterPosAt), int32At(header, RasterLenAt));
    if (!texture || !page || page->isEmpty())
        return std::nullopt;
    if (!readTextBlock(file, int32At(header, TextPosAt), doc))
        return std::nullopt;
    const std::optional<QImage> textureImage = picture(*texture, Kind::Texture, tooLarge);
    if (!textureImage)
        return std::nullopt;
    const std::optional<QImage> pageImage = picture(*page, Kind::Page, tooLarge);
    if (!textureImage || !pageImage)
        return std::nullopt;
    doc.texture = *textureImage;
    doc.page = *pageImage;
    const qint64 end =
        std::max({qint64(int32At(header, TexturePosAt)) + int32At(header, TextureLenAt),
                  qint64(int32At(header, TextPosAt)) + int32At(header, TextLenAt),
                  qint64(int32At(header, RasterPosAt)) + int32At(header, RasterLenAt)});
    readTrailingBlocks(file, end, doc, warning);
    return doc;
}

// Too long a text is cut between characters, never inside one.
static QByteArray encodedWithin(const QString &text, int maxBytes)
{
    QByteArray bytes = text.toLocal8Bit();
    for (qsizetype n = text.size(); bytes.size() > maxBytes && n > 0;) {
        --n;
        if (n > 0 && text.at(n).isLowSurrogate())
            --n;
        bytes = text.left(n).toLocal8Bit();
    }
    return bytes;
}

// As UTF-8, cut between characters.
static QByteArray utf8Within(const QString &text, int maxBytes)
{
    QString kept = text;
    while (kept.toUtf8().size() > maxBytes)
        kept.chop(kept.size() > 1 && kept.back().isLowSurrogate() ? 2 : 1);
    return kept.toUtf8();
}

QByteArray write(const LMDocument &doc)
{
    // The fine page is most of the work: it is compressed beside the rest.
    std::future<QByteArray> fine;
    int k = 0;
    if (!doc.finePage.isNull() && !doc.page.isNull()) {
        k = doc.finePage.width() / doc.page.width();
        if (LMPageDetail::isFineOf(doc.finePage.size(), doc.page.size(), k))
            fine = std::async(std::launch::async,
                              [&doc] { return png(doc.finePage, FinePageQuality); });
    }
    QByteArray header(LMDocument::HeaderSize, '\0');
    putInt32(header, VersionAt, LMDocument::Version);
    header.replace(FlagsAt, LMViewFlags::ByteSize, doc.flags.toBytes());
    const QByteArray name = doc.textureName.toLocal8Bit().left(LMDocument::TextureNameSize);
    header.replace(TextureNameAt, int(name.size()), name);
    putInt32(header, OutlineXAt, doc.outlineOffset.x());
    putInt32(header, OutlineYAt, doc.outlineOffset.y());
    putInt32(header, OutlineGroupAt, doc.outlineGroup);
    putInt32(header, OutlineIndexAt, doc.outlineIndex);
    putInt32(header, FrameColorAt, qint32(doc.frameColor));
    putInt32(header, SideColorAt, qint32(doc.sideColor));

    const QByteArray texture = png(doc.texture);
    const QByteArray font = encodedWithin(doc.fontDescription, LMDocument::MaxTextBytes);
    const QByteArray text = encodedWithin(doc.frameText, LMDocument::MaxTextBytes);
    const QByteArray textBlock = int32Bytes(qint32(font.size())) + font +
                                 int32Bytes(qint32(text.size())) + text +
                                 int32Bytes(qint32(doc.textColor));
    const QByteArray page = png(doc.page);

    const qint32 texturePos = LMDocument::HeaderSize;
    const qint32 textPos = texturePos + qint32(texture.size());
    const qint32 rasterPos = textPos + qint32(textBlock.size());
    putInt32(header, TexturePosAt, texturePos);
    putInt32(header, TextureLenAt, qint32(texture.size()));
    putInt32(header, TextPosAt, textPos);
    putInt32(header, TextLenAt, qint32(textBlock.size()));
    putInt32(header, RasterPosAt, rasterPos);
    putInt32(header, RasterLenAt, qint32(page.size()));
    QByteArray bytes = header + texture + textBlock + page;
    if (fine.valid())
        bytes += trailingBlock(LMDocument::FinePageTag, int32Bytes(k) + fine.get());
    // Only a separator the user chose is written: other designs stay as
    // they always were.
    if (!doc.frameTextSeparator.isEmpty())
        bytes += trailingBlock(LMDocument::SeparatorTag,
                               utf8Within(doc.frameTextSeparator, LMDocument::MaxSeparatorBytes));
    const QStringList names = cleanNames(doc.frameTextNames).mid(0, LMDocument::MaxNames);
    if (!names.isEmpty()) {
        QByteArray lines = names.join(QLatin1Char('\n')).toUtf8();
        // Whole names only, should the list outgrow its block.
        if (lines.size() > LMDocument::MaxNamesBytes)
            lines = lines.left(lines.lastIndexOf('\n', LMDocument::MaxNamesBytes));
        bytes += trailingBlock(LMDocument::NamesTag, lines);
    }
    return bytes;
}

QStringList cleanNames(const QStringList &lines)
{
    QStringList names;
    for (const QString &line : lines) {
        const QString name = line.trimmed();
        if (!name.isEmpty())
            names << name;
    }
    return names;
}

} // namespace LMDocumentFile
