#include "model/output/LMPageRenderer.h"

#include <QTest>

// The page as it leaves the program, drawn from plain values only.
class TestPageRenderer : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void outputLook_data();
    void outputLook();
    void sameBytesAndTheDesignUntouched();
    void withoutOutlineThePageAsItIs();
};

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

// Dark pixels within two pixels of x in rows y0..y1: where a cutting line runs.
int darkPixelsNear(const QImage &page, int x, int y0, int y1)
{
    int dark = 0;
    for (int y = y0; y <= y1; ++y)
        for (int dx = -2; dx <= 2; ++dx)
            dark += qGray(page.pixel(x + dx, y)) < 60;
    return dark;
}
} // namespace

void TestPageRenderer::outputLook_data()
{
    QTest::addColumn<int>("rotation");
    QTest::addColumn<bool>("clip");
    QTest::addColumn<int>("leftEdge"); // where the window's left side runs
    QTest::newRow("upright") << 0 << false << 100;
    QTest::newRow("upright, clipped to the window") << 0 << true << 100;
    QTest::newRow("turned a quarter") << 90 << false << 120;
    QTest::newRow("turned a quarter, clipped") << 90 << true << 120;
}

void TestPageRenderer::outputLook()
{
    QFETCH(int, rotation);
    QFETCH(bool, clip);
    QFETCH(int, leftEdge);
    const QImage page = LMPageRenderer::render(design(rotation), window(), {clip});
    QCOMPARE(page.size(), QSize(300, 200));
    // The cutting line: black with white dashes, along the window's side.
    QVERIFY(darkPixelsNear(page, leftEdge, 90, 110) > 5);
    // Inside, the design untouched: no shading, no red.
    QCOMPARE(page.pixelColor(150, 100), Green);
    QCOMPARE(page.pixelColor(leftEdge + 10, 100), Green);
    // Outside, the page, or white when only the window is printed.
    QCOMPARE(page.pixelColor(10, 10), clip ? QColor(Qt::white) : Green);
    QCOMPARE(page.pixelColor(leftEdge - 10, 100), clip ? QColor(Qt::white) : Green);
}

void TestPageRenderer::sameBytesAndTheDesignUntouched()
{
    const LMDocument doc = design(30);
    const QImage before = doc.page.copy();
    const QImage first = LMPageRenderer::render(doc, window());
    const QImage second = LMPageRenderer::render(doc, window());
    QCOMPARE(first, second);
    QVERIFY(first != before);   // something was drawn...
    QCOMPARE(doc.page, before); // ...but not into the design's own page
}

void TestPageRenderer::withoutOutlineThePageAsItIs()
{
    const LMDocument doc = design(0);
    QCOMPARE(LMPageRenderer::render(doc, LMOutlineShapes(), {true}), doc.page);
}

QTEST_MAIN(TestPageRenderer)
#include "tst_pagerenderer.moc"
