#include "app/LMCommandLine.h"

#include "app/LMLanguageList.h"
#include "app/LMStoredMargins.h"
#include "app/QVTLanguageManager.h"
#include "model/LMDocumentFile.h"
#include "model/LMFiles.h"
#include "model/LMNameList.h"
#include "model/LMNewDesign.h"
#include "model/LMPaperTable.h"
#include "model/outlines/LMArtFrameFactory.h"
#include "model/output/LMOutput.h"
#include "model/output/LMOutputPlan.h"
#include "update/LMUpdateTexts.h"
#include "update/LMUpdater.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QSettings>

#include <cstdio>

namespace LMCommandLine {

namespace {
// Larger than any file manager asks for; the page itself is at most a few thousand.
constexpr int MaxThumbnailSize = 4096;
} // namespace

namespace {
Request mistake(const QString &what)
{
    Request request;
    request.mode = Mode::Mistake;
    request.mistake = what;
    return request;
}

Request parseExport(const QStringList &args)
{
    Request request;
    QStringList names;
    QString sheet;
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (arg == QLatin1String("--strips")) {
            request.strips = true;
        } else if (arg == QLatin1String("--names") || arg == QLatin1String("--sheet")) {
            if (i + 1 >= args.size())
                return mistake(QStringLiteral("%1 needs a value").arg(arg));
            (arg == QLatin1String("--names") ? request.namesFile : sheet) = args[++i];
        } else if (arg.startsWith(QLatin1String("--"))) {
            return mistake(QStringLiteral("unknown option %1").arg(arg));
        } else {
            names << arg;
        }
    }
    if (names.size() != 2)
        return mistake(QStringLiteral("--export needs two file names: IN and OUT"));
    const bool design = LMFiles::isDocumentName(names[1]);
    if (request.strips && design)
        return mistake(QStringLiteral("--strips writes a picture or PDF of the strip sheet: "
                                      "end OUT in .pdf, .png, .jpg ..."));
    if (design && (!sheet.isEmpty() || !request.namesFile.isEmpty()))
        return mistake(QStringLiteral("--names and --sheet write pictures or a PDF: "
                                      "end OUT in .pdf, .png, .jpg ..."));
    if (!sheet.isEmpty()) {
        request.sheetPaperId = LMPaperTable::idForName(sheet);
        if (request.sheetPaperId < 0)
            return mistake(QStringLiteral("--sheet: no paper called \"%1\" (try A4, Letter, "
                                          "A3, B5, or a page-size number from 0 to 29)")
                               .arg(sheet));
    }
    request.mode = Mode::Export;
    request.in = names[0];
    request.out = names[1];
    return request;
}
} // namespace

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
        request = parseExport(args.mid(1));
    } else if (!args.isEmpty() && args.first() == QLatin1String("--thumbnail")) {
        bool ok = false;
        const int size = args.size() == 4 ? args[3].toInt(&ok) : 0;
        if (!ok || size < 1 || size > MaxThumbnailSize) {
            request.mode = Mode::Mistake;
            request.mistake = QStringLiteral("--thumbnail needs IN, OUT and a SIZE of 1 to %1")
                                  .arg(MaxThumbnailSize);
        } else {
            request.mode = Mode::Thumbnail;
            request.in = args[1];
            request.out = args[2];
            request.size = size;
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
        "       lumetra --export IN OUT [--strips] [--names NAMES] [--sheet PAPER]\n"
        "       lumetra --thumbnail IN OUT SIZE\n"
        "       lumetra --check-update\n"
        "\n"
        "Lumetra designs printed pouch inserts.\n"
        "\n"
        "  FILE               a design (.lmx) or a picture to open\n"
        "  --export IN OUT    open IN (a design or a picture) and save it as OUT, without\n"
        "                     a window: a design when OUT ends in .lmx, otherwise an image\n"
        "                     in the format its ending names (pdf, png, jpg, bmp, tiff,\n"
        "                     ...); a PDF is one page of the design's paper, or\n"
        "                     one per name of the design's list of names\n"
        "  --strips           with --export: the design's strip-pattern sheet, as it\n"
        "                     prints on self-adhesive paper\n"
        "  --names NAMES      with --export: one insert per name in the text or CSV file\n"
        "                     NAMES (one per line; the first column), each name along\n"
        "                     the frame: a PDF page each, or pictures OUT-001.png, ...\n"
        "  --sheet PAPER      with --export: as many inserts as fit on each sheet of\n"
        "                     PAPER (A4, Letter, A3, ... or its page-size number), with\n"
        "                     crop marks\n"
        "  --thumbnail IN OUT SIZE\n"
        "                     write a PNG picture of the design IN to OUT, at most SIZE\n"
        "                     pixels wide and high (for file managers)\n"
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

// The language the window speaks: a user who chose one reads its errors in it.
void speakUsersLanguage(QVTLanguageManager &language)
{
    language.setLanguage(
        LMLanguageList::startLanguage(QLocale::system(), LMLanguageList::remembered()));
}

QString translated(const char *text)
{
    return QCoreApplication::translate("LMCommandLine", text);
}

// A language line with the reason behind it, on one line.
QString withReason(const QString &line, const QString &reason)
{
    return reason.isEmpty() ? line : line + QLatin1Char(' ') + reason;
}

// The design in `path` as Open reads it: a design, or a picture as a new design.
// Why a picture was refused for its size goes to `tooLarge`.
std::optional<LMDocument> readDesign(const QString &path, LMArtFrameFactory &catalogue,
                                     QString *tooLarge)
{
    if (!LMFiles::isDocumentName(path)) {
        const LMFiles::Picture read = LMFiles::readPicture(path);
        const QImage &picture = read.image;
        *tooLarge = read.tooLarge;
        const QPainterPath *first = catalogue.outlineOf(0, 0);
        if (picture.isNull() || !first)
            return std::nullopt;
        return LMNewDesign::fromPicture(picture, *first);
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QString lost;
    std::optional<LMDocument> design = LMDocumentFile::read(file, tooLarge, &lost);
    if (design && !lost.isEmpty())
        std::fprintf(stderr, "lumetra: %s: %s\n", qPrintable(path), qPrintable(lost));
    // An outline the catalogue does not have makes the file a damaged one.
    if (design && !catalogue.outlineOf(design->outlineGroup, design->outlineIndex))
        return std::nullopt;
    return design;
}

// Reads `in` for a headless command: the design, or nothing after printing why.
std::optional<LMDocument> readInput(const QString &in, LMArtFrameFactory &catalogue,
                                    QVTLanguageManager &language)
{
    if (!catalogue.failedFile().isEmpty()) {
        fail(catalogue.failedFile(), language.text(59));
        return std::nullopt;
    }
    QString reason;
    if (const int problem = LMFiles::openProblem(in, &reason)) {
        fail(in, withReason(language.text(problem), reason));
        return std::nullopt;
    }
    std::optional<LMDocument> design = readDesign(in, catalogue, &reason);
    if (!design)
        fail(in, withReason(language.text(LMFiles::isDocumentName(in) ? 60 : 61), reason));
    return design;
}

// The names file as a list; nothing, and why in `problem`, when it cannot be
// read or holds no name.
std::optional<QStringList> readNames(const QString &path, QString *problem)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *problem = translated(QT_TRANSLATE_NOOP("LMCommandLine",
                                                "the list of names could not be read: %1"))
                       .arg(file.errorString());
        return std::nullopt;
    }
    const std::optional<QStringList> names =
        LMNameList::fromBytes(file.readAll(), LMNameList::rowsOfFile(path));
    if (!names) {
        *problem = translated(QT_TRANSLATE_NOOP(
            "LMCommandLine", "the list of names is not UTF-8 text; save it as UTF-8"));
        return std::nullopt;
    }
    if (names->isEmpty()) {
        *problem =
            translated(QT_TRANSLATE_NOOP("LMCommandLine", "the list of names holds no name"));
        return std::nullopt;
    }
    return names;
}

LMOutlineShapes shapesOf(const LMDocument &design, LMArtFrameFactory &catalogue)
{
    return catalogue.shapesOf(design.outlineGroup, design.outlineIndex, design.flags.frameIndex());
}

// What the window writes for the same design: clipped as the design says.
LMOutputJob jobFor(const LMDocument &design, bool strips)
{
    LMOutputJob job;
    job.strips = strips;
    job.clipToOutline = design.flags.clipToOutline();
    return job;
}
} // namespace

