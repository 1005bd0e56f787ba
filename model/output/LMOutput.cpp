#include "model/output/LMOutput.h"

#include "model/LMFiles.h"
#include "model/LMPaperTable.h"
#include "model/output/LMOutputPlan.h"
#include "model/output/LMPageRenderer.h"
#include "model/output/LMPrinting.h"

#include <QFileInfo>
#include <QPainter>

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

namespace {
// A sheet of several inserts at the design's own detail.
QImage renderSheet(const LMDocument &document, const LMOutlineShapes &shapes,
                   const LMOutputJob &job, const LMOutputPlan &plan, int index)
{
    const double k = document.finePage.isNull() || document.page.isNull()
                         ? 1.0
                         : double(document.finePage.width()) / document.page.width();
    const double perMm = LMPaperTable::PixelsPerMm * k;
    QImage sheet(qRound(plan.pageMm.width() * perMm), qRound(plan.pageMm.height() * perMm),
                 QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    LMPrinting::paintPage(painter, QRectF(QPointF(0, 0), sheet.size()), perMm * 25.4, plan, index,
                          document, shapes, job);
    return sheet;
}

QImage pageOf(const LMDocument &document, const LMOutlineShapes &shapes, const LMOutputJob &job,
              const LMOutputPlan &plan, int index)
{
    QImage picture;
    if (plan.sheet) {
        picture = renderSheet(document, shapes, job, plan, index);
    } else {
        const LMDocument named = withName(document, plan.pages.at(index).first().name);
        picture = job.strips ? LMPageRenderer::renderStripSheet(named)
                             : LMPageRenderer::render(named, shapes, {job.clipToOutline});
    }
    if (job.maxSide > 0 && (picture.width() > job.maxSide || picture.height() > job.maxSide))
        picture =
            picture.scaled(job.maxSide, job.maxSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return picture;
}

bool tooSmall(const LMOutputPlan &plan, QString *error)
{
    if (!plan.isEmpty())
        return false;
    if (error)
        *error = LMOutputPlan::tooSmall();
    return true;
}
} // namespace

QImage render(const LMDocument &document, const LMOutlineShapes &shapes, const LMOutputJob &job)
{
    const LMOutputPlan plan = LMOutputPlan::of(document, job);
    return plan.isEmpty() ? QImage() : pageOf(document, shapes, job, plan, 0);
}

QString numberedName(const QString &path, int number)
{
    const QFileInfo file(path);
    const QString suffix = file.suffix();
    const QString stem = suffix.isEmpty() ? path : path.left(path.size() - suffix.size() - 1);
    const QString numbered = stem + QStringLiteral("-%1").arg(number, 3, 10, QLatin1Char('0'));
    return suffix.isEmpty() ? numbered : numbered + QLatin1Char('.') + suffix;
}

bool write(const QString &path, const LMDocument &document, const LMOutlineShapes &shapes,
           const LMOutputJob &job, QString *error, const QByteArray &imageFormat,
           QStringList *written)
{
    LMOutputJob fileJob = job;
    fileJob.printOffsetMm = QPointF(); // files never move
    const Format format = imageFormat.isEmpty() ? formatOf(path) : Format::Image;
    switch (format) {
    case Format::Design:
        return LMFiles::saveDesign(path, document, error);
    case Format::Pdf:
        return LMPrinting::writePdf(path, document, shapes, fileJob, error);
    case Format::None: // refused by the image writer, which names the ending
        return LMFiles::saveImage(path, QImage(), error, imageFormat);
    case Format::Image:
        break;
    }
    const LMOutputPlan plan = LMOutputPlan::of(document, fileJob);
    if (tooSmall(plan, error))
        return false;
    const int count =
        fileJob.numberedPictures && plan.pages.size() > 1 ? int(plan.pages.size()) : 1;
    for (int i = 0; i < count; ++i) {
        const QString name = count > 1 ? numberedName(path, i + 1) : path;
        if (!LMFiles::saveImage(name, pageOf(document, shapes, fileJob, plan, i), error,
                                imageFormat))
            return false;
        if (written)
            *written << name;
    }
    return true;
}

} // namespace LMOutput
