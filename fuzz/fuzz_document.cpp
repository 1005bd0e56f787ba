// Feeds arbitrary bytes to the design file reader. A damaged design must come
// back as a clean failure: never a crash, a hang or a huge allocation.
#include "canvas/LMDocumentFile.h"

#include <QBuffer>
#include <QGuiApplication>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // Decoding the embedded pictures wants an application object.
    static int argc = 1;
    static char name[] = "fuzz_document";
    static char *argv[] = {name, nullptr};
    static QGuiApplication *app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QGuiApplication(argc, argv);
    }();
    (void)app;
    QBuffer buffer;
    buffer.setData(reinterpret_cast<const char *>(data), qsizetype(size));
    buffer.open(QIODevice::ReadOnly);
    const std::optional<LMDocument> doc = LMDocumentFile::read(buffer);
    if (doc)
        (void)LMDocumentFile::write(*doc);
    return 0;
}
