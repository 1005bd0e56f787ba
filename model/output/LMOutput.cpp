#include "model/output/LMOutput.h"

#include "model/LMFiles.h"
#include "model/output/LMPageRenderer.h"
#include "model/output/LMPrinting.h"

namespace LMOutput {

Format formatOf(const QString &path)
{
    if (LMFiles::isDocumentName(path))
        return Format::Design;
    if (LMFiles::isPdfName(path))
        return Format::Pdf;
    if (LMFiles::isImageName(path))
        return Format::Image;
    return Format::None;
}

QImage render(const LMDocument &document, const LMOutlineShapes &shapes, const LMOutputJob &job)
{
    QImage picture = job.strips ? LMPageRenderer::renderStripSheet(document)
                                : LMPageRenderer::render(document, shapes, {job.clipToOutline});
    if (job.maxSide > 0 && (picture.width() > job.maxSide || picture.height() > job.maxSide))
        picture =
            picture.scaled(job.maxSide, job.maxSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return picture;
}

bool write(const QString &path, const LMDocument &document, const LMOutlineShapes &shapes,
           const LMOutputJob &job, QString *error, const QByteArray &imageFormat)
{
    LMOutputJob fileJob = job;
    fileJob.printOffsetMm = QPointF(); // files never move
    const Format format = imageFormat.isEmpty() ? formatOf(path) : Format::Image;
    switch (format) {
    case Format::Design:
        return LMFiles::saveDesign(path, document, error);
    case Format::Pdf:
        return LMPrinting::writePdf(path, document, shapes, fileJob, error);
    case Format::Image:
    case Format::None: // refused by the image writer, which names the ending
        break;
    }
    return LMFiles::saveImage(path, render(document, shapes, fileJob), error, imageFormat);
}

} // namespace LMOutput
