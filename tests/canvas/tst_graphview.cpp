#include "../common/Golden.h"
#include "../common/MakeCanvas.h"
#include "../common/ModalAnswer.h"
#include "../common/PagePixels.h"
#include "app/LMResources.h"
#include "app/QVTLanguageManager.h"
#include "canvas/LMGraphView.h"
#include "tools/LMGraphFuncInf.h"
#include "tools/LMScreenMsgHandlerInf.h"

#include <QMenu>
#include <QPainter>
#include <QTest>

namespace {
// A tool that writes down what the canvas tells it.
class ProbeTool : public LMScreenMsgHandlerInf {
public:
    explicit ProbeTool(LMGraphView *view, const QString &name)
        : LMScreenMsgHandlerInf(view->toolEnvironment())
    {
        setObjectName(name);
    }
    QStringList calls;
    QPoint lastWidget, lastDoc;

    void onMousePress(const QPoint &w, const QPoint &d) override { record("press", w, d); }
    void onMouseRelease(const QPoint &w, const QPoint &d) override { record("release", w, d); }
    void onMouseMove(const QPoint &w, const QPoint &d) override { record("move", w, d); }
    void onActivate() override { calls << QStringLiteral("activate %1").arg(isActive()); }
    void onDeactivate() override { calls << QStringLiteral("deactivate %1").arg(isActive()); }
    void onKeyPress(int key, const QString &text) override
    {
        calls << QStringLiteral("key %1 %2").arg(key).arg(text);
    }

private:
    void record(const char *what, const QPoint &w, const QPoint &d)
    {
        calls << QLatin1String(what);
        lastWidget = w;
        lastDoc = d;
    }
};

// A live item that fills a widget rectangle with blue.
class BlueBox : public LMGraphFuncInf {
public:
    void paintPreview(QPainter *painter, LMToolEnvironment *) override
    {
        painter->fillRect(QRect(300, 200, 10, 10), Qt::blue);
    }
};
} // namespace

class TestGraphView : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        lmInitResources();
        m_lan = new QVTLanguageManager(this);
    }

    void init()
    {
        m_view = makeCanvas();
        m_view->setPage(837, 648, 1.0);
        m_view->design().setModified(false);
    }

    void cleanup()
    {
        delete m_view;
        m_view = nullptr;
    }

    // Switching tools, then pointer and keys reach only the current tool, with
    // both positions; a right click opens the menu instead.
    void eventsReachTheCurrentTool()
    {
        QCOMPARE(m_view->currentHandler()->objectName(), QStringLiteral("basic"));
        QVERIFY(m_view->currentHandler()->isActive());
        QCOMPARE(m_view->cursor().shape(), Qt::OpenHandCursor);
        auto *a = new ProbeTool(m_view, QStringLiteral("a"));
        auto *probe = new ProbeTool(m_view, QStringLiteral("probe"));
        m_view->setHandlerByName(QStringLiteral("a"));
        m_view->setHandlerByName(QStringLiteral("a"));      // already current: nothing
        m_view->setHandlerByName(QStringLiteral("nobody")); // no such tool: nothing
        QCOMPARE(a->calls, QStringList{"activate 1"});
        m_view->setHandlerByName(QStringLiteral("probe"));
        QCOMPARE(a->calls, (QStringList{"activate 1", "deactivate 0"}));
        QVERIFY(!a->isActive());
        QCOMPARE(m_view->currentHandler(), probe);
        QCOMPARE(probe->calls, QStringList{"activate 1"});
        m_view->setPage(837, 648, 0.5); // the tool is refreshed on a page change
        QCOMPARE(probe->calls.mid(1), (QStringList{"deactivate 1", "activate 1"}));
        probe->calls.clear();

        QTest::mousePress(m_view, Qt::LeftButton, {}, QPoint(70, 75));
        QCOMPARE(probe->lastWidget, QPoint(70, 75));
        QCOMPARE(probe->lastDoc, QPoint(120, 125));
        QTest::mouseMove(m_view, QPoint(9, 12));
        QCOMPARE(probe->lastDoc, QPoint(-2, -1)); // outside the page, still passed on
        QTest::mouseRelease(m_view, Qt::LeftButton, {}, QPoint(11, 13));
        QCOMPARE(probe->lastDoc, QPoint(2, 1));
        QTest::mouseRelease(m_view, Qt::MiddleButton, {}, QPoint(11, 13));
        QTest::mousePress(m_view, Qt::MiddleButton, {}, QPoint(11, 13));
        QTest::keyClick(m_view, Qt::Key_A, {}, 10);
        QCOMPARE(probe->calls, (QStringList{"press", "move", "release", "key 65 a"}));

        probe->calls.clear();
        m_view->show();
        QStringList seen;
        answerNextPopup<QMenu>([&seen](QMenu *menu) {
            for (QAction *action : menu->actions())
                seen << action->text();
            menu->close();
        });
        QTest::mousePress(m_view, Qt::RightButton, {}, QPoint(100, 100));
        QCOMPARE(seen.size(), 2);
        QVERIFY(probe->calls.isEmpty());
    }

    // The page, a live item, the page's border and the dotted margin guide; after
    // a zoom change the page is scaled for the new zoom, not kept from the last.
    void paintsPageItemsAndGuideAtEachZoom()
    {
        m_view->setPage(837, 648, 0.5);
        m_view->design().paintPage([](QPainter &painter) {
            painter.fillRect(QRect(100, 100, 100, 100), Qt::red);
            return true;
        });
        m_view->addLiveItem(new BlueBox);
        LM_COMPARE_GOLDEN(m_view->grab().toImage(), QStringLiteral("tst_graphview_half"));
        m_view->setPage(837, 648, 0.4);
        LM_COMPARE_GOLDEN(m_view->grab().toImage(), QStringLiteral("tst_graphview_zoomed_out"));
    }

private:
    QVTLanguageManager *m_lan = nullptr;
    LMGraphView *m_view = nullptr;
};

QTEST_MAIN(TestGraphView)

#include "tst_graphview.moc"
