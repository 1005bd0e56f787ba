#include "canvas/LMViewFlags.h"

#include <QTest>

#include <functional>

using Setter = std::function<void(LMViewFlags &)>;
Q_DECLARE_METATYPE(Setter)

class TestViewFlags : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void eachFieldLandsOnItsBits_data();
    void eachFieldLandsOnItsBits();
    void startState();
    void fieldsDoNotSpillIntoNeighbours();
    void rotationIsSigned_data();
    void rotationIsSigned();
    void bytesRoundTrip();
    void fromBytesNeedsExactlyTwelve();
};

// Each row sets one field on a clear block and names the 12 bytes expected.
void TestViewFlags::eachFieldLandsOnItsBits_data()
{
    QTest::addColumn<Setter>("set");
    QTest::addColumn<QByteArray>("hex");
    auto row = [](const char *name, Setter s, const char *hex) {
        QTest::newRow(name) << s << QByteArray(hex);
    };
    row(
        "frameEffectOn", [](LMViewFlags &f) { f.setFrameEffectOn(true); },
        "010000000000000000000000");
    row(
        "clipToOutline", [](LMViewFlags &f) { f.setClipToOutline(true); },
        "020000000000000000000000");
    row(
        "frameTextOn", [](LMViewFlags &f) { f.setFrameTextOn(true); }, "040000000000000000000000");
    row(
        "outlineEditing", [](LMViewFlags &f) { f.setOutlineEditing(true); },
        "080000000000000000000000");
    row(
        "frameToolActive", [](LMViewFlags &f) { f.setFrameToolActive(true); },
        "100000000000000000000000");
    row(
        "marginToolActive", [](LMViewFlags &f) { f.setMarginToolActive(true); },
        "200000000000000000000000");
    row(
        "stripMode", [](LMViewFlags &f) { f.setStripMode(true); }, "400000000000000000000000");
    row(
        "landscape", [](LMViewFlags &f) { f.setLandscape(true); }, "800000000000000000000000");
    row(
        "outlineRotation 1", [](LMViewFlags &f) { f.setOutlineRotation(1); },
        "000100000000000000000000");
    row(
        "outlineRotation 180", [](LMViewFlags &f) { f.setOutlineRotation(180); },
        "00b400000000000000000000");
    row(
        "outlineRotation -1", [](LMViewFlags &f) { f.setOutlineRotation(-1); },
        "00ff07000000000000000000");
    row(
        "outputRendering", [](LMViewFlags &f) { f.setOutputRendering(true); },
        "000008000000000000000000");
    row(
        "paperId 28", [](LMViewFlags &f) { f.setPaperId(28); }, "000000001c00000000000000");
    row(
        "paperId -2", [](LMViewFlags &f) { f.setPaperId(-2); }, "00000000feff000000000000");
    row(
        "modified", [](LMViewFlags &f) { f.setModified(true); }, "000000000000010000000000");
    row(
        "frameStage 15", [](LMViewFlags &f) { f.setFrameStage(15); }, "0000000000001e0000000000");
    row(
        "frameIndex 31", [](LMViewFlags &f) { f.setFrameIndex(31); }, "000000000000e00300000000");
    row(
        "stripCount 31", [](LMViewFlags &f) { f.setStripCount(31); }, "000000000000007c00000000");
    row(
        "outsidePrintable", [](LMViewFlags &f) { f.setOutsidePrintable(true); },
        "000000000000008000000000");
    row(
        "useHeight", [](LMViewFlags &f) { f.setUseHeight(true); }, "000000000000000001000000");
    row(
        "stripType", [](LMViewFlags &f) { f.setStripType(true); }, "000000000000000002000000");
    row(
        "expandToSides", [](LMViewFlags &f) { f.setExpandToSides(true); },
        "000000000000000004000000");
    row(
        "textureTiled", [](LMViewFlags &f) { f.setTextureTiled(true); },
        "000000000000000008000000");
    row(
        "textureScale 100", [](LMViewFlags &f) { f.setTextureScale(100); },
        "000000000000000040060000");
    row(
        "textureScale 255", [](LMViewFlags &f) { f.setTextureScale(255); },
        "0000000000000000f00f0000");
}

