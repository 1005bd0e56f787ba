#pragma once

#include "model/LMDocument.h"
#include "model/LMOutlineShapes.h"
#include "model/output/LMOutputJob.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

// Every file Lumetra writes goes through here: the format is told by the
// name's ending, in this one place.
namespace LMOutput {

enum class Format { Design, Pdf, Image, None };

// ".lmx" a design, ".pdf" a one-page PDF of the design's paper, an image
// ending one of the image formats Lumetra writes; anything else none.
Format formatOf(const QString &path);

// The output's first page (an insert: the page or its strip sheet; or a
// sheet of them) as a picture, as the job asks; null when the job's sheet
// holds no insert.
QImage render(const LMDocument &document, const LMOutlineShapes &shapes, const LMOutputJob &job);

// Writes `document` to `path` in the format its ending names (an image in
// `imageFormat` when one is given). A failure leaves any old file whole and
// puts the reason in `error`. A print offset in the job is not applied.
// Pictures of several pages, when the job asks for them all, go to numbered
// files (see numberedName), listed in `written`.
bool write(const QString &path, const LMDocument &document, const LMOutlineShapes &shapes,
           const LMOutputJob &job, QString *error, const QByteArray &imageFormat = QByteArray(),
           QStringList *written = nullptr);

// `path` with a three-digit number before its ending: card.png, 2: card-002.png.
QString numberedName(const QString &path, int number);

} // namespace LMOutput
