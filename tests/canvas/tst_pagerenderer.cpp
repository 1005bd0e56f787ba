#include "../common/Golden.h"
#include "model/output/LMPageRenderer.h"

#include <QTest>

namespace {
const QColor Green(0, 160, 0);

// A 300 x 200 green page with a 100 x 60 window centred on (150, 100).
LMDocument design(int rotation)
{
    LMDocument doc;
    doc.flags = LMViewFlags::atStart();
    doc.flags.setOutlineRotation(rotation);
    // On screen these would shade the outline and paint the margins red.
    doc.flags.setOutlineEditing(true);
    doc.flags.setOutsidePrintable(true);
    doc.page = QImage(300, 200, QImage::Format_RGB32);
    doc.page.fill(Green);
    doc.outlineOffset = QPoint(150, 100);
    return doc;
}

LMOutlineShapes window()
{
    LMOutlineShapes shapes;
    shapes.outline.addRect(-50, -30, 100, 60);
    shapes.outer = shapes.outline;
    return shapes;
}

} // namespace

// The page as it leaves the program, drawn from plain values only.
class TestPageRenderer : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void outputLook_data()
    {
        QTest::addColumn<int>("rotation");
        QTest::addColumn<bool>("clip");
        QTest::newRow("upright") << 0 << false;
        QTest::newRow("upright_clipped") << 0 << true;
        QTest::newRow("turned") << 90 << false;
        QTest::newRow("turned_clipped") << 90 << true;
    }

    // The cutting line, black with white dashes, along the window's sides; the
    // design inside untouched (no shading, no red margins); outside it the page,
    // or white when only the window is printed.
    void outputLook()
    {
        QFETCH(int, rotation);
        QFETCH(bool, clip);
        const QImage page = LMPageRenderer::render(design(rotation), window(), {clip});
        LM_COMPARE_GOLDEN(page, QStringLiteral("tst_pagerenderer_") + QTest::currentDataTag());
    }

    void sameBytesAndTheDesignUntouched()
    {
        const LMDocument doc = design(30);
        const QImage before = doc.page.copy();
        const QImage first = LMPageRenderer::render(doc, window());
        const QImage second = LMPageRenderer::render(doc, window());
        QCOMPARE(first, second);
        QVERIFY(first != before);   // something was drawn...
        QCOMPARE(doc.page, before); // ...but not into the design's own page
        // Without an outline the page goes out as it is, even clipped.
        QCOMPARE(LMPageRenderer::render(doc, LMOutlineShapes(), {true}), doc.page);
    }
};

QTEST_MAIN(TestPageRenderer)

#include "tst_pagerenderer.moc"
