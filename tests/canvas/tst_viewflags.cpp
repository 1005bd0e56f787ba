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
    void bytesRoundTrip();
    void fromBytesNeedsExactlyTwelve();
};

// Each row sets one field on a clear block and names the 12 bytes expected.
void TestViewFlags::eachFieldLandsOnItsBits_data()
{
    QTest::addColumn<Setter>("set");
    QTest::addColumn<QByteArray>("hex");
    const struct {
        const char *name;
        Setter set;
        const char *hex;
    } rows[] = {
#define FIELD(setter, value) #setter " " #value, [](LMViewFlags &f) { f.setter(value); }
        {FIELD(setFrameEffectOn, true), "010000000000000000000000"},
        {FIELD(setClipToOutline, true), "020000000000000000000000"},
        {FIELD(setFrameTextOn, true), "040000000000000000000000"},
        {FIELD(setOutlineEditing, true), "080000000000000000000000"},
        {FIELD(setFrameToolActive, true), "100000000000000000000000"},
        {FIELD(setMarginToolActive, true), "200000000000000000000000"},
        {FIELD(setStripMode, true), "400000000000000000000000"},
        {FIELD(setLandscape, true), "800000000000000000000000"},
        {FIELD(setOutlineRotation, 1), "000100000000000000000000"},
        {FIELD(setOutlineRotation, 180), "00b400000000000000000000"},
        {FIELD(setOutlineRotation, -1), "00ff07000000000000000000"},
        {FIELD(setOutputRendering, true), "000008000000000000000000"},
        {FIELD(setPaperId, 28), "000000001c00000000000000"},
        {FIELD(setPaperId, -2), "00000000feff000000000000"},
        {FIELD(setModified, true), "000000000000010000000000"},
        {FIELD(setFrameStage, 15), "0000000000001e0000000000"},
        {FIELD(setFrameIndex, 31), "000000000000e00300000000"},
        {FIELD(setStripCount, 31), "000000000000007c00000000"},
        {FIELD(setOutsidePrintable, true), "000000000000008000000000"},
        {FIELD(setUseHeight, true), "000000000000000001000000"},
        {FIELD(setStripType, true), "000000000000000002000000"},
        {FIELD(setExpandToSides, true), "000000000000000004000000"},
        {FIELD(setTextureTiled, true), "000000000000000008000000"},
        {FIELD(setTextureScale, 100), "000000000000000040060000"},
        {FIELD(setTextureScale, 255), "0000000000000000f00f0000"},
#undef FIELD
    };
    for (const auto &row : rows)
        QTest::newRow(row.name) << row.set << QByteArray(row.hex);
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
