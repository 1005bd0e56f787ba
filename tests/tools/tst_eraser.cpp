#include "tools/stroke/LMGraphFuncEraser.h"
#include "tools/stroke/LMScreenMsgHandlerEraser.h"

#include <QTest>

class TestEraser : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sweepLeavesNoGaps_data();
    void sweepLeavesNoGaps();
    void pressStartsAfresh();
    void cursorImage_data();
    void cursorImage();
};

void TestEraser::sweepLeavesNoGaps_data()
{
    QTest::addColumn<double>("width");
    QTest::addColumn<QList<QPoint>>("path");
    QTest::newRow("one fast move to the right") << 10.0 << QList<QPoint>{{10, 10}, {300, 10}};
    QTest::newRow("fast diagonal down-left") << 10.0 << QList<QPoint>{{300, 10}, {20, 250}};
    QTest::newRow("steep up") << 6.0 << QList<QPoint>{{50, 400}, {60, 20}};
    QTest::newRow("zig-zag back over itself")
        << 12.0 << QList<QPoint>{{10, 10}, {200, 200}, {10, 200}, {200, 10}, {10, 10}};
    QTest::newRow("small eraser, long jumps") << 3.0 << QList<QPoint>{{0, 0}, {500, 3}, {-200, 90}};
}

// Every point along the pointer's path, and the corners of the square at
// each position, must lie inside the erased region.
void TestEraser::sweepLeavesNoGaps()
{
    QFETCH(double, width);
    QFETCH(QList<QPoint>, path);
    LMGraphFuncEraser stroke;
    stroke.width = width;
    stroke.pressAt(path.first());
    for (int i = 1; i < path.size(); ++i)
        stroke.sweepTo(path[i]);
    const int h = int(width * 0.5);
    for (int i = 1; i < path.size(); ++i) {
        const QPointF a = path[i - 1], b = path[i];
        for (int step = 0; step <= 200; ++step) {
            const QPointF p = a + (b - a) * (step / 200.0);
            QVERIFY2(stroke.region.contains(p),
                     qPrintable(QStringLiteral("(%1, %2)").arg(p.x()).arg(p.y())));
            // Halfway to the square's edge, across the direction of travel too.
            QVERIFY(stroke.region.contains(p + QPointF(h * 0.5, h * 0.5)));
            QVERIFY(stroke.region.contains(p + QPointF(-h * 0.5, h * 0.5)));
        }
    }
    // Nothing far from the path is erased.
    QVERIFY(!stroke.region.contains(QPointF(1000, 1000)));
}

void TestEraser::pressStartsAfresh()
{
    LMGraphFuncEraser stroke;
    stroke.width = 10;
    stroke.pressAt(QPoint(50, 50));
    stroke.sweepTo(QPoint(150, 50));
    stroke.pressAt(QPoint(400, 400));
    QVERIFY(!stroke.region.contains(QPointF(100, 50)));
    QVERIFY(stroke.region.contains(QPointF(400, 400)));
    QCOMPARE(stroke.start, QPoint(400, 400));

    LMGraphFuncEraser unpressed; // a move without a press starts where it is
    unpressed.width = 10;
    unpressed.sweepTo(QPoint(300, 300));
    QVERIFY(unpressed.region.contains(QPointF(300, 300)));
    QVERIFY(!unpressed.region.contains(QPointF(150, 150)));
}

void TestEraser::cursorImage_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<double>("zoom");
    QTest::addColumn<int>("side");
    QTest::addColumn<bool>("outlined");
    QTest::newRow("5 at 50%: all black") << 5 << 0.5 << 2 << false;
    QTest::newRow("5 at 20%: one black pixel") << 5 << 0.2 << 1 << false;
    QTest::newRow("7 at 40%: 2 pixels, all black") << 7 << 0.4 << 2 << false;
    QTest::newRow("6 at 50%: 3 pixels, outlined") << 6 << 0.5 << 3 << true;
    QTest::newRow("10 at 100%") << 10 << 1.0 << 10 << true;
    QTest::newRow("58 at 60%") << 58 << 0.6 << 34 << true;
}

void TestEraser::cursorImage()
{
    QFETCH(int, width);
    QFETCH(double, zoom);
    QFETCH(int, side);
    QFETCH(bool, outlined);
    const QImage image = LMScreenMsgHandlerEraser::cursorImage(width, zoom);
    QCOMPARE(image.size(), QSize(side, side));
    if (!outlined) {
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x)
                QCOMPARE(image.pixelColor(x, y), QColor(Qt::black));
        return;
    }
    // A one-pixel black border round a white inside.
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const bool border = x == 0 || y == 0 || x == side - 1 || y == side - 1;
            QCOMPARE(image.pixelColor(x, y), QColor(border ? Qt::black : Qt::white));
        }
    }
}

QTEST_MAIN(TestEraser)
#include "tst_eraser.moc"
