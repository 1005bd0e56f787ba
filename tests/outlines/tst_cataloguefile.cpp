#include "app/LMResources.h"
#include "model/outlines/LMCatalogueFile.h"

#include <QBuffer>
#include <QTest>
#include <QtEndian>

#include <cmath>

namespace {
// Bytes written by hand from the file layout.
QByteArray le(qint32 v)
{
    QByteArray b(4, '\0');
    qToLittleEndian(v, b.data());
    return b;
}
// Counts and types are 32 bits, coordinates doubles.
template <typename T> QByteArray be(T v)
{
    QByteArray b(sizeof(T), '\0');
    qToBigEndian(v, b.data());
    return b;
}
QByteArray element(qint32 type, double x, double y)
{
    return be(type) + be(x) + be(y);
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
const QByteArray curve = be(4) + element(0, 0, 0) + element(2, 10, 0) + element(3, 10, 10) +
                         element(3, 0, 10) + be(0) + be(1);
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

const double Insets[] = {9, 18, 36, 72, 108};

struct Group {
    const char *id;
    int count, maxWidth, maxHeight;
};
const Group groups[] = {{"LS", 15, 837, 648}, {"HLS", 15, 648, 419},  {"CARD", 15, 267, 153},
                        {"XL", 3, 915, 762},  {"OTHER", 4, 459, 306}, {"POCKET", 4, 324, 420},
                        {"A4", 4, 891, 630},  {"HA4", 4, 630, 444}};
} // namespace

// The outline catalogue's file format, read from bytes written by hand, and
// the shipped catalogue against the rules it is made by.
class TestCatalogueFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { lmInitResources(); }

    void damaged_data()
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
        QTest::newRow("absurd element count")
            << file({le(1) + be(0x7fffffff) + element(0, 1, 1)}) << 0;
        QTest::newRow("negative element count") << file({le(1) + be(-3) + be(0) + be(0)}) << 0;
        QTest::newRow("absurd path count") << file({le(0x40000000) + square}) << 0;
        QTest::newRow("negative path count") << file({le(-2) + square}) << 0;
        QTest::newRow("unknown element type")
            << file({le(1) + be(2) + element(0, 0, 0) + element(7, 1, 1) + be(0) + be(0)}) << 0;
        QTest::newRow("line before any move")
            << file({le(1) + be(1) + element(1, 1, 1) + be(0) + be(0)}) << 0;
        QTest::newRow("curve without its control points")
            << file({le(1) + be(2) + element(0, 0, 0) + element(2, 1, 1) + be(0) + be(0)}) << 0;
        QTest::newRow("not a number")
            << file({le(1) + be(2) + element(0, 0, 0) + element(1, qQNaN(), 1) + be(0) + be(0)})
            << 0;
        QTest::newRow("index past the outlines") << good << 1;
        QTest::newRow("negative index") << good << -1;
    }

    // A damaged outline reads as empty: never a crash, never a huge allocation.
    void damaged()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, index);
        QVERIFY(read(bytes, index).isEmpty());
    }

    void writerRoundTrip()
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
};

QTEST_GUILESS_MAIN(TestCatalogueFile)

#include "tst_cataloguefile.moc"
