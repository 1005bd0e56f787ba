#include "../common/MakeCanvas.h"
#include "canvas/LMGraphView.h"
#include "model/LMDesign.h"
#include "tools/LMPoint.h"
#include "tools/frame/LMGraphFuncDashedLineRectangle.h"
#include "tools/frame/LMScreenMsgHandlerShape.h"

#include <QTest>

#include <cmath>

// The frame geometry, driven through the rectangle tool's pointer handlers
// with widget positions.
class TestSelectionFrame : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void openInEachDirection_data();
    void openInEachDirection();
    void midHandlesMoveAlongOneAxis_data();
    void midHandlesMoveAlongOneAxis();
    void dragInsideMovesByThePointerOffset();
    void turnedFrameResizesAlikeInAnySteps_data();
    void turnedFrameResizesAlikeInAnySteps();
    void rotationBand_data();
    void rotationBand();
    void fullTurnReturnsToTheStart();
    void setFrameRectAtHalfZoom();

private:
    void press(const QPoint &p) { m_tool->onMousePress(p, m_view->toDocument(p)); }
    void move(const QPoint &p) { m_tool->onMouseMove(p, m_view->toDocument(p)); }
    void release(const QPoint &p) { m_tool->onMouseRelease(p, m_view->toDocument(p)); }
    void drag(const QPoint &from, const QPoint &to, int steps = 4);
    LMGraphFuncDashedLineRectangle *frame() const
    {
        return dynamic_cast<LMGraphFuncDashedLineRectangle *>(m_view->lastLiveItem());
    }
    QPoint widgetPosOf(quint16 role) const
    {
        return frame()
            ->GetMatrix(LMGraphFuncDashedLineRectangle::FrameToWidget)
            .map(*frame()->handlePos(role));
    }

    LMGraphView *m_view = nullptr;
    LMScreenMsgHandlerShape *m_tool = nullptr;
};

void TestSelectionFrame::init()
{
    m_view = makeCanvas();
    m_view->setPage(837, 648, 1.0);
    m_tool = m_view->findChild<LMScreenMsgHandlerShape *>(QStringLiteral("rectangle"));
    m_view->setHandler(m_tool);
}

void TestSelectionFrame::cleanup()
{
    delete m_view;
}

void TestSelectionFrame::drag(const QPoint &from, const QPoint &to, int steps)
{
    press(from);
    for (int i = 1; i <= steps; ++i)
        move(from + (to - from) * i / steps);
    release(to);
}

void TestSelectionFrame::openInEachDirection_data()
{
    QTest::addColumn<QPoint>("to");
    QTest::newRow("right and down") << QPoint(160, 140);
    QTest::newRow("left and up") << QPoint(40, 60);
    QTest::newRow("right and up") << QPoint(160, 60);
    QTest::newRow("left and down") << QPoint(40, 140);
}

void TestSelectionFrame::openInEachDirection()
{
    QFETCH(QPoint, to);
    const QPoint from(100, 100);
    drag(from, to);
    const QPoint topLeft(qMin(from.x(), to.x()), qMin(from.y(), to.y()));
    const QPoint bottomRight(qMax(from.x(), to.x()), qMax(from.y(), to.y()));
    // Whatever the direction, role 5 ends upper left and 10 lower right.
    QCOMPARE(widgetPosOf(LMPoint::TopLeft), topLeft);
    QCOMPARE(widgetPosOf(LMPoint::BottomRight), bottomRight);
    QCOMPARE(widgetPosOf(LMPoint::TopRight), QPoint(bottomRight.x(), topLeft.y()));
    QCOMPARE(widgetPosOf(LMPoint::BottomLeft), QPoint(topLeft.x(), bottomRight.y()));
    QCOMPARE(widgetPosOf(LMPoint::TopMid),
             QPoint((topLeft.x() + bottomRight.x()) / 2, topLeft.y()));
    QCOMPARE(widgetPosOf(LMPoint::RightMid),
             QPoint(bottomRight.x(), (topLeft.y() + bottomRight.y()) / 2));
    QCOMPARE(QPoint(frame()->centreX, frame()->centreY), (topLeft + bottomRight) / 2);
}

void TestSelectionFrame::midHandlesMoveAlongOneAxis_data()
{
    QTest::addColumn<quint16>("role");
    QTest::addColumn<QPoint>("pull");
    QTest::addColumn<QPoint>("topLeft");
    QTest::addColumn<QPoint>("bottomRight");
    QTest::newRow("top middle: height only")
        << quint16(20) << QPoint(7, -20) << QPoint(100, 80) << QPoint(160, 140);
    QTest::newRow("bottom middle: height only")
        << quint16(24) << QPoint(-9, 30) << QPoint(100, 100) << QPoint(160, 170);
    QTest::newRow("right middle: width only")
        << quint16(18) << QPoint(20, 7) << QPoint(100, 100) << QPoint(180, 140);
    QTest::newRow("left middle: width only")
        << quint16(17) << QPoint(-30, -5) << QPoint(70, 100) << QPoint(160, 140);
}