QStringList decodeArguments(int argc, char *argv[], QString *undecodable)
{
    QStringList args;
    for (int i = 0; i < argc; ++i) {
        const QByteArray bytes(argv[i]);
        const QString name = QFile::decodeName(bytes);
        if (i > 0 && QFile::encodeName(name) != bytes && undecodable && undecodable->isEmpty()) {
            for (const char c : bytes) {
                const uchar u = uchar(c);
                *undecodable += u >= 0x20 && u < 0x7f
                                    ? QString(QLatin1Char(c))
                                    : QStringLiteral("\\x%1").arg(u, 2, 16, QLatin1Char('0'));
            }
        }
        args << name;
    }
    return args;
}

QString undecodableMessage(const QString &printableName)
{
    return translated(QT_TRANSLATE_NOOP("LMCommandLine",
                                        "%1: this file name is not valid UTF-8, so Lumetra can "
                                        "not open or write that file; rename it"))
        .arg(printableName);
}

int runExport(const Request &request)
{
    QVTLanguageManager language;
    speakUsersLanguage(language);
    LMArtFrameFactory catalogue;
    std::optional<LMDocument> design = readInput(request.in, catalogue, language);
    if (!design)
        return 1;
    const QString &out = request.out;
    if (LMOutput::formatOf(out) == LMOutput::Format::None)
        return fail(out, translated(QT_TRANSLATE_NOOP(
                             "LMCommandLine", "not a file type Lumetra writes: end the name in "
                                              ".lmx, .pdf, .png, .jpg, .bmp, .tiff ...")));
    if (!request.namesFile.isEmpty()) {
        QString problem;
        const std::optional<QStringList> names = readNames(request.namesFile, &problem);
        if (!names)
            return fail(request.namesFile, problem);
        design->frameTextNames = *names;
        if (!LMOutputPlan::namesShown(*design, jobFor(*design, request.strips)))
            return fail(request.in,
                        translated(QT_TRANSLATE_NOOP(
                            "LMCommandLine", "the design shows no frame text, so no name would "
                                             "show; switch its frame and frame text on")));
    }
    // Sheets keep the margins the window keeps.
    if (const auto margins =
            LMStoredMargins::read(QSettings(QStringLiteral("Lumetra"), QStringLiteral("Lumetra"))))
        design->margins = *margins;
    LMOutputJob job = jobFor(*design, request.strips);
    job.sheetPaperId = request.sheetPaperId;
    job.numberedPictures = true;
    if (LMOutputPlan::of(*design, job).isEmpty())
        return fail(out, LMOutputPlan::tooSmall());
    QString error;
    if (!LMOutput::write(out, *design, shapesOf(*design, catalogue), job, &error))
        return fail(out, withReason(language.text(59), error));
    return 0;
}

