#pragma once

#include <QString>

class QImage;
struct LMDocument;

// What the window, the canvas and the command line share about files on
// disk: which names are designs, what keeps a file from being opened, and
// saving so that a failed save never destroys the previous file.
namespace LMFiles {

// A design (".lmx", matched case-sensitively as everywhere) rather than a picture.
bool isDocumentName(const QString &path);

// The language line of what keeps `path` from being opened, or 0: not found,
// cannot be opened, not a design of this version, not a picture.
int openProblem(const QString &path);

// Whether the name's ending names an image format Lumetra writes.
bool isImageName(const QString &path);

// Written to a temporary file beside `path`, then renamed over it.
bool saveDesign(const QString &path, const LMDocument &document);
bool saveImage(const QString &path, const QImage &image);

} // namespace LMFiles
