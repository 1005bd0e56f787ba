#include "model/LMViewFlags.h"

#include <QTest>

#include <functional>

using Setter = std::function<void(LMViewFlags &)>;
using Getter = std::function<int(const LMViewFlags &)>;
Q_DECLARE_METATYPE(Setter)
Q_DECLARE_METATYPE(Getter)

class TestViewFlags : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void eachFieldLandsOnItsBits_data();
    void eachFieldLandsOnItsBits();
    void neighboursKeepTheirBits();
};

// clang-format off
#define FIELD(setter, getter, value) #setter " " #value, \
    [](LMViewFlags &f) { f.setter(value); }, \
    [](const LMViewFlags &f) { return int(f.getter()); }, int(value)
// clang-format on

// Each row sets one field on a clear block, names the 12 bytes expected and
// reads the field back from those bytes.
void TestViewFlags::eachFieldLandsOnItsBits_data()
{
    QTest::addColumn<Setter>("set");
    QTest::addColumn<Getter>("get");
    QTest::addColumn<int>("value");
    QTest::addColumn<QByteArray>("hex");
    const struct {
        const char *name;
        Setter set;
        Getter get;
        int value;
        const char *hex;
    } rows[] = {
        {FIELD(setFrameEffectOn, frameEffectOn, true), "010000000000000000000000"},
        {FIELD(setClipToOutline, clipToOutline, true), "020000000000000000000000"},
        {FIELD(setFrameTextOn, frameTextOn, true), "040000000000000000000000"},
        {FIELD(setOutlineEditing, outlineEditing, true), "080000000000000000000000"},
        {FIELD(setFrameToolActive, frameToolActive, true), "100000000000000000000000"},
        {FIELD(setMarginToolActive, marginToolActive, true), "200000000000000000000000"},
        {FIELD(setStripMode, stripMode, true), "400000000000000000000000"},
        {FIELD(setLandscape, landscape, true), "800000000000000000000000"},
        {FIELD(setOutlineRotation, outlineRotation, 1), "000100000000000000000000"},
        {FIELD(setOutlineRotation, outlineRotation, 180), "00b400000000000000000000"},
        {FIELD(setOutlineRotation, outlineRotation, -1), "00ff07000000000000000000"},
        {FIELD(setOutlineRotation, outlineRotation, -1024), "000004000000000000000000"},
        {FIELD(setOutputRendering, outputRendering, true), "000008000000000000000000"},
        {FIELD(setPaperId, paperId, 28), "000000001c00000000000000"},
        {FIELD(setPaperId, paperId, -2), "00000000feff000000000000"},
        {FIELD(setModified, modified, true), "000000000000010000000000"},
        {FIELD(setFrameStage, frameStage, 15), "0000000000001e0000000000"},
        {FIELD(setFrameIndex, frameIndex, 31), "000000000000e00300000000"},
        {FIELD(setStripCount, stripCount, 31), "000000000000007c00000000"},
        {FIELD(setOutsidePrintable, outsidePrintable, true), "000000000000008000000000"},
        {FIELD(setUseHeight, useHeight, true), "000000000000000001000000"},
        {FIELD(setStripType, stripType, true), "000000000000000002000000"},
        {FIELD(setExpandToSides, expandToSides, true), "000000000000000004000000"},
        {FIELD(setTextureTiled, textureTiled, true), "000000000000000008000000"},
        {FIELD(setTextureScale, textureScale, 100), "000000000000000040060000"},
        {FIELD(setTextureScale, textureScale, 255), "0000000000000000f00f0000"},
        // A new document: frame level and strip count 1, all else clear.
        {"at start", [](LMViewFlags &f) { f = LMViewFlags::atStart(); },
         [](const LMViewFlags &f) { return f.frameIndex(); }, 1, "000000000000200400000000"},
    };
    for (const auto &row : rows)
        QTest::newRow(row.name) << row.set << row.get << row.value << QByteArray(row.hex);
}

#undef FIELD

void TestViewFlags::eachFieldLandsOnItsBits()
{
    QFETCH(Setter, set);
    QFETCH(Getter, get);
    QFETCH(int, value);
    QFETCH(QByteArray, hex);
    LMViewFlags flags;
    set(flags);
    QCOMPARE(flags.toBytes().toHex(), hex);
    const std::optional<LMViewFlags> read = LMViewFlags::fromBytes(QByteArray::fromHex(hex));
    QVERIFY(read);
    QCOMPARE(get(*read), value);
}

// Writing a field leaves every other bit as read, the reserved ones included;
// a value too wide keeps to the field's own bits.
void TestViewFlags::neighboursKeepTheirBits()
{
    QVERIFY(!LMViewFlags::fromBytes(QByteArray(11, '\0')));
    QVERIFY(!LMViewFlags::fromBytes(QByteArray(13, '\0')));
    LMViewFlags f = *LMViewFlags::fromBytes(QByteArray(12, '\xff'));
    f.setOutlineRotation(0);
    f.setFrameStage(16);
    f.setFrameIndex(0);
    QCOMPARE(f.toBytes().toHex(), QByteArray("ff00f8ffffff01fcffffffff"));
    QVERIFY(f.landscape() && f.outputRendering() && f.modified());
    QCOMPARE(f.outlineRotation(), 0);
    QCOMPARE(f.frameStage(), 0);
    QCOMPARE(f.stripCount(), 31);
}

QTEST_GUILESS_MAIN(TestViewFlags)
#include "tst_viewflags.moc"
