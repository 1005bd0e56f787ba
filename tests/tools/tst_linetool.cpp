#include "../common/MakeCanvas.h"
#include "canvas/LMGraphView.h"
#include "tools/LMPoint.h"
#include "tools/stroke/LMGraphFuncLine.h"
#include "tools/stroke/LMScreenMsgHandlerLine.h"

#include <QTest>

#include <memory>

class TestLineTool : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void nearLine_data();
    void nearLine();
};

void TestLineTool::nearLine_data()
{
    QTest::addColumn<QPoint>("p");
    QTest::addColumn<bool>("near");
    // The line runs from (100, 100) to (300, 100).
    QTest::newRow("on it") << QPoint(200, 100) << true;
    QTest::newRow("2 off the middle") << QPoint(200, 102) << true;
    QTest::newRow("coarse: 10 off the middle of a long line") << QPoint(200, 110) << true;
    QTest::newRow("20 off the middle") << QPoint(200, 120) << false;
    QTest::newRow("2 beyond the end") << QPoint(302, 100) << true;
    QTest::newRow("3 beyond the end is not under 3") << QPoint(303, 100) << false;
    QTest::newRow("far beyond the end") << QPoint(350, 100) << false;
    QTest::newRow("near the start, off the axis") << QPoint(98, 101) << true;
}

void TestLineTool::nearLine()
{
    QFETCH(QPoint, p);
    QFETCH(bool, near);
    const std::unique_ptr<LMGraphView> view(makeCanvas());
    auto *tool = view->findChild<LMScreenMsgHandlerLine *>(QStringLiteral("line"));
    QVERIFY(tool);
    QVERIFY(!tool->nearLine(p)); // a fresh line has no ends yet
    LMGraphFuncLine *line = tool->ensureEndpoints(QPoint(100, 100));
    line->points[1]->setPos(QPoint(300, 100));
    QCOMPARE(tool->nearLine(p), near);
}

QTEST_MAIN(TestLineTool)
#include "tst_linetool.moc"
