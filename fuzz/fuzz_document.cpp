// Feeds arbitrary bytes to the design file reader, and loads what it accepts
// into a design shown by a real canvas, then draws it as export and the
// strip sheet do:
// hostile values (paper, outline, placement, frame level, strip counts,
// scales) must reach the code that uses them and still come to no harm. A
// damaged design must come back as a clean failure: never a crash, a hang
// or a huge allocation.
#include "app/LMResources.h"
#include "canvas/LMGraphView.h"
#include "model/LMDesign.h"
#include "model/LMDocumentFile.h"
#include "model/outlines/LMArtFrameFactory.h"
#include "model/output/LMOutput.h"

#include <QApplication>
#include <QBuffer>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The canvas and the pictures want an application object.
    static int argc = 1;
    static char name[] = "fuzz_document";
    static char *argv[] = {name, nullptr};
    static QApplication *app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        auto *application = new QApplication(argc, argv);
        // The outline catalogue and the textures live in the resources.
        lmInitResources();
        return application;
    }();
    static LMArtFrameFactory *catalogue = new LMArtFrameFactory;
    static LMDesign *design = new LMDesign(catalogue);
    static LMGraphView *canvas = new LMGraphView(design);
    (void)app;
    (void)canvas;
    QBuffer buffer;
    buffer.setData(reinterpret_cast<const char *>(data), qsizetype(size));
    buffer.open(QIODevice::ReadOnly);
    const std::optional<LMDocument> doc = LMDocumentFile::read(buffer);
    if (!doc)
        return 0;
    (void)LMDocumentFile::write(*doc);
    // As Open does: a design whose outline the catalogue lacks is refused.
    if (!catalogue->outlineOf(doc->outlineGroup, doc->outlineIndex))
        return 0;
    design->load(*doc);
    const LMDocument loaded = design->toDocument();
    LMOutputJob job;
    job.clipToOutline = loaded.flags.clipToOutline();
    (void)LMOutput::render(loaded, design->shapes(), job);
    job.strips = true;
    (void)LMOutput::render(loaded, design->shapes(), job);
    return 0;
}
