// Writes the design the export benchmark converts: a new Letter design with
// the first wood texture on its frame and frame text, as the window makes it
// (a fine page), or with --standard as older files hold it (3 px/mm only).
//   bench_export_design [--standard] OUT.lmx
#include "app/LMResources.h"
#include "model/LMFiles.h"
#include "model/LMNewDesign.h"
#include "model/outlines/LMArtFrameFactory.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    const bool standard = argc == 3 && qstrcmp(argv[1], "--standard") == 0;
    if (argc != 2 && !standard) {
        std::fprintf(stderr, "usage: bench_export_design [--standard] OUT.lmx\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    lmInitResources();
    LMArtFrameFactory catalogue;
    LMDocument doc = LMNewDesign::blank(*catalogue.outlineOf(0, 0));
    doc.textureName = QStringLiteral("wood0");
    doc.texture = QImage(QStringLiteral(":/texture/wood0.jpg"));
    doc.flags.setFrameEffectOn(true);
    doc.flags.setFrameTextOn(true);
    doc.flags.setFrameIndex(5);
    doc.frameText = QStringLiteral("EMMA 2026 ");
    if (standard)
        doc.finePage = QImage();
    QString error;
    if (!LMFiles::saveDesign(QString::fromLocal8Bit(argv[argc - 1]), doc, &error)) {
        std::fprintf(stderr, "bench_export_design: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