void TestViewFlags::eachFieldLandsOnItsBits()
{
    QFETCH(Setter, set);
    QFETCH(QByteArray, hex);
    LMViewFlags flags;
    set(flags);
    QCOMPARE(flags.toBytes().toHex(), hex);
}

void TestViewFlags::startState()
{
    const LMViewFlags flags = LMViewFlags::atStart();
    QCOMPARE(flags.toBytes().toHex(), QByteArray("000000000000200400000000"));
    QCOMPARE(flags.frameIndex(), 1);
    QCOMPARE(flags.stripCount(), 1);
    QVERIFY(!flags.modified());
}

// Full-width values written next to each other must read back unchanged.
void TestViewFlags::fieldsDoNotSpillIntoNeighbours()
{
    LMViewFlags f;
    f.setStripMode(true);
    f.setOutlineRotation(-1024);
    f.setOutputRendering(false);
    f.setFrameStage(15);
    f.setFrameIndex(0);
    f.setStripCount(31);
    f.setTextureScale(255);
    f.setTextureTiled(false);
    QCOMPARE(f.outlineRotation(), -1024);
    QVERIFY(f.stripMode());
    QVERIFY(!f.landscape());
    QVERIFY(!f.outputRendering());
    QCOMPARE(f.frameStage(), 15);
    QCOMPARE(f.frameIndex(), 0);
    QVERIFY(!f.modified());
    QCOMPARE(f.stripCount(), 31);
    QVERIFY(!f.outsidePrintable());
    QCOMPARE(f.textureScale(), 255);
    QVERIFY(!f.textureTiled());
    f.setFrameStage(16); // too wide: only the field's own bits are kept
    QCOMPARE(f.frameStage(), 0);
    QVERIFY(!f.modified());
    QCOMPARE(f.frameIndex(), 0);
}

void TestViewFlags::rotationIsSigned_data()
{
    QTest::addColumn<int>("set");
    QTest::addColumn<int>("read");
    QTest::newRow("zero") << 0 << 0;
    QTest::newRow("positive") << 90 << 90;
    QTest::newRow("negative") << -180 << -180;
    QTest::newRow("largest") << 1023 << 1023;
    QTest::newRow("smallest") << -1024 << -1024;
    QTest::newRow("wraps like the stored field") << 1024 << -1024;
}

void TestViewFlags::rotationIsSigned()
{
    QFETCH(int, set);
    QFETCH(int, read);
    LMViewFlags f;
    f.setLandscape(true);
    f.setOutputRendering(true);
    f.setOutlineRotation(set);
    QCOMPARE(f.outlineRotation(), read);
    QVERIFY(f.landscape());
    QVERIFY(f.outputRendering());
}

void TestViewFlags::bytesRoundTrip()
{
    const QByteArray stored = QByteArray::fromHex("a5 5a 08 00 1c 00 ff 7f 3f 0f 34 12");
    const std::optional<LMViewFlags> flags = LMViewFlags::fromBytes(stored);
    QVERIFY(flags.has_value());
    QCOMPARE(flags->toBytes(), stored); // reserved bits are kept as read
    QCOMPARE(flags->paperId(), qint16(28));
    QCOMPARE(flags->outlineRotation(), 90);
}

void TestViewFlags::fromBytesNeedsExactlyTwelve()
{
    QVERIFY(!LMViewFlags::fromBytes(QByteArray(11, '\0')).has_value());
    QVERIFY(!LMViewFlags::fromBytes(QByteArray(13, '\0')).has_value());
    QVERIFY(LMViewFlags::fromBytes(QByteArray(12, '\0')).has_value());
}

QTEST_GUILESS_MAIN(TestViewFlags)
#include "tst_viewflags.moc"
