#pragma once

#include <QImage>
#include <QString>

struct LMDocument;

// What the window, the canvas and the command line share about files on
// disk: which names are designs, what keeps a file from being opened, and
// saving so that a failed save never destroys the previous file.
namespace LMFiles {

// A design (".lmx", matched case-sensitively as everywhere) rather than a picture.
bool isDocumentName(const QString &path);

// The language line of what keeps `path` from being opened, or 0: not found,
// cannot be opened (also anything but a regular file: a FIFO or a device
// would block the reader or never end), not a design of this version, not a
// picture. Where the line alone would not tell the user why (a picture too
// large to open), the reason is added to `reason` for a second line.
int openProblem(const QString &path, QString *reason = nullptr);

// Pictures larger than this are refused before they are decoded: a page
// never needs one, and decoding one could take all the memory there is.
constexpr qint64 MaxPicturePixels = 100'000'000;
constexpr qint64 MaxPictureBytes = qint64(1) << 30;

// Sets the image readers' allocation limit to ours; Qt's default may change.
// QT_IMAGEIO_MAXALLOC still overrides it, so every reader also checks a
// picture's stated size before decoding it.
void limitImageAllocation();

// Why a picture of `size` and `format` is refused unread, or empty.
QString pictureTooLarge(QSize size, QImage::Format format);

struct Picture {
    QImage image;     // null when it could not be read
    QString tooLarge; // why it was refused unread, or empty
};
// The picture in `path`, its format told by its content; nothing for
// anything but a regular file.
Picture readPicture(const QString &path);

// The file dialogs' filters for the picture formats Lumetra reads, one
// per format, in the current language.
QString pictureFilters();

// Whether the name ends in ".pdf" (any case): a printout to a file.
bool isPdfName(const QString &path);

// Whether the name's ending names an image format Lumetra writes.
bool isImageName(const QString &path);

// Written to a temporary file beside `path`, then renamed over it. A
// failure leaves the old file and puts the system's reason in `error`.
// `format` overrides the format the name's ending names.
bool saveDesign(const QString &path, const LMDocument &document, QString *error = nullptr);
bool saveImage(const QString &path, const QImage &image, QString *error = nullptr,
               const QByteArray &format = QByteArray());

} // namespace LMFiles
