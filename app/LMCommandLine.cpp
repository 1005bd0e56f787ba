#include "app/LMCommandLine.h"

#include "app/LMMainWidget.h"
#include "app/QVTLanguageManager.h"
#include "canvas/LMGraphView.h"

#include <QFileInfo>
#include <QImageWriter>

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
    } else if (!args.isEmpty() && args.first() == QLatin1String("--export")) {
        if (args.size() != 3) {
            request.mode = Mode::Mistake;
            request.mistake = QStringLiteral("--export needs two file names: IN and OUT");
        } else {
            request.mode = Mode::Export;
            request.in = args[1];
            request.out = args[2];
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
        "       lumetra --export IN OUT\n"
        "\n"
        "Lumetra designs printed pouch inserts.\n"
        "\n"
        "  FILE               a design (.lmx) or a picture to open\n"
        "  --export IN OUT    open IN (a design or a picture) and save it as OUT, without\n"
        "                     a window: a design when OUT ends in .lmx, otherwise an image\n"
        "                     in the format its ending names (png, jpg, bmp, tiff, ...)\n"
        "  --help             show this text\n"
        "  --version          show the version\n");
}

int runExport(const QString &in, const QString &out)
{
    LMMainWidget window;
    const auto fail = [](const QString &file, const QString &what) {
        std::fprintf(stderr, "lumetra: %s: %s\n", qPrintable(file), qPrintable(what));
        return 1;
    };
    QVTLanguageManager *lan = window.languageManager();
    if (const int problem = LMMainWidget::fileProblem(in))
        return fail(in, lan->text(problem));
    if (!window.graphView()->load(in))
        return fail(in, lan->text(in.endsWith(QLatin1String(".lmx")) ? 60 : 61));
    const QByteArray suffix = QFileInfo(out).suffix().toLower().toLatin1();
    if (!out.endsWith(QLatin1String(".lmx")) &&
        !QImageWriter::supportedImageFormats().contains(suffix))
        return fail(out, QStringLiteral("not a file type Lumetra writes: end the name in .lmx, "
                                        ".png, .jpg, .bmp, .tiff ..."));
    if (!window.graphView()->save(out))
        return fail(out, lan->text(59));
    return 0;
}

} // namespace LMCommandLine
