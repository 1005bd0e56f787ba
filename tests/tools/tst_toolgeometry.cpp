#include "tools/LMPoint.h"
#include "tools/LMToolGeometry.h"
#include "tools/stroke/LMGraphFuncEraser.h"
#include "tools/stroke/LMScreenMsgHandlerEraser.h"

#include <QPainter>
#include <QTest>

#include <cmath>

class TestToolGeometry : public QObject {
    Q_OBJECT
private Q_SLOTS:

    void cursorForHandle_data()
    {
        QTest::addColumn<int>("role");
        QTest::addColumn<int>("angle");
        QTest::addColumn<int>("shape");
        QTest::newRow("top-left, upright") << 5 << 0 << int(Qt::SizeFDiagCursor);
        QTest::newRow("top-left at 135: a = 180 -> 0") << 5 << 135 << int(Qt::SizeHorCursor);
        QTest::newRow("top-left at 90: a = 135") << 5 << 90 << int(Qt::SizeBDiagCursor);
        QTest::newRow("bottom-right like top-left") << 10 << 0 << int(Qt::SizeFDiagCursor);
        QTest::newRow("top-right") << 6 << 0 << int(Qt::SizeBDiagCursor);
        QTest::newRow("top middle") << 20 << 0 << int(Qt::SizeVerCursor);
        QTest::newRow("top middle turned a quarter") << 20 << 90 << int(Qt::SizeHorCursor);
        QTest::newRow("right middle") << 18 << 0 << int(Qt::SizeHorCursor);
        QTest::newRow("left middle at 22 stays horizontal") << 17 << 22 << int(Qt::SizeHorCursor);
        QTest::newRow("left middle at 23 turns diagonal") << 17 << 23 << int(Qt::SizeFDiagCursor);
        QTest::newRow("left middle at 68") << 17 << 68 << int(Qt::SizeFDiagCursor);
        QTest::newRow("left middle at 69 turns vertical") << 17 << 69 << int(Qt::SizeVerCursor);
        QTest::newRow("left middle at 111") << 17 << 111 << int(Qt::SizeVerCursor);
        QTest::newRow("left middle at 112") << 17 << 112 << int(Qt::SizeBDiagCursor);
        QTest::newRow("left middle at 157") << 17 << 157 << int(Qt::SizeBDiagCursor);
        QTest::newRow("left middle at 158") << 17 << 158 << int(Qt::SizeHorCursor);
        QTest::newRow("negative angle") << 5 << -90 << int(Qt::SizeBDiagCursor);
        QTest::newRow("several turns") << 20 << 720 << int(Qt::SizeVerCursor);
        QTest::newRow("line end") << 64 << 0 << int(Qt::SizeVerCursor);
        QTest::newRow("no handle") << 3 << 0 << int(Qt::BlankCursor);
    }

    void cursorForHandle()
    {
        QFETCH(int, role);
        QFETCH(int, angle);
        QFETCH(int, shape);
        QCOMPARE(int(LMToolGeometry::cursorForHandle(role, angle)), shape);
    }

    void hitTest_data()
    {
        QTest::addColumn<QPoint>("p");
        QTest::addColumn<bool>("hit");
        QTest::newRow("on it") << QPoint(100, 100) << true;
        QTest::newRow("6 away in both axes") << QPoint(106, 94) << true;
        QTest::newRow("-6, -6") << QPoint(94, 94) << true;
        QTest::newRow("7 away in x") << QPoint(107, 100) << false;
        QTest::newRow("7 away in y") << QPoint(100, 93) << false;
    }

    void hitTest()
    {
        QFETCH(QPoint, p);
        QFETCH(bool, hit);
        const LMPoint handle(QPoint(100, 100), LMPoint::LineStart);
        QCOMPARE(handle.hitTest(p), hit);
    }

    void eraserSweepLeavesNoGaps_data()
    {
        QTest::addColumn<double>("width");
        QTest::addColumn<QList<QPoint>>("path");
        QTest::newRow("one fast move to the right") << 10.0 << QList<QPoint>{{10, 10}, {300, 10}};
        QTest::newRow("fast diagonal down-left") << 10.0 << QList<QPoint>{{300, 10}, {20, 250}};
        QTest::newRow("steep up") << 6.0 << QList<QPoint>{{50, 400}, {60, 20}};
        QTest::newRow("zig-zag back over itself")
            << 12.0 << QList<QPoint>{{10, 10}, {200, 200}, {10, 200}, {200, 10}, {10, 10}};
        QTest::newRow("small eraser, long jumps")
            << 3.0 << QList<QPoint>{{0, 0}, {500, 3}, {-200, 90}};
    }

    // Every point along the pointer's path, and the corners of the square at
    // each position, must lie inside the erased region.
    void eraserSweepLeavesNoGaps()
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

    void eraserPressStartsAfresh()
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

    void eraserCursorImage_data()
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

    void eraserCursorImage()
    {
        QFETCH(int, width);
        QFETCH(double, zoom);
        QFETCH(int, side);
        QFETCH(bool, outlined);
        // Below three pixels all black; else a one-pixel black border round white.
        QImage expected(side, side, QImage::Format_RGB32);
        expected.fill(Qt::black);
        if (outlined)
            QPainter(&expected).fillRect(1, 1, side - 2, side - 2, Qt::white);
        QCOMPARE(LMScreenMsgHandlerEraser::cursorImage(width, zoom), expected);
    }
};

QTEST_MAIN(TestToolGeometry)

#include "tst_toolgeometry.moc"
