// Measures the frame effect:
//   stage     each screen stage of the frame layer on XL03 at frame level 5
//             (36 mm) with a texture and three rows of text, zoom 100 %, and
//             the letters' layout alone
//   export    a Letter design with frame texture and text, through the
//             output renderer
//   sheet     one paint of the strip sheet on A0 with text: fresh, at 100 %
//             in a window-sized view and scrolled, after a
//             setting changed, and unchanged; and the sheet as output
//             writes it (a fresh page picture)
//   glyphs    glyph pictures drawn on the first text stage and on redraws
//   bench_frame
#include "app/LMResources.h"
#include "common/Timing.h"
#include "model/LMNewDesign.h"
#include "model/LMPaperTable.h"
#include "model/frame/LMFrameLayer.h"
#include "model/frame/LMFrameTextPainter.h"
#include "model/frame/LMFrameTextSettings.h"
#include "model/frame/LMStripSheet.h"
#include "model/outlines/LMArtFrameFactory.h"
#include "model/output/LMPageRenderer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QSet>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {
LMDocument framedDesign(LMArtFrameFactory &catalogue, int group, int index, int level)
{
    LMDocument doc = LMNewDesign::blank(*catalogue.outlineOf(0, 0));
    doc.outlineGroup = group;
    doc.outlineIndex = index;
    doc.flags.setFrameEffectOn(true);
    doc.flags.setFrameTextOn(true);
    doc.flags.setFrameIndex(level);
    doc.frameText = QStringLiteral("EMMA 2026 ");
    return doc;
}
} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    lmInitResources();
    LMArtFrameFactory catalogue;
    const int xl = 3; // the groups: LS, HLS, CARD, XL, OTHER, POCKET
    const QImage texture(QStringLiteral(":/texture/metal0.jpg"));
    LMFrameTextSettings text;
    text.setText(QStringLiteral("EMMA 2026 "));

    LMViewFlags flags = LMViewFlags::atStart();
    flags.setFrameEffectOn(true);
    flags.setFrameTextOn(true);
    flags.setFrameIndex(5);
    const LMOutlineShapes shapes = catalogue.shapesOf(xl, 2, 5);
    const LMFrameLayerInputs in = LMFrameLayer::inputsFor(flags, shapes, texture, &text, false);
    LMFrameLayer::Image work;
    double stageMs[LMFrameLayer::StageCount] = {};
    int firstDrawn = 0;
    for (int stage = 0; stage < LMFrameLayer::StageCount; ++stage) {
        const int before = text.glyphsDrawn();
        stageMs[stage] = medianMs(5, [&] { LMFrameLayer::renderStage(stage, work, in); });
        if (stage == 2)
            firstDrawn = text.glyphsDrawn() - before;
    }
    const int warm = text.glyphsDrawn();
    LMFrameLayer::renderStage(2, work, in);
    std::printf("XL03, 36 mm, texture and three rows of text, %d x %d layer:\n", work.image.width(),
                work.image.height());
    for (int stage = 0; stage < LMFrameLayer::StageCount; ++stage)
        std::printf("  stage %d: %.1f ms\n", stage, stageMs[stage]);
    // The frame panel lays the letters out after each change, to tell
    // whether the text has room.
    int laid = 0;
    const double layoutMs = medianMs(5, [&] {
        laid =
            int(LMFrameTextPainter::layout(shapes.outline, text, 5, false, &shapes.frame).size());
    });
    std::printf("  layout of the %d letters alone: %.1f ms\n", laid, layoutMs);
    QSet<QChar> letters;
    for (const QChar c : text.text())
        if (!c.isSpace())
            letters.insert(c);
    std::printf("glyphs drawn: %d over five text stages (the text has %d distinct letters), "
                "%d on a further redraw\n",
                firstDrawn, int(letters.size()), text.glyphsDrawn() - warm);

    LMDocument letter = framedDesign(catalogue, 0, 0, 5);
    const LMOutlineShapes letterShapes = catalogue.shapesOf(0, 0, 5);
    QImage page;
    const double exportMs =
        medianMs(7, [&] { page = LMPageRenderer::render(letter, letterShapes); });
    std::printf("export of a Letter design (%d x %d) with texture and text: %.1f ms\n",
                page.width(), page.height(), exportMs);

    LMDocument a0 = letter;
    const int a0Row = LMPaperTable::lastRowWithId(5);
    a0.page = QImage(LMPaperTable::pixelSize(a0Row, false), QImage::Format_RGB32);
    a0.page.fill(Qt::white);
    a0.flags.setLandscape(false);
    a0.flags.setStripCount(3);
    a0.flags.setUseHeight(true);
    LMFrameTextSettings sheetText;
    LMPageRenderer::frameTextOf(a0, sheetText);
    LMStripSheetInputs sheet;
    sheet.page = a0.page.size();
    sheet.landscape = false;
    sheet.printable = LMPageRenderer::printableRect(a0.page.rect(), a0.margins);
    sheet.strips.count = 3;
    sheet.strips.sides = true;
    sheet.sideColor = Qt::gray;
    sheet.texture = texture;
    sheet.text = &sheetText;
    QImage target(a0.page.size(), QImage::Format_RGB32);
    for (const bool tiled : {false, true}) {
        sheet.textureTiled = tiled;
        // A fresh sheet each time: the first paint after a change, not a repaint.
        const double sheetMs = medianMs(7, [&] {
            LMStripSheet fresh;
            QPainter p(&target);
            fresh.paint(p, sheet);
        });
        std::printf("strip sheet on A0 (%d x %d, portrait), three strips with sides and text, "
                    "texture %s: %.1f ms\n",
                    target.width(), target.height(), tiled ? "tiled" : "stretched", sheetMs);
    }
    // What --export --strips and Save As write: the sheet as a picture of its own.
    for (const bool tiled : {false, true}) {
        sheet.textureTiled = tiled;
        const double outputMs = medianMs(7, [&] { LMStripSheet().render(sheet); });
        std::printf(
            "the strip sheet as output writes it, a fresh A0 picture, texture %s: %.1f ms\n",
            tiled ? "tiled" : "stretched", outputMs);
    }
    // The user's case: the canvas keeps its sheet, and a setting changes.
    for (const bool tiled : {false, true}) {
        sheet.textureTiled = tiled;
        LMStripSheet changing;
        bool grey = false;
        const double changeMs = medianMs(7, [&] {
            sheet.sideColor = (grey = !grey) ? Qt::gray : Qt::darkGray;
            QPainter p(&target);
            changing.paint(p, sheet);
        });
        std::printf("the same sheet after its side colour changed, texture %s: %.1f ms\n",
                    tiled ? "tiled" : "stretched", changeMs);
    }
    // On screen, fitted to a window about 700 pixels tall: a fifth of the page.
    for (const bool tiled : {false, true}) {
        sheet.textureTiled = tiled;
        QImage screen(QSize(505, 714), QImage::Format_RGB32);
        const double fittedMs = medianMs(7, [&] {
            LMStripSheet fresh;
            QPainter p(&screen);
            p.scale(0.2, 0.2);
            fresh.paint(p, sheet);
        });
        LMStripSheet changing;
        bool grey = false;
        const double changedMs = medianMs(7, [&] {
            sheet.sideColor = (grey = !grey) ? Qt::gray : Qt::darkGray;
            QPainter p(&screen);
            p.scale(0.2, 0.2);
            changing.paint(p, sheet);
        });
        std::printf("the sheet on screen at 20 %%, texture %s: first paint %.1f ms, after a "
                    "change %.1f ms\n",
                    tiled ? "tiled" : "stretched", fittedMs, changedMs);
    }
    // On screen at 100 %: a window shows a part of the sheet, drawn when first
    // seen; scrolling draws what comes into view.
    for (const bool tiled : {false, true}) {
        sheet.textureTiled = tiled;
        QImage view(QSize(1400, 800), QImage::Format_RGB32);
        const QPoint middle(sheet.page.width() / 2 - 700, sheet.page.height() / 2 - 400);
        const double firstMs = medianMs(7, [&] {
            LMStripSheet fresh;
            QPainter p(&view);
            p.translate(-middle);
            fresh.paint(p, sheet);
        });
        LMStripSheet scrolled;
        int step = 0;
        const double scrollMs = medianMs(7, [&] {
            QPainter p(&view);
            p.translate(-middle - QPoint(0, 200 * ++step));
            scrolled.paint(p, sheet);
        });
        std::printf("the sheet on screen at 100 %%, a 1400 x 800 view, texture %s: first paint "
                    "%.1f ms, scrolled by 200 pixels %.1f ms\n",
                    tiled ? "tiled" : "stretched", firstMs, scrollMs);
    }
    LMStripSheet kept;
    const double repaintMs = medianMs(7, [&] {
        QPainter p(&target);
        kept.paint(p, sheet);
    });
    std::printf("the same sheet painted again, unchanged: %.1f ms\n", repaintMs);
    return 0;
}
