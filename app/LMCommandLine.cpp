#include "app/LMCommandLine.h"

#include "app/QVTLanguageManager.h"
#include "canvas/LMDocumentFile.h"
#include "canvas/LMFiles.h"
#include "canvas/LMNewDesign.h"
#include "canvas/LMPageRenderer.h"
#include "canvas/LMPrinting.h"
#include "outlines/LMArtFrameFactory.h"
#include "update/LMUpdateTexts.h"
#include "update/LMUpdater.h"

#include <QEventLoop>
#include <QFile>

#include <cstdio>

namespace LMCommandLine {

Request parse(const QStringList &arguments)
{
    Request request;
    const QStringList args = arguments.mid(1);
    if (args.contains(QLatin1String("--help")) || args.contains(QLatin1String("-h"))) {
        request.mode = Mode::Help;
    } else if (args.contains(QLatin1String("--version"))) {
        request.mode = Mode::Version;
    } else if (args.contains(QLatin1String("--check-update"))) {
        request.mode = args.size() == 1 ? Mode::CheckUpdate : Mode::Mistake;
        if (args.size() != 1)
            request.mistake = QStringLiteral("--check-update takes nothing else");
    } else if (!args.isEmpty() && args.first() == QLatin1String("--export")) {
        QStringList names = args.mid(1);
        const bool strips = names.removeAll(QStringLiteral("--strips")) > 0;
        if (names.size() != 2) {
            request.mode = Mode::Mistake;
            request.mistake = QStringLiteral("--export needs two file names: IN and OUT");
        } else if (strips && LMFiles::isDocumentName(names[1])) {
            request.mode = Mode::Mistake;
            request.mistake = QStringLiteral("--strips writes a picture or PDF of the strip sheet: "
                                             "end OUT in .pdf, .png, .jpg ...");
        } else {
            request.mode = Mode::Export;
            request.in = names[0];
            request.out = names[1];
            request.strips = strips;
        }
    } else if (!args.isEmpty() && args.last().startsWith(QLatin1String("--"))) {
        request.mode = Mode::Mistake;
        request.mistake = QStringLiteral("unknown option %1").arg(args.last());
    }
    return request;
}

QString usage()
{
    return QStringLiteral(
        "Usage: lumetra [FILE]\n"
        "       lumetra --export IN OUT [--strips]\n"
        "       lumetra --check-update\n"
        "\n"
        "Lumetra designs printed pouch inserts.\n"
        "\n"
        "  FILE               a design (.lmx) or a picture to open\n"
        "  --export IN OUT    open IN (a design or a picture) and save it as OUT, without\n"
        "                     a window: a design when OUT ends in .lmx, otherwise an image\n"
        "                     in the format its ending names (pdf, png, jpg, bmp, tiff,\n"
        "                     ...); a PDF is one page of the design's paper\n"
        "  --strips           with --export: the design's strip-pattern sheet, as it\n"
        "                     prints on self-adhesive paper\n"
        "  --check-update     ask the update server whether another release exists;\n"
        "                     exits 0 (this is the latest), 3 (another is available)\n"
        "                     or 1 (the check failed)\n"
        "  --help             show this text\n"
        "  --version          show the version\n");
}

namespace {
int fail(const QString &file, const QString &what)
{
    std::fprintf(stderr, "lumetra: %s: %s\n", qPrintable(file), qPrintable(what));
    return 1;
}

// The design in `path` as Open reads it: a design, or a picture as a new design.
std::optional<LMDocument> readDesign(const QString &path, LMArtFrameFactory &catalogue)
{
    if (!LMFiles::isDocumentName(path)) {
        const QImage picture = LMFiles::readPicture(path).image;
        const QPainterPath *first = catalogue.outlineOf(0, 0);
        if (picture.isNull() || !first)
            return std::nullopt;
        return LMNewDesign::fromPicture(picture, *first);
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    std::optional<LMDocument> design = LMDocumentFile::read(file);
    // An outline the catalogue does not have makes the file a damaged one.
    if (design && !catalogue.outlineOf(design->outlineGroup, design->outlineIndex))
        return std::nullopt;
    return design;
}
} // namespace

int runExport(const QString &in, const QString &out, bool strips)
{
    QVTLanguageManager language;
    LMArtFrameFactory catalogue;
    if (!catalogue.failedFile().isEmpty())
        return fail(catalogue.failedFile(), language.text(59));
    QString reason;
    if (const int problem = LMFiles::openProblem(in, &reason))
        return fail(in, reason.isEmpty() ? language.text(problem)
                                         : language.text(problem) + QLatin1Char(' ') + reason);
    const std::optional<LMDocument> design = readDesign(in, catalogue);
    if (!design)
        return fail(in, language.text(LMFiles::isDocumentName(in) ? 60 : 61));
    const bool asDesign = LMFiles::isDocumentName(out);
    const bool asPdf = LMFiles::isPdfName(out);
    if (!asDesign && !asPdf && !LMFiles::isImageName(out))
        return fail(out, QStringLiteral("not a file type Lumetra writes: end the name in .lmx, "
                                        ".pdf, .png, .jpg, .bmp, .tiff ..."));
    bool saved = false;
    if (asDesign) {
        saved = LMFiles::saveDesign(out, *design);
    } else if (asPdf) {
        const LMOutlineShapes shapes = catalogue.shapesOf(
            design->outlineGroup, design->outlineIndex, design->flags.frameIndex());
        QString error;
        LMPrinting::Job job;
        job.strips = strips;
        if (!LMPrinting::writePdf(out, *design, shapes, job, &error))
            return fail(out, language.text(59) + QLatin1Char(' ') + error);
        saved = true;
    } else if (strips) {
        saved = LMFiles::saveImage(out, LMPageRenderer::renderStripSheet(*design));
    } else {
        const LMOutlineShapes shapes = catalogue.shapesOf(
            design->outlineGroup, design->outlineIndex, design->flags.frameIndex());
        saved = LMFiles::saveImage(out, LMPageRenderer::render(*design, shapes));
    }
    return saved ? 0 : fail(out, language.text(59));
}

int runCheckUpdate()
{
    const LMUpdateConfig config = LMUpdateConfig::fromDeployment();
    LMUpdater updater(config);
    QEventLoop loop;
    int code = 1;
    QObject::connect(
        &updater, &LMUpdater::signal_checked, &loop, [&](bool newer, const QString &server) {
            if (newer)
                std::printf("Lumetra %s is available (this is %s)\n", qPrintable(server),
                            qPrintable(config.ownVersion));
            else
                std::printf("Lumetra %s is the latest version\n", qPrintable(config.ownVersion));
            code = newer ? 3 : 0;
            loop.quit();
        });
    QObject::connect(&updater, &LMUpdater::signal_failed, &loop,
                     [&](LMUpdateFailure failure, const QString &detail) {
                         QString line = LMUpdateTexts::failure(failure, config.versionFile, true);
                         if (!detail.isEmpty())
                             line += QStringLiteral(" (%1)").arg(detail);
                         if (config.address)
                             line += QStringLiteral(" [%1]").arg(config.address->redacted());
                         std::fprintf(stderr, "lumetra: update check failed: %s\n",
                                      qPrintable(line));
                         code = 1;
                         loop.quit();
                     });
    updater.check();
    // A failure found before any transfer has already been reported.
    if (updater.isRunning())
        loop.exec();
    return code;
}

} // namespace LMCommandLine
