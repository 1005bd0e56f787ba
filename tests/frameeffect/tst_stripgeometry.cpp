#include "model/frame/LMStripGeometry.h"

#include <QTest>

// The foam strips' measures and where the sheet puts its bands and lines.
class TestStripGeometry : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void bands_data();
    void bands();
    void noBandOnATinyPage();
    void sheetArea_data();
    void sheetArea();
};

void TestStripGeometry::bands_data()
{
    QTest::addColumn<bool>("thin");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("sides");
    QTest::addColumn<int>("height");
    QTest::addColumn<QList<int>>("lines");   // cut lines across the band at top 0
    QTest::addColumn<QList<int>>("centres"); // the strips' text rows
    QTest::newRow("thick, 3, sides")
        << false << 3 << true << 162 << QList<int>{27, 135, 63, 99} << QList<int>{45, 81, 117};
    QTest::newRow("thick, 2") << false << 2 << false << 72 << QList<int>{36} << QList<int>{18, 54};
    QTest::newRow("thick, 1, sides")
        << false << 1 << true << 90 << QList<int>{27, 63} << QList<int>{45};
    QTest::newRow("thin, 1") << true << 1 << false << 12 << QList<int>{} << QList<int>{6};
    QTest::newRow("thin, 3, sides")
        << true << 3 << true << 60 << QList<int>{12, 48, 24, 36} << QList<int>{18, 30, 42};
}

void TestStripGeometry::bands()
{
    QFETCH(bool, thin);
    QFETCH(int, count);
    QFETCH(bool, sides);
    QFETCH(int, height);
    QFETCH(QList<int>, lines);
    QFETCH(QList<int>, centres);
    LMStripGeometry g;
    g.thin = thin;
    g.count = count;
    g.sides = sides;
    QCOMPARE(g.bandHeight(), height);
    QCOMPARE(g.bandPitch(), height + 15);
    QCOMPARE(g.sideLines(0) + g.separators(0), lines);
    QCOMPARE(g.stripCentres(0), centres);
    // Bands one pitch apart, all inside the area with 3 pixels to spare.
    const QRect area(0, 0, 900, 600);
    const QList<int> tops = g.bandTops(area);
    QVERIFY(!tops.isEmpty());
    QCOMPARE(tops.first(), 3);
    for (int i = 1; i < tops.size(); ++i)
        QCOMPARE(tops[i] - tops[i - 1], g.bandPitch());
    QVERIFY(tops.last() + height < area.bottom() - 3);
    QVERIFY(tops.last() + g.bandPitch() + height >= area.bottom() - 3);
}

void TestStripGeometry::noBandOnATinyPage()
{
    LMStripGeometry g;
    g.count = 3;
    g.sides = true;
    QVERIFY(g.bandTops(QRect(0, 0, 500, 160)).isEmpty());
    QCOMPARE(g.bandTops(QRect(0, 0, 500, 170)).size(), 1);
}

void TestStripGeometry::sheetArea_data()
{
    QTest::addColumn<bool>("landscape");
    QTest::addColumn<QRect>("printable"); // on a 300 x 200 or 200 x 300 page
    QTest::addColumn<QRect>("area");
    // Margins of 1, 2, 3 and 4 mm (top, left, bottom, right): each edge
    // keeps its own, the bottom one too.
    QTest::newRow("landscape: the page itself")
        << true << QRect(QPoint(6, 3), QPoint(299 - 12, 199 - 9))
        << QRect(QPoint(6, 3), QPoint(287, 190));
    QTest::newRow("portrait: turned a quarter")
        << false << QRect(QPoint(6, 3), QPoint(199 - 12, 299 - 9))
        << QRect(QPoint(9, 6), QPoint(296, 187));
}

void TestStripGeometry::sheetArea()
{
    QFETCH(bool, landscape);
    QFETCH(QRect, printable);
    QFETCH(QRect, area);
    const QSize page = landscape ? QSize(300, 200) : QSize(200, 300);
    QCOMPARE(LMStripGeometry::sheetArea(page, landscape, printable), area);
    if (!landscape) {
        // The turn maps the area back onto exactly the printable pixels.
        const QTransform turn = QTransform().rotate(-90) * QTransform::fromTranslate(0, 300);
        const QRectF back =
            turn.mapRect(QRectF(area.left(), area.top(), area.width(), area.height()));
        QCOMPARE(back.toRect(), printable);
    }
}

QTEST_GUILESS_MAIN(TestStripGeometry)
#include "tst_stripgeometry.moc"
