#include "../common/Golden.h"
#include "../common/MakeCanvas.h"
#include "canvas/LMGraphView.h"
#include "tools/LMPoint.h"
#include "tools/LMScreenMsgHandlerInf.h"
#include "tools/frame/LMGraphFuncDashedLineRectangle.h"
#include "tools/frame/LMScreenMsgHandlerShape.h"

#include <QTest>

#include <cmath>

// The shape tools' frame, driven through their pointer handlers with widget
// positions, and each shape kind as it lands on the page.
class TestShapes : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_view = makeCanvas();
        m_view->setPage(837, 648, 1.0);
        // The palette offers no triangles, but the shape tool draws them.
        const std::pair<const char *, int> triangles[] = {
            {"triangle", LMScreenMsgHandlerShape::Triangle},
            {"righttriangle", LMScreenMsgHandlerShape::RightTriangle}};
        for (const auto &[name, kind] : triangles)
            (new LMScreenMsgHandlerShape(m_view->toolEnvironment(), kind))
                ->setObjectName(QLatin1String(name));
        useTool(QStringLiteral("rectangle"));
    }

    void cleanup() { delete m_view; }

    void frameDrags_data()
    {
        // A frame opened from (100, 100), then maybe a second drag from a grip.
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QPoint>("grip");
        QTest::addColumn<QPoint>("pull");
        QTest::addColumn<QPoint>("topLeft");
        QTest::addColumn<QPoint>("bottomRight");
        const auto opened = [](const char *name, QPoint to, QPoint topLeft, QPoint bottomRight) {
            QTest::newRow(name) << to << QPoint() << QPoint() << topLeft << bottomRight;
        };
        opened("opened right and down", QPoint(160, 140), QPoint(100, 100), QPoint(160, 140));
        opened("opened left and up", QPoint(40, 60), QPoint(40, 60), QPoint(100, 100));
        opened("opened right and up", QPoint(160, 60), QPoint(100, 60), QPoint(160, 100));
        opened("opened left and down", QPoint(40, 140), QPoint(40, 100), QPoint(100, 140));
        // The second drag on the frame from (100, 100) to (160, 140).
        const auto pulled = [](const char *name, QPoint grip, QPoint pull, QPoint topLeft,
                               QPoint bottomRight) {
            QTest::newRow(name) << QPoint(160, 140) << grip << pull << topLeft << bottomRight;
        };
        pulled("top middle: height only", {130, 100}, {7, -20}, {100, 80}, {160, 140});
        pulled("bottom middle: height only", {130, 140}, {-9, 30}, {100, 100}, {160, 170});
        pulled("right middle: width only", {160, 120}, {20, 7}, {100, 100}, {180, 140});
        pulled("left middle: width only", {100, 120}, {-30, -5}, {70, 100}, {160, 140});
        pulled("bottom-right corner: both", {160, 140}, {10, 15}, {100, 100}, {170, 155});
        pulled("inside: moved by the pointer's offset", {125, 118}, {13, -9}, {113, 91},
               {173, 131});
    }

    // Whatever the direction, role 5 ends upper left and 10 lower right, and the
    // other handles keep to the corners and the middles of the edges.
    void frameDrags()
    {
        QFETCH(QPoint, to);
        QFETCH(QPoint, grip);
        QFETCH(QPoint, pull);
        QFETCH(QPoint, topLeft);
        QFETCH(QPoint, bottomRight);
        drag(QPoint(100, 100), to);
        if (pull.isNull()) // a new frame turns about its middle
            QCOMPARE(QPoint(frame()->centreX, frame()->centreY), (topLeft + bottomRight) / 2);
        else
            drag(grip, grip + pull);
        QCOMPARE(widgetPosOf(LMPoint::TopLeft), topLeft);
        QCOMPARE(widgetPosOf(LMPoint::BottomRight), bottomRight);
        QCOMPARE(widgetPosOf(LMPoint::TopRight), QPoint(bottomRight.x(), topLeft.y()));
        QCOMPARE(widgetPosOf(LMPoint::BottomLeft), QPoint(topLeft.x(), bottomRight.y()));
        QCOMPARE(widgetPosOf(LMPoint::TopMid),
                 QPoint((topLeft.x() + bottomRight.x()) / 2, topLeft.y()));
        QCOMPARE(widgetPosOf(LMPoint::RightMid),
                 QPoint(bottomRight.x(), (topLeft.y() + bottomRight.y()) / 2));
    }

    void fullTurnReturnsToTheStart()
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

    void committedKinds_data()
    {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<int>("angle");
        for (const char *kind :
             {"rectangle", "ellipse", "roundrectangle", "rhombus", "triangle", "righttriangle"})
            QTest::newRow(kind) << QString::fromLatin1(kind) << 0;
        // A quarter turn clockwise: the apex on the right, the base upright on the left.
        QTest::newRow("triangle turned") << QStringLiteral("triangle") << 90;
    }

    // The frame covers document (100, 100) to (200, 200); black pen of 3, red
    // fill. The golden shows the page from (90, 90) to (210, 210).
    void committedKinds()
    {
        QFETCH(QString, tool);
        QFETCH(int, angle);
        useTool(tool);
        m_tool->slot_widthCheckboxChanged(Qt::Checked);
        m_tool->slot_fillcolorChanged(Qt::red);
        drag(QPoint(120, 125), QPoint(220, 225), 1);
        frame()->angle = angle;
        frame()->invalidateMatrices();
        m_view->apply();
        QCOMPARE(m_view->design().history().count(), 1);
        // One pixel per document pixel, whatever the page's detail.
        LM_COMPARE_GOLDEN(m_view->design().pagePart(QRect(90, 90, 121, 121)).scaled(121, 121),
                          QStringLiteral("tst_shapes_%1_%2").arg(tool).arg(angle));
    }

    void whatCommits_data()
    {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QPoint>("to"); // dragged from (120, 125)
        QTest::addColumn<int>("key");   // pressed before the item is applied
        QTest::addColumn<int>("steps");
        QTest::newRow("1 x 1 commits nothing") << "rectangle" << QPoint(120, 125) << 0 << 0;
        QTest::newRow("2 x 1 commits") << "rectangle" << QPoint(121, 125) << 0 << 1;
        QTest::newRow("Delete drops a live shape")
            << "rectangle" << QPoint(220, 225) << int(Qt::Key_Delete) << 0;
        QTest::newRow("a click with the line tool commits nothing")
            << "line" << QPoint(120, 125) << 0 << 0;
        QTest::newRow("a line one pixel long commits") << "line" << QPoint(121, 125) << 0 << 1;
    }

    void whatCommits()
    {
        QFETCH(QString, tool);
        QFETCH(QPoint, to);
        QFETCH(int, key);
        QFETCH(int, steps);
        m_view->setHandlerByName(tool);
        drag(QPoint(120, 125), to, 1);
        if (key)
            this->tool()->onKeyPress(key, QString());
        m_view->apply();
        QCOMPARE(m_view->design().history().count(), steps);
    }

private:
    // On whichever tool the canvas has.
    void press(const QPoint &p) { tool()->onMousePress(p, m_view->toDocument(p)); }
    void move(const QPoint &p) { tool()->onMouseMove(p, m_view->toDocument(p)); }
    void release(const QPoint &p) { tool()->onMouseRelease(p, m_view->toDocument(p)); }
    LMScreenMsgHandlerInf *tool() const { return m_view->currentHandler(); }
    void drag(const QPoint &from, const QPoint &to, int steps = 4);
    void useTool(const QString &name)
    {
        m_tool = m_view->findChild<LMScreenMsgHandlerShape *>(name);
        QVERIFY(m_tool);
        m_view->setHandler(m_tool);
    }
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

void TestShapes::drag(const QPoint &from, const QPoint &to, int steps)
{
    press(from);
    for (int i = 1; i <= steps; ++i)
        move(from + (to - from) * i / steps);
    release(to);
}

QTEST_MAIN(TestShapes)

#include "tst_shapes.moc"