void TestSelectionFrame::midHandlesMoveAlongOneAxis()
{
    QFETCH(quint16, role);
    QFETCH(QPoint, pull);
    QFETCH(QPoint, topLeft);
    QFETCH(QPoint, bottomRight);
    drag(QPoint(100, 100), QPoint(160, 140));
    const QPoint at = widgetPosOf(role);
    drag(at, at + pull);
    QCOMPARE(widgetPosOf(LMPoint::TopLeft), topLeft);
    QCOMPARE(widgetPosOf(LMPoint::BottomRight), bottomRight);
}

void TestSelectionFrame::dragInsideMovesByThePointerOffset()
{
    drag(QPoint(100, 100), QPoint(160, 140));
    QVector<QPoint> before;
    for (const LMPoint *h : frame()->handles)
        before << h->pos();
    drag(QPoint(125, 118), QPoint(138, 109));
    QCOMPARE(QPoint(frame()->centreX, frame()->centreY), QPoint(130 + 13, 120 - 9));
    for (int i = 0; i < 8; ++i)
        QCOMPARE(frame()->handles[i]->pos(), before[i]);
}

void TestSelectionFrame::turnedFrameResizesAlikeInAnySteps_data()
{
    QTest::addColumn<int>("steps");
    QTest::newRow("1-pixel steps") << 100;
    QTest::newRow("5-pixel steps") << 20;
    QTest::newRow("10-pixel steps") << 10;
    QTest::newRow("one jump") << 1;
}

void TestSelectionFrame::turnedFrameResizesAlikeInAnySteps()
{
    QFETCH(int, steps);
    drag(QPoint(300, 300), QPoint(400, 360));
    frame()->angle = 45;
    frame()->invalidateMatrices();
    const int width =
        frame()->handlePos(LMPoint::BottomRight)->x() - frame()->handlePos(LMPoint::TopLeft)->x();
    // 100 pixels to the right pull the turned right side out by 100 cos 45.
    const QPoint grip = widgetPosOf(LMPoint::RightMid);
    drag(grip, grip + QPoint(100, 0), steps);
    const int grown = frame()->handlePos(LMPoint::BottomRight)->x() -
                      frame()->handlePos(LMPoint::TopLeft)->x() - width;
    QVERIFY2(qAbs(grown - 70.7) <= 1.0, qPrintable(QString::number(grown)));
}

void TestSelectionFrame::rotationBand_data()
{
    QTest::addColumn<int>("outside");
    QTest::addColumn<bool>("turns");
    QTest::newRow("10 pixels out turns") << 10 << true;
    QTest::newRow("15 pixels out turns") << 15 << true;
    QTest::newRow("16 pixels out applies") << 16 << false;
}

void TestSelectionFrame::rotationBand()
{
    QFETCH(int, outside);
    QFETCH(bool, turns);
    drag(QPoint(100, 100), QPoint(160, 140));
    const QPoint start(160 + outside, 120);
    press(start);
    move(QPoint(130, 120 + 30 + outside)); // a quarter turn round the centre (130, 120)
    if (turns) {
        QCOMPARE(frame()->angle, 90);
        QCOMPARE(m_view->design().history().count(), 0);
    } else {
        // The first frame was applied; the move opened a new one.
        QCOMPARE(m_view->design().history().count(), 1);
        QCOMPARE(frame()->angle, 0);
    }
    release(QPoint(130, 150 + outside));
}

void TestSelectionFrame::fullTurnReturnsToTheStart()
{
    drag(QPoint(100, 100), QPoint(160, 140));
    const QPointF centre(130, 120);
    press(QPoint(170, 120));
    QList<int> angles;
    for (int step = 1; step <= 36; ++step) {
        const double a = step * 10.0 * M_PI / 180.0;
        move((centre + 40.0 * QPointF(std::cos(a), std::sin(a))).toPoint());
        angles << frame()->angle;
        QVERIFY(frame()->angle >= 0 && frame()->angle <= 359);
    }
    release(QPoint(170, 120));
    QCOMPARE(angles[8], 90); // clockwise on screen increases the angle
    QCOMPARE(angles[26], 270);
    QCOMPARE(frame()->angle, 0);
}

// A frame set from a page rectangle turns from its band like a drawn one.
void TestSelectionFrame::setFrameRectAtHalfZoom()
{
    m_view->setPage(837, 648, 0.5);
    m_tool->setFrameRect(QRect(100, 100, 200, 100));
    QCOMPARE(frame()->handlePos(LMPoint::TopLeft), std::optional<QPoint>(QPoint(-50, -25)));
    QCOMPARE(frame()->handlePos(LMPoint::BottomRight), std::optional<QPoint>(QPoint(50, 25)));
    QCOMPARE(frame()->handlePos(LMPoint::TopMid), std::optional<QPoint>(QPoint(0, -25)));
    QCOMPARE(frame()->angle, 0);
    // Centre: document (199, 149) shown at half size after the (20, 25) margin.
    QCOMPARE(QPoint(frame()->centreX, frame()->centreY), QPoint(110, 87));
    press(QPoint(170, 87)); // 10 pixels right of the frame
    move(QPoint(110, 147));
    QCOMPARE(frame()->angle, 90);
    QCOMPARE(frame()->handlePos(LMPoint::BottomRight),
             std::optional<QPoint>(QPoint(50, 25))); // not dragged
    release(QPoint(110, 147));
}

QTEST_MAIN(TestSelectionFrame)
#include "tst_selectionframe.moc"
