#include "../common/Golden.h"
#include "../common/MakeCanvas.h"
#include "../common/ModalAnswer.h"
#include "../common/PagePixels.h"
#include "app/LMResources.h"
#include "app/QVTLanguageManager.h"
#include "canvas/LMGraphView.h"
#include "model/LMTransformCache.h"
#include "tools/LMGraphFuncInf.h"
#include "tools/LMScreenMsgHandlerInf.h"

#include <QApplication>
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

bool near(const QPointF &a, const QPointF &b)
{
    return qAbs(a.x() - b.x()) < 1e-9 && qAbs(a.y() - b.y()) < 1e-9;
}

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

    void widgetSize_data()
    {
        QTest::addColumn<QSize>("page");
        QTest::addColumn<double>("zoom");
        QTest::addColumn<QSize>("widget");
        QTest::newRow("Letter landscape at 50%") << QSize(837, 648) << 0.5 << QSize(438, 349);
        QTest::newRow("Letter landscape at 100%") << QSize(837, 648) << 1.0 << QSize(877, 698);
        QTest::newRow("A0 portrait at 20%") << QSize(2523, 3567) << 0.2 << QSize(512, 723);
    }

    void widgetSize()
    {
        QFETCH(QSize, page);
        QFETCH(double, zoom);
        QFETCH(QSize, widget);
        m_view->setPage(page.width(), page.height(), zoom);
        QCOMPARE(m_view->size(), widget);
        QCOMPARE(m_view->minimumSize(), widget);
        QCOMPARE(m_view->maximumSize(), widget);
        QCOMPARE(m_view->paperRect(),
                 QRectF(20 * zoom, 25 * zoom, page.width() * zoom, page.height() * zoom));
    }

    void setPageKeepsCropsAndExtends()
    {
        m_view->design().paintPage([](QPainter &painter) {
            painter.fillRect(5, 5, 1, 1, Qt::red);
            painter.fillRect(800, 600, 1, 1, Qt::red);
            return true;
        });
        m_view->design().setModified(false);

        const LMDesign &design = m_view->design();
        m_view->setPage(837, 648, 0.4); // zoom only
        QCOMPARE(colourAt(m_view->rasterImage(), 5, 5), QColor(Qt::red));
        QCOMPARE(colourAt(m_view->rasterImage(), 800, 600), QColor(Qt::red));
        QVERIFY(!m_view->design().isModified()); // only a size change marks the design

        m_view->setPage(444, 630, 0.4); // smaller: cropped at the right and bottom
        QVERIFY(m_view->design().isModified());
        QCOMPARE(design.pageSize(), QSize(444, 630));
        QCOMPARE(m_view->rasterImage().size(), design.pageSize() * design.detail());
        QCOMPARE(colourAt(m_view->rasterImage(), 5, 5), QColor(Qt::red));

        m_view->setPage(837, 648, 1.0); // larger again: extended with white
        QCOMPARE(design.pageSize(), QSize(837, 648));
        QCOMPARE(m_view->rasterImage().size(), design.pageSize() * design.detail());
        QCOMPARE(colourAt(m_view->rasterImage(), 5, 5), QColor(Qt::red));
        QCOMPARE(colourAt(m_view->rasterImage(), 800, 600), QColor(Qt::white));
        QCOMPARE(colourAt(m_view->rasterImage(), 836, 647), QColor(Qt::white));
    }

    void printableRect_data()
    {
        QTest::addColumn<QList<double>>("margins"); // left, top, right, bottom
        QTest::addColumn<QRect>("expected");
        QTest::newRow("ten millimetres")
            << QList<double>{10, 10, 10, 10} << QRect(QPoint(30, 30), QPoint(806, 617));
        QTest::newRow("none") << QList<double>{0, 0, 0, 0} << QRect(0, 0, 837, 648);
        QTest::newRow("fractions truncate toward zero")
            << QList<double>{2.5, 1.1, 2.5, 1.1} << QRect(QPoint(7, 3), QPoint(829, 644));
    }

    void printableRect()
    {
        QFETCH(QList<double>, margins);
        QFETCH(QRect, expected);
        m_view->design().setMargins(margins[0], margins[1], margins[2], margins[3]);
        QCOMPARE(m_view->design().printableRect(), expected);
        const std::array<double, 4> &kept = m_view->design().margins(); // top, left, bottom, right
        QCOMPARE(QList<double>({kept[1], kept[0], kept[3], kept[2]}), margins);
        QVERIFY(!m_view->design().outsidePrintable()); // no outline placed yet
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

    void clearDocumentKeepsThePage()
    {
        LMDesign &design = m_view->design();
        design.setPaper(9, true, QSize(837, 648));
        design.setClipToOutline(true);
        design.setFrameLevel(3);
        design.setStripCount(2);
        design.paintPage([](QPainter &painter) {
            painter.fillRect(painter.window(), Qt::black);
            return true;
        });
        QVERIFY(design.isModified());
        m_view->clearDocument();
        QCOMPARE(colourAt(m_view->rasterImage(), 400, 300), QColor(Qt::white));
        QCOMPARE(design.pageSize(), QSize(837, 648));
        QCOMPARE(m_view->rasterImage().size(), design.pageSize() * design.detail());
        QVERIFY(design.landscape());
        QCOMPARE(design.paperId(), 9);
        QVERIFY(!design.clipToOutline());
        QVERIFY(!design.isModified());
        QCOMPARE(design.frameLevel(), 1);
        QCOMPARE(design.flags().stripCount(), 1);
    }

    void widgetToDocument_data()
    {
        QTest::addColumn<double>("zoom");
        QTest::addColumn<QPoint>("widget");
        QTest::addColumn<QPoint>("document");
        QTest::newRow("left of and above the page") << 1.0 << QPoint(19, 24) << QPoint(-1, -1);
        QTest::newRow("page corner at full zoom") << 1.0 << QPoint(20, 25) << QPoint(0, 0);
        QTest::newRow("page corner at 0.2") << 0.2 << QPoint(4, 5) << QPoint(0, 0);
        QTest::newRow("truncates toward zero") << 0.4 << QPoint(7, 9) << QPoint(-2, -2);
        QTest::newRow("0.6 truncates down inside") << 0.6 << QPoint(100, 100) << QPoint(146, 141);
    }

    void widgetToDocument()
    {
        QFETCH(double, zoom);
        QFETCH(QPoint, widget);
        QFETCH(QPoint, document);
        QCOMPARE(LMTransformCache::widgetToDocument(widget, zoom), document);
    }

    // The outline's matrices, each the inverse of its pair.
    void outlineMatrices()
    {
        LMTransformCache cache;
        LMTransformInputs in;
        in.outlineBounds = QRectF(0, 0, 100, 50); // centre (50, 25)
        in.outlineRotation = 90;
        const QTransform &rotation = cache.get(Matrix::OutlineRotation, in);
        QVERIFY(near(rotation.map(QPointF(50, 25)), QPointF(50, 25)));
        // Positive angles turn clockwise on screen (y grows downward).
        QVERIFY(near(rotation.map(QPointF(100, 25)), QPointF(50, 75)));
        QVERIFY(near(cache.get(Matrix::OutlineRotationInverse, in).map(QPointF(50, 75)),
                     QPointF(100, 25)));

        // Turned about its centre, moved to the offset, then zoomed onto the widget.
        cache.invalidate();
        in.outlineBounds = QRectF(-50, -20, 100, 40);
        in.outlineRotation = 180;
        in.outlineOffset = QPoint(300, 200);
        in.zoom = 0.5;
        const QPointF doc = cache.get(Matrix::OutlineToDoc, in).map(QPointF(50, 0));
        QVERIFY(near(doc, QPointF(250, 200)));
        const QPointF widget = cache.get(Matrix::OutlineToWidget, in).map(QPointF(50, 0));
        QVERIFY(near(widget, QPointF(135, 112.5)));
        QVERIFY(near(cache.get(Matrix::WidgetToOutline, in).map(widget), QPointF(50, 0)));
        QVERIFY(near(cache.get(Matrix::DocToOutline, in).map(doc), QPointF(50, 0)));
        QVERIFY(near(cache.get(Matrix::WidgetToDoc, in).map(widget), doc));
    }

private:
    QVTLanguageManager *m_lan = nullptr;
    LMGraphView *m_view = nullptr;
};

QTEST_MAIN(TestGraphView)

#include "tst_graphview.moc"
