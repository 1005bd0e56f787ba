// Writes the design the export benchmark converts: a new Letter design with
// the first wood texture on its frame and frame text, as the window makes it
// (a fine page), or with --standard as older files hold it (3 px/mm only).
// With --paper ID the design is a small upright insert of that paper (a
// page-size number) round the catalogue's card outline.
//   bench_export_design [--standard | --paper ID] OUT.lmx
#include "app/LMResources.h"
#include "model/LMFiles.h"
#include "model/LMNewDesign.h"
#include "model/LMPageDetail.h"
#include "model/LMPaperTable.h"
#include "model/outlines/LMArtFrameFactory.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    const bool standard = argc == 3 && qstrcmp(argv[1], "--standard") == 0;
    const bool paper = argc == 4 && qstrcmp(argv[1], "--paper") == 0;
    if (argc != 2 && !standard && !paper) {
        std::fprintf(stderr, "usage: bench_export_design [--standard | --paper ID] OUT.lmx\n");
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
    if (paper) {
        const int id = QByteArray(argv[2]).toInt();
        const QSize page = LMPaperTable::pixelSize(LMPaperTable::lastRowWithId(id), false);
        const QPainterPath *card = catalogue.outlineOf(2, 4);
        if (!page.isValid() || !card) {
            std::fprintf(stderr, "bench_export_design: no paper %d or no card outline\n", id);
            return 2;
        }
        doc.flags.setPaperId(id);
        doc.flags.setLandscape(false);
        doc.flags.setFrameIndex(4);
        doc.outlineGroup = 2;
        doc.outlineIndex = 4;
        doc.page = LMPageDetail::whitePage(page, 1);
        doc.finePage = LMPageDetail::whitePage(page, LMPageDetail::forPage(page));
        doc.outlineOffset = LMArtFrameFactory::centredOffset(*card, page);
    }
    QString error;
    if (!LMFiles::saveDesign(QString::fromLocal8Bit(argv[argc - 1]), doc, &error)) {
        std::fprintf(stderr, "bench_export_design: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
