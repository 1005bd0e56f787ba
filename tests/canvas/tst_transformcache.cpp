#include "canvas/LMTransformCache.h"

#include <QTest>

class TestTransformCache : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void widgetToDocument_data();
    void widgetToDocument();
    void documentToWidgetAndBack();
    void outlineRotatesAboutItsCentre();
    void outlineToDocumentAndWidget();
    void cachedUntilInvalidated();
};

void TestTransformCache::widgetToDocument_data()
{
    QTest::addColumn<double>("zoom");
    QTest::addColumn<QPoint>("widget");
    QTest::addColumn<QPoint>("document");
    QTest::newRow("half zoom") << 0.5 << QPoint(70, 75) << QPoint(120, 125);
    QTest::newRow("left of and above the page") << 1.0 << QPoint(19, 24) << QPoint(-1, -1);
    QTest::newRow("page corner at full zoom") << 1.0 << QPoint(20, 25) << QPoint(0, 0);
    QTest::newRow("page corner at 0.2") << 0.2 << QPoint(4, 5) << QPoint(0, 0);
    QTest::newRow("half zoom inside") << 0.5 << QPoint(11, 13) << QPoint(2, 1);
    QTest::newRow("half zoom outside") << 0.5 << QPoint(9, 12) << QPoint(-2, -1);
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

void TestTransformCache::documentToWidgetAndBack()
{
    LMTransformCache cache;
    LMTransformInputs in;
    in.zoom = 0.5;
    QCOMPARE(cache.get(Matrix::DocToWidget, in).map(QPointF(0, 0)), QPointF(10, 12.5));
    QCOMPARE(cache.get(Matrix::DocToWidget, in).map(QPointF(100, 200)), QPointF(60, 112.5));
    QCOMPARE(cache.get(Matrix::WidgetToDoc, in).map(QPointF(60, 112.5)), QPointF(100, 200));
}

void TestTransformCache::outlineRotatesAboutItsCentre()
{
    LMTransformCache cache;
    LMTransformInputs in;
    in.outlineBounds = QRectF(0, 0, 100, 50); // centre (50, 25)
    in.outlineRotation = 90;
    const QTransform &m0 = cache.get(Matrix::OutlineRotation, in);
    QCOMPARE(m0.map(QPointF(50, 25)), QPointF(50, 25));
    // Positive angles turn clockwise on screen (y grows downward).
    const QPointF right = m0.map(QPointF(100, 25));
    QVERIFY(qAbs(right.x() - 50) < 1e-9 && qAbs(right.y() - 75) < 1e-9);
    const QPointF back = cache.get(Matrix::OutlineRotationInverse, in).map(right);
    QVERIFY(qAbs(back.x() - 100) < 1e-9 && qAbs(back.y() - 25) < 1e-9);
}

void TestTransformCache::outlineToDocumentAndWidget()
{
    LMTransformCache cache;
    LMTransformInputs in;
    in.outlineBounds = QRectF(-50, -20, 100, 40);
    in.outlineRotation = 180;
    in.outlineOffset = QPoint(300, 200);
    in.zoom = 0.5;
    const QPointF doc = cache.get(Matrix::OutlineToDoc, in).map(QPointF(50, 0));
    QVERIFY(qAbs(doc.x() - 250) < 1e-9 && qAbs(doc.y() - 200) < 1e-9);
    const QPointF widget = cache.get(Matrix::OutlineToWidget, in).map(QPointF(50, 0));
    QVERIFY(qAbs(widget.x() - 135) < 1e-9 && qAbs(widget.y() - 112.5) < 1e-9);
    const QPointF outline = cache.get(Matrix::WidgetToOutline, in).map(widget);
    QVERIFY(qAbs(outline.x() - 50) < 1e-9 && qAbs(outline.y()) < 1e-9);
    const QPointF outline7 = cache.get(Matrix::DocToOutline, in).map(doc);
    QVERIFY(qAbs(outline7.x() - 50) < 1e-9 && qAbs(outline7.y()) < 1e-9);
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
