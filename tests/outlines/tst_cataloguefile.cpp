#include "model/outlines/LMCatalogueFile.h"

#include <QBuffer>
#include <QTest>
#include <QtEndian>

namespace {
// Bytes written by hand from the file layout.
QByteArray le(qint32 v)
{
    QByteArray b(4, '\0');
    qToLittleEndian(v, b.data());
    return b;
}
QByteArray be(qint32 v)
{
    QByteArray b(4, '\0');
    qToBigEndian(v, b.data());
    return b;
}
QByteArray bed(double v)
{
    QByteArray b(8, '\0');
    qToBigEndian(v, b.data());
    return b;
}
QByteArray element(int type, double x, double y)
{
    return be(type) + bed(x) + bed(y);
}
// A header for outlines that follow it directly, given their bodies.
QByteArray file(const QList<QByteArray> &outlines, qint32 width = 10, qint32 height = 20)
{
    QByteArray bytes = le(qint32(outlines.size())) + le(width) + le(height);
    qint32 at = 12 + 4 * qint32(outlines.size());
    for (const QByteArray &o : outlines) {
        bytes += le(at);
        at += qint32(o.size());
    }
    for (const QByteArray &o : outlines)
        bytes += o;
    return bytes;
}
const QByteArray square = be(5) + element(0, -5, -5) + element(1, 5, -5) + element(1, 5, 5) +
                          element(1, -5, 5) + element(1, -5, -5) + be(0) + be(0);
const QByteArray emptyPath = be(0) + be(0) + be(0);

QList<QPainterPath> read(const QByteArray &bytes, int index, int *count = nullptr)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    const std::optional<LMCatalogueFile::Header> header = LMCatalogueFile::readHeader(buffer);
    if (count)
        *count = header ? header->count : -1;
    return header ? LMCatalogueFile::readOutline(buffer, *header, index) : QList<QPainterPath>();
}
} // namespace

class TestCatalogueFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void wellFormed();
    void damaged_data();
    void damaged();
    void curvesAreKept();
    void writerRoundTrip();
};

void TestCatalogueFile::wellFormed()
{
    int count = 0;
    const QList<QPainterPath> paths = read(file({le(2) + square + emptyPath}), 0, &count);
    QCOMPARE(count, 1);
    QCOMPARE(paths.size(), 2);
    QCOMPARE(paths[0].boundingRect(), QRectF(-5, -5, 10, 10));
    QVERIFY(paths[1].isEmpty());
    // A catalogue without outlines is well formed too.
    QVERIFY(read(file({}), 0, &count).isEmpty());
    QCOMPARE(count, 0);
}

void TestCatalogueFile::damaged_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("index");
    const QByteArray good = file({le(1) + square});
    QTest::newRow("shorter than a header") << QByteArray("\x01\x00\x00", 3) << 0;
    QTest::newRow("more outlines than offsets fit") << (le(1000000) + le(1) + le(1)) << 0;
    QTest::newRow("negative outline count") << (le(-1) + le(1) + le(1)) << 0;
    QTest::newRow("offset past the end") << (le(1) + le(1) + le(1) + le(9999)) << 0;
    QTest::newRow("offset into the header")
        << (le(1) + le(1) + le(1) + le(4) + le(1) + square) << 0;
    QTest::newRow("truncated in the elements") << good.left(good.size() - 30) << 0;
    QTest::newRow("truncated before the fill rule") << good.left(good.size() - 2) << 0;
    QTest::newRow("absurd element count") << file({le(1) + be(0x7fffffff) + element(0, 1, 1)}) << 0;
    QTest::newRow("negative element count") << file({le(1) + be(-3) + be(0) + be(0)}) << 0;
    QTest::newRow("absurd path count") << file({le(0x40000000) + square}) << 0;
    QTest::newRow("negative path count") << file({le(-2) + square}) << 0;
    QTest::newRow("unknown element type")
        << file({le(1) + be(2) + element(0, 0, 0) + element(7, 1, 1) + be(0) + be(0)}) << 0;
    QTest::newRow("line before any move")
        << file({le(1) + be(1) + element(1, 1, 1) + be(0) + be(0)}) << 0;
    QTest::newRow("curve without its control points")
        << file({le(1) + be(2) + element(0, 0, 0) + element(2, 1, 1) + be(0) + be(0)}) << 0;
    QTest::newRow("not a number") << file({le(1) + be(2) + element(0, 0, 0) +
                                           element(1, qQNaN(), 1) + be(0) + be(0)})
                                  << 0;
    QTest::newRow("index past the outlines") << good << 1;
    QTest::newRow("negative index") << good << -1;
}

// A damaged outline reads as empty: never a crash, never a huge allocation.
void TestCatalogueFile::damaged()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, index);
    QVERIFY(read(bytes, index).isEmpty());
}

void TestCatalogueFile::curvesAreKept()
{
    const QByteArray curve = be(4) + element(0, 0, 0) + element(2, 10, 0) + element(3, 10, 10) +
                             element(3, 0, 10) + be(0) + be(1);
    const QList<QPainterPath> paths = read(file({le(1) + curve}), 0);
    QCOMPARE(paths.size(), 1);
    QCOMPARE(paths[0].elementCount(), 4);
    QCOMPARE(paths[0].elementAt(1).type, QPainterPath::CurveToElement);
    QCOMPARE(paths[0].fillRule(), Qt::WindingFill);
}

void TestCatalogueFile::writerRoundTrip()
{
    QPainterPath wide;
    wide.addRect(-30, -5, 60, 10);
    QPainterPath tall;
    tall.addEllipse(QPointF(0, 0), 7, 21);
    const QByteArray bytes = LMCatalogueFile::write({{wide, QPainterPath()}, {tall}});
    QCOMPARE(bytes.left(12), le(2) + le(60) + le(42)); // the largest width and height
    QCOMPARE(read(bytes, 0).first(), wide);
    QCOMPARE(read(bytes, 1).first(), tall);
    QVERIFY(read(bytes, 0).at(1).isEmpty());
}

QTEST_GUILESS_MAIN(TestCatalogueFile)
#include "tst_cataloguefile.moc"
