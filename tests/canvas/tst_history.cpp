#include "model/LMHistory.h"

#include <QPainter>
#include <QTest>

namespace {
QImage page(int w = 300, int h = 200)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

void dot(QImage &image, int x, int y, QColor c = Qt::black)
{
    QPainter p(&image);
    p.fillRect(x, y, 3, 3, c);
}
} // namespace

class TestHistory : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void snapshotsAreExact_data();
    void snapshotsAreExact();
    void unchangedTilesAreShared();
};

void TestHistory::snapshotsAreExact_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("whole tiles") << QSize(128, 192);
    QTest::newRow("partial edge tiles") << QSize(837, 648);
    QTest::newRow("smaller than a tile") << QSize(30, 20);
}

// Each step must give back exactly the page it recorded, whatever came after,
// until a new step replaces the ones undone.
void TestHistory::snapshotsAreExact()
{
    QFETCH(QSize, size);
    LMHistory history;
    QImage current = page(size.width(), size.height());
    QList<QImage> recorded;
    for (int i = 0; i < 6; ++i) {
        dot(current, (i * 37) % size.width(), (i * 53) % size.height(),
            QColor::fromHsv(i * 50, 200, 200));
        if (i == 3)
            current.fill(Qt::white); // a step back to a white page
        history.push(current);
        recorded << current.copy();
    }
    // The last pixel of a partial tile.
    current.setPixelColor(size.width() - 1, size.height() - 1, Qt::red);
    history.push(current);
    recorded << current.copy();
    // A step on the page turned, and back.
    for (const QSize other : {size.transposed(), size}) {
        current = page(other.width(), other.height());
        dot(current, other.width() - 3, other.height() - 3);
        history.push(current);
        recorded << current.copy();
    }
    for (int i = 0; i < recorded.size(); ++i)
        QCOMPARE(history.snapshot(i), recorded[i]);
    QVERIFY(history.snapshot(-1).isNull());
    QVERIFY(history.snapshot(recorded.size()).isNull());

    // A new step after two undos drops the two it went back over.
    history.stepBack();
    history.stepBack();
    dot(current, 1, 1, Qt::blue);
    history.push(current);
    QCOMPARE(history.index(), int(recorded.size()) - 2);
    QCOMPARE(history.count(), int(recorded.size()) - 1);
    QVERIFY(!history.canRedo());
    QCOMPARE(history.snapshot(history.index()), current);
}

void TestHistory::unchangedTilesAreShared()
{
    LMHistory history;
    QImage p = page(2523, 3567); // A0
    history.push(p);
    QCOMPARE(history.storedBytes(), qint64(0)); // white tiles cost nothing
    dot(p, 1000, 1000);
    history.push(p);
    const qint64 oneTile = qint64(LMHistory::TileSide) * LMHistory::TileSide * 4;
    QCOMPARE(history.storedBytes(), oneTile);
    dot(p, 62, 62); // straddles four tiles
    history.push(p);
    QCOMPARE(history.storedBytes(), 5 * oneTile);
}

QTEST_GUILESS_MAIN(TestHistory)
#include "tst_history.moc"
