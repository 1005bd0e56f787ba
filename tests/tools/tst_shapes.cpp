#include "../common/MakeCanvas.h"
#include "../common/PagePixels.h"
#include "canvas/LMGraphView.h"
#include "model/LMDesign.h"
#include "tools/frame/LMGraphFuncShape.h"
#include "tools/frame/LMScreenMsgHandlerShape.h"

#include <QTest>

// Each shape kind committed into the page, checked by pixels.
class TestShapes : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void committedKinds_data();
    void committedKinds();
    void degenerateFrames_data();
    void degenerateFrames();
    void rotatedTriangleKeepsItsApexOnTheTopEdge();
    void deleteDropsALiveShape();

private:
    LMScreenMsgHandlerShape *tool(const char *name) const
    {
        return m_view->findChild<LMScreenMsgHandlerShape *>(QLatin1String(name));
    }
    void frameOn(LMScreenMsgHandlerShape *t, const QPoint &from, const QPoint &to)
    {
        t->onMousePress(from, m_view->toDocument(from));
        t->onMouseMove(to, m_view->toDocument(to));
        t->onMouseRelease(to, m_view->toDocument(to));
    }
    QColor at(int x, int y) const { return colourAt(m_view->rasterImage(), x, y); }

    LMGraphView *m_view = nullptr;
};

void TestShapes::init()
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
}

void TestShapes::cleanup()
{
    delete m_view;
}

using Probes = QList<QPair<QPoint, QColor>>;
Q_DECLARE_METATYPE(Probes)

void TestShapes::committedKinds_data()
{
    // The frame covers document (100, 100) to (200, 200); black pen of 3, red fill.
    QTest::addColumn<QString>("tool");
    QTest::addColumn<Probes>("probes");
    const QColor ink = Qt::black, fill = Qt::red, paper = Qt::white;
    QTest::newRow("rectangle") << "rectangle" << Probes{{{150, 150}, fill}, {{103, 103}, fill},
                                                        {{100, 150}, ink},  {{150, 200}, ink},
                                                        {{96, 150}, paper}, {{150, 204}, paper}};
    QTest::newRow("ellipse") << "ellipse"
                             << Probes{{{150, 150}, fill},
                                       {{100, 150}, ink},
                                       {{150, 100}, ink},
                                       {{105, 105}, paper},
                                       {{195, 195}, paper}};
    QTest::newRow("round rectangle") << "roundrectangle"
                                     << Probes{{{150, 150}, fill},
                                               {{100, 150}, ink},
                                               {{150, 100}, ink},
                                               {{101, 101}, paper},
                                               {{112, 112}, fill}};
    QTest::newRow("rhombus") << "rhombus"
                             << Probes{{{150, 150}, fill},
                                       {{150, 101}, ink},
                                       {{101, 150}, ink},
                                       {{115, 115}, paper},
                                       {{185, 185}, paper}};
    QTest::newRow("triangle") << "triangle"
                              << Probes{{{150, 170}, fill},
                                        {{150, 200}, ink},
                                        {{150, 102}, ink},
                                        {{110, 120}, paper},
                                        {{190, 120}, paper}};
    QTest::newRow("right triangle")
        << "righttriangle"
        << Probes{{{120, 180}, fill}, {{100, 150}, ink}, {{150, 200}, ink}, {{180, 120}, paper}};
}

void TestShapes::committedKinds()
{
    QFETCH(QString, tool);
    QFETCH(Probes, probes);
    auto *t = m_view->findChild<LMScreenMsgHandlerShape *>(tool);
    QVERIFY(t);
    m_view->setHandler(t);
    t->slot_widthCheckboxChanged(Qt::Checked);
    t->slot_fillcolorChanged(Qt::red);
    frameOn(t, QPoint(120, 125), QPoint(220, 225));
    m_view->apply();
    QCOMPARE(m_view->design().history().count(), 1);
    for (const auto &[p, colour] : probes) {
        const QColor c = at(p.x(), p.y());
        QVERIFY2(c == colour, qPrintable(QStringLiteral("(%1, %2) is %3, not %4")
                                             .arg(p.x())
                                             .arg(p.y())
                                             .arg(c.name(), colour.name())));
    }
}

void TestShapes::degenerateFrames_data()
{
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<int>("steps");
    QTest::newRow("1 x 1 commits nothing") << QPoint(120, 125) << 0;
    QTest::newRow("2 x 1 commits") << QPoint(121, 125) << 1;
}

void TestShapes::degenerateFrames()
{
    QFETCH(QPoint, to);
    QFETCH(int, steps);
    LMScreenMsgHandlerShape *t = tool("rectangle");
    m_view->setHandler(t);
    frameOn(t, QPoint(120, 125), to);
    m_view->apply();
    QCOMPARE(m_view->design().history().count(), steps);
}

void TestShapes::rotatedTriangleKeepsItsApexOnTheTopEdge()
{
    LMScreenMsgHandlerShape *t = tool("triangle");
    m_view->setHandler(t);
    frameOn(t, QPoint(120, 125), QPoint(220, 225));
    auto *shape = dynamic_cast<LMGraphFuncShape *>(m_view->lastLiveItem());
    shape->angle = 90; // a quarter turn clockwise: the top edge is now on the right
    shape->invalidateMatrices();
    m_view->apply();
    QVERIFY(qGray(at(198, 150).rgb()) < 100);  // the apex
    QCOMPARE(at(100, 150), QColor(Qt::black)); // the base, now upright on the left
    QCOMPARE(at(150, 103), QColor(Qt::white)); // where the apex was
}

void TestShapes::deleteDropsALiveShape()
{
    LMScreenMsgHandlerShape *t = tool("ellipse");
    m_view->setHandler(t);
    frameOn(t, QPoint(120, 125), QPoint(220, 225));
    t->onKeyPress(Qt::Key_Delete, QString());
    QVERIFY(m_view->liveItems().isEmpty());
    QCOMPARE(m_view->design().history().count(), 0);
    QCOMPARE(at(100, 150), QColor(Qt::white));
}

QTEST_MAIN(TestShapes)
#include "tst_shapes.moc"