int runThumbnail(const QString &in, const QString &out, int size)
{
    QVTLanguageManager language;
    speakUsersLanguage(language);
    LMArtFrameFactory catalogue;
    const std::optional<LMDocument> design = readInput(in, catalogue, language);
    if (!design)
        return 1;
    LMOutputJob job = jobFor(*design, false);
    job.maxSide = size;
    // File managers name the output as they like, so PNG whatever its ending.
    QString error;
    if (!LMOutput::write(out, *design, shapesOf(*design, catalogue), job, &error, "png"))
        return fail(out, withReason(language.text(59), error));
    return 0;
}

int runCheckUpdate()
{
    QVTLanguageManager language;
    speakUsersLanguage(language);
    const LMUpdateConfig config = LMUpdateConfig::fromDeployment();
    LMUpdater updater(config);
    QEventLoop loop;
    int code = 1;
    QObject::connect(
        &updater, &LMUpdater::signal_checked, &loop, [&](bool newer, const QString &server) {
            if (newer)
                std::printf(
                    "%s\n",
                    qPrintable(translated(QT_TRANSLATE_NOOP("LMCommandLine",
                                                            "Lumetra %1 is available (this is %2)"))
                                   .arg(server, config.ownVersion)));
            else
                std::printf(
                    "%s\n",
                    qPrintable(translated(QT_TRANSLATE_NOOP("LMCommandLine",
                                                            "Lumetra %1 is the latest version"))
                                   .arg(config.ownVersion)));
            code = newer ? 3 : 0;
            loop.quit();
        });
    QObject::connect(
        &updater, &LMUpdater::signal_failed, &loop,
        [&](LMUpdateFailure failure, const QString &detail) {
            QString line = LMUpdateTexts::failure(failure, config.versionFile);
            if (!detail.isEmpty())
                line += QStringLiteral(" (%1)").arg(detail);
            if (config.address)
                line += QStringLiteral(" [%1]").arg(config.address->redacted());
            std::fprintf(
                stderr, "lumetra: %s\n",
                qPrintable(translated(QT_TRANSLATE_NOOP("LMCommandLine", "update check failed: %1"))
                               .arg(line)));
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
