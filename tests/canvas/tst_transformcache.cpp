#include "model/LMTransformCache.h"

#include <QTest>

namespace {
bool near(const QPointF &a, const QPointF &b)
{
    return qAbs(a.x() - b.x()) < 1e-9 && qAbs(a.y() - b.y()) < 1e-9;
}
} // namespace

class TestTransformCache : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void widgetToDocument_data();
    void widgetToDocument();
    void outlineMatrices();
    void cachedUntilInvalidated();
};

void TestTransformCache::widgetToDocument_data()
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

void TestTransformCache::widgetToDocument()
{
    QFETCH(double, zoom);
    QFETCH(QPoint, widget);
    QFETCH(QPoint, document);
    QCOMPARE(LMTransformCache::widgetToDocument(widget, zoom), document);
}

void TestTransformCache::outlineMatrices()
{
    LMTransformCache cache;
    LMTransformInputs in;
    in.outlineBounds = QRectF(0, 0, 100, 50); // centre (50, 25)
    in.outlineRotation = 90;
    const QTransform &rotation = cache.get(Matrix::OutlineRotation, in);
    QVERIFY(near(rotation.map(QPointF(50, 25)), QPointF(50, 25)));
    // Positive angles turn clockwise on screen (y grows downward).
    QVERIFY(near(rotation.map(QPointF(100, 25)), QPointF(50, 75)));
    QVERIFY(
        near(cache.get(Matrix::OutlineRotationInverse, in).map(QPointF(50, 75)), QPointF(100, 25)));

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

void TestTransformCache::cachedUntilInvalidated()
{
    LMTransformCache cache;
    LMTransformInputs in;
    in.zoom = 1.0;
    cache.get(Matrix::OutlineToWidget, in);
    QVERIFY(cache.isValid(Matrix::OutlineToWidget) && cache.isValid(Matrix::OutlineToDoc) &&
            cache.isValid(Matrix::DocToWidget) && cache.isValid(Matrix::OutlineRotation));
    QVERIFY(!cache.isValid(Matrix::WidgetToDoc));
    in.zoom = 0.5; // not seen until the cache is invalidated
    QCOMPARE(cache.get(Matrix::DocToWidget, in).m11(), 1.0);
    cache.invalidate();
    for (int i = 0; i < LMTransformCache::Count; ++i)
        QVERIFY(!cache.isValid(Matrix::Id(i)));
    QCOMPARE(cache.get(Matrix::DocToWidget, in).m11(), 0.5);
    QCOMPARE(cache.get(Matrix::Count, in), QTransform());
}

QTEST_GUILESS_MAIN(TestTransformCache)
#include "tst_transformcache.moc"
