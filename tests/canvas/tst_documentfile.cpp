#include "../common/PngClaim.h"
#include "model/LMDocumentFile.h"

#include <QBuffer>
#include <QTest>

#include <functional>

namespace {
QByteArray le(qint32 v)
{
    QByteArray b(4, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

QByteArray pngOf(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QImage tinyPage()
{
    QImage page(6, 4, QImage::Format_RGB32);
    page.fill(Qt::white);
    page.setPixelColor(2, 1, QColor(10, 200, 30));
    return page;
}

std::optional<LMDocument> read(const QByteArray &bytes, QString *tooLarge = nullptr,
                               QString *warning = nullptr)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return LMDocumentFile::read(buffer, tooLarge, warning);
}

// The tiny page four times finer, every physical pixel its own colour.
QImage fineOf(const QImage &page, int k = 4)
{
    QImage fine(page.size() * k, QImage::Format_RGB32);
    for (int y = 0; y < fine.height(); ++y)
        for (int x = 0; x < fine.width(); ++x)
            fine.setPixel(x, y, qRgb(x * 10, y * 15, (x + y) % 256));
    return fine;
}

LMDocument tinyDesign()
{
    LMDocument doc;
    doc.flags = LMViewFlags::atStart();
    doc.page = tinyPage();
    doc.fontDescription = QStringLiteral("Arial,26");
    doc.frameText = QStringLiteral("EMMA");
    return doc;
}

// A fine block as the writer lays it out: tag, length, k, PNG.
QByteArray fineBlock(qint32 k, const QByteArray &png, const char *tag = "LMFP")
{
    return QByteArray(tag, 4) + le(qint32(png.size() + 4)) + le(k) + png;
}

// A document written by hand from the format tables.
struct Golden {
    QByteArray texture = pngOf(QImage(2, 2, QImage::Format_RGB32));
    QByteArray text =
        le(3) + QByteArray("F,1") + le(5) + QByteArray("Hello") + le(qint32(0x80112233));
    QByteArray page = pngOf(tinyPage());

    QByteArray header(qint32 textureLen, qint32 textLen) const
    {
        QByteArray h = le(10);
        h += QByteArray::fromHex("a5 5a 08 00 1c 00 27 04 40 06 00 00"); // flags
        h += QByteArray("metal0") + QByteArray(26, '\0');
        h += le(-7) + le(300) + le(2) + le(4);                // outline x, y, group, index
        h += le(qint32(0x80ff0000)) + le(qint32(0xff00ff00)); // frame and side colours
        const qint32 texturePos = 96, textPos = texturePos + textureLen,
                     rasterPos = textPos + textLen;
        h += le(rasterPos) + le(qint32(page.size())) + le(texturePos) + le(textureLen) +
             le(textPos) + le(textLen);
        return h;
    }
    QByteArray bytes() const
    {
        return header(qint32(texture.size()), qint32(text.size())) + texture + text + page;
    }
};
} // namespace

using Setter = std::function<void(LMViewFlags &)>;
using Getter = std::function<int(const LMViewFlags &)>;
Q_DECLARE_METATYPE(Setter)
Q_DECLARE_METATYPE(Getter)

// clang-format off
#define FIELD(setter, getter, value) #setter " " #value, \
    [](LMViewFlags &f) { f.setter(value); }, \
    [](const LMViewFlags &f) { return int(f.getter()); }, int(value)
// clang-format on

// The design file: its blocks, the bits of its flags and its paper numbers.
class TestDocumentFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Read field by field, then written back: the header and the texts as the
    // tables lay them out, the texture first and the page last.
    void handMadeFileBothWays()
    {
        const Golden golden;
        const std::optional<LMDocument> doc = read(golden.bytes());
        QVERIFY(doc);
        // Modified and at frame stage 3 as written: the canvas clears them when applying.
        QCOMPARE(doc->flags.toBytes(), QByteArray::fromHex("a55a08001c00270440060000"));
        QCOMPARE(doc->textureName, QStringLiteral("metal0"));
        QCOMPARE(doc->outlineOffset, QPoint(-7, 300));
        QCOMPARE(doc->outlineGroup, 2);
        QCOMPARE(doc->outlineIndex, 4);
        QCOMPARE(doc->frameColor, qRgba(255, 0, 0, 255)); // alpha 0x80 comes back opaque
        QCOMPARE(doc->sideColor, qRgba(0, 255, 0, 255));
        QCOMPARE(doc->texture.size(), QSize(2, 2));
        QCOMPARE(doc->page.size(), QSize(6, 4));
        QCOMPARE(doc->page.pixelColor(2, 1), QColor(10, 200, 30));
        QCOMPARE(doc->fontDescription, QStringLiteral("F,1"));
        QCOMPARE(doc->frameText, QStringLiteral("Hello"));
        QCOMPARE(doc->textColor, qRgba(0x11, 0x22, 0x33, 255));

        LMDocument again = *doc;
        // Colours are written as held, alpha and all.
        again.frameColor = qRgba(255, 0, 0, 0x80);
        again.textColor = qRgba(0x11, 0x22, 0x33, 0x80);
        const QByteArray bytes = LMDocumentFile::write(again);
        const auto at = [&bytes](int offset) {
            return qFromLittleEndian<qint32>(bytes.constData() + offset);
        };
        QCOMPARE(bytes.left(72), golden.bytes().left(72));
        QCOMPARE(at(80), 96);
        const qint32 textPos = at(88);
        QCOMPARE(textPos, 96 + at(84));
        QCOMPARE(bytes.mid(textPos, at(92)), golden.text);
        QCOMPARE(at(72), textPos + at(92));
        QCOMPARE(qint64(at(72)) + at(76), qint64(bytes.size()));
        QVERIFY(bytes.mid(at(72), 8).startsWith("\x89PNG"));
    }

    // A texture name of over 32 bytes fills its field without a NUL; a text of
    // two-byte characters over 1024 bytes is cut whole, never inside a character.
    void longTextsAreCut()
    {
        LMDocument doc = tinyDesign();
        doc.textureName = QString(40, QLatin1Char('x'));
        doc.frameText = QStringLiteral("x") + QString(600, QChar(0xe9));
        const QByteArray bytes = LMDocumentFile::write(doc);
        QCOMPARE(bytes.mid(16, 32), QByteArray(32, 'x'));
        const std::optional<LMDocument> back = read(bytes);
        QVERIFY(back);
        QCOMPARE(back->textureName, QString(32, QLatin1Char('x')));
        QCOMPARE(back->frameText, QStringLiteral("x") + QString(511, QChar(0xe9)));
    }

    // Cut anywhere, a file must fail cleanly.
    void everyTruncationFails()
    {
        const QByteArray whole = Golden().bytes();
        QVERIFY(read(whole));
        for (int n = 0; n < whole.size(); ++n)
            QVERIFY2(!read(whole.left(n)),
                     qPrintable(QStringLiteral("%1 of %2 bytes").arg(n).arg(whole.size())));
    }

    void damaged_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray good = Golden().bytes();
        const auto patched = [&good](int at, qint32 value) {
            QByteArray b = good;
            b.replace(at, 4, le(value));
            return b;
        };
        QTest::newRow("page position past the end") << patched(72, good.size());
        QTest::newRow("page length past the end") << patched(76, 1 << 30);
        QTest::newRow("negative page length") << patched(76, -1);
        QTest::newRow("page inside the header") << patched(72, 10);
        QTest::newRow("no page at all") << patched(76, 0);
        QTest::newRow("texture length past the end") << patched(84, 0x7fffffff);
        QTest::newRow("negative texture position") << patched(80, -96);
        QTest::newRow("text block past the end") << patched(88, good.size() - 2);
        QTest::newRow("text block inside the header") << patched(88, 0);
        const auto with = [](QByteArray Golden::*part, const QByteArray &bytes) {
            Golden changed;
            changed.*part = bytes;
            return changed.bytes();
        };
        QTest::newRow("font description over 1024 bytes")
            << with(&Golden::text, le(1025) + QByteArray(1025, 'f') + le(0) + le(0));
        QTest::newRow("frame text over 1024 bytes")
            << with(&Golden::text, le(0) + le(1025) + QByteArray(1025, 't') + le(0));
        QTest::newRow("negative font length") << with(&Golden::text, le(-4) + le(0) + le(0));
        QTest::newRow("page bytes that are no PNG") << with(&Golden::page, QByteArray(200, 'p'));
        QTest::newRow("texture bytes that are no PNG")
            << with(&Golden::texture, QByteArray("not a png at all"));
    }

    void damaged()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(!read(bytes));
    }

    void extrasTravelAfterTheLastBlock_data()
    {
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<bool>("fine");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("keptNames");
        const QStringList none;
        QTest::newRow("none: the file as before")
            << QString() << QString() << false << none << none;
        QTest::newRow("a dot between spaces")
            << QStringLiteral(" \u00b7 ") << QStringLiteral(" \u00b7 ") << false << none << none;
        QTest::newRow("after a fine page")
            << QStringLiteral(" * ") << QStringLiteral(" * ") << true << none << none;
        // Sixteen four-byte characters are the most the block holds.
        const QString faces = QStringLiteral("\U0001F600").repeated(17);
        QTest::newRow("cut between characters") << faces << faces.left(32) << false << none << none;
        // Names as pasted from a spreadsheet: blanks and a Windows line end go.
        QTest::newRow("names") << QString() << QString() << false
                               << QStringList{QStringLiteral(" Emma\r"), QString(),
                                              QStringLiteral("Łukasz"),
                                              QStringLiteral("\u674e\u660e")}
                               << QStringList{QStringLiteral("Emma"), QStringLiteral("Łukasz"),
                                              QStringLiteral("\u674e\u660e")};
        QTest::newRow("names after a separator and a fine page")
            << QStringLiteral(" * ") << QStringLiteral(" * ") << true
            << QStringList{QStringLiteral("Noah")} << QStringList{QStringLiteral("Noah")};
        QTest::newRow("blank names only: none kept")
            << QString() << QString() << false << QStringList{QStringLiteral(" "), QString()}
            << none;
    }

    // A fine page (k times the page, else not written), a separator the user
    // typed and a list of names are kept after the last block, where version-10
    // readers never look: they find the page at 3 px/mm in the page block as
    // always. Without them the file is as it always was.
    void extrasTravelAfterTheLastBlock()
    {
        QFETCH(QString, separator);
        QFETCH(QString, kept);
        QFETCH(bool, fine);
        QFETCH(QStringList, names);
        QFETCH(QStringList, keptNames);
        LMDocument doc = tinyDesign();
        const QByteArray standard = LMDocumentFile::write(doc);
        doc.finePage = fineOf(doc.page).copy(0, 0, 23, 16);
        QCOMPARE(LMDocumentFile::write(doc), standard);
        doc.finePage = fine ? fineOf(doc.page) : QImage();
        doc.frameTextSeparator = separator;
        doc.frameTextNames = names;
        const QByteArray bytes = LMDocumentFile::write(doc);
        QCOMPARE(bytes.left(standard.size()), standard);
        QCOMPARE(bytes.size() > standard.size(),
                 fine || !separator.isEmpty() || !keptNames.isEmpty());
        if (fine)
            QCOMPARE(bytes.mid(standard.size(), 4), QByteArray("LMFP")); // before the texts
        const qint32 pagePos = qFromLittleEndian<qint32>(bytes.constData() + 72);
        const qint32 pageLen = qFromLittleEndian<qint32>(bytes.constData() + 76);
        QCOMPARE(QImage::fromData(bytes.mid(pagePos, pageLen), "PNG")
                     .convertToFormat(QImage::Format_RGB32),
                 doc.page);

        QString warning;
        const std::optional<LMDocument> back = read(bytes, nullptr, &warning);
        QVERIFY(back);
        QCOMPARE(warning, QString());
        QCOMPARE(back->page.convertToFormat(QImage::Format_RGB32), doc.page);
        QCOMPARE(back->finePage.convertToFormat(QImage::Format_RGB32), doc.finePage);
        QCOMPARE(back->frameTextSeparator, kept);
        QCOMPARE(back->frameTextNames, keptNames);
        QCOMPARE(back->frameText, doc.frameText);
    }

    void fineBlockThatCannotBeReadIsLeftOut_data()
    {
        QTest::addColumn<QByteArray>("trailing");
        QTest::addColumn<bool>("warned");
        const QImage page = tinyPage();
        const QByteArray good = pngOf(fineOf(page));
        QTest::newRow("cut short") << fineBlock(4, good).chopped(9) << true;
        QTest::newRow("length past the end") << QByteArray("LMFP") + le(1 << 30) + le(4) << true;
        QTest::newRow("negative length") << QByteArray("LMFP") + le(-8) << true;
        QTest::newRow("half a tag") << QByteArray("LM") << true;
        QTest::newRow("k of 3") << fineBlock(3, good) << true;
        QTest::newRow("k of 1") << fineBlock(1, pngOf(page)) << true;
        QTest::newRow("not k times the page")
            << fineBlock(4, pngOf(fineOf(page).copy(0, 0, 24, 15))) << true;
        QTest::newRow("no PNG") << fineBlock(4, QByteArray(300, 'x')) << true;
        QTest::newRow("a block of another kind") << fineBlock(4, good, "ZZZZ") << false;
        QTest::newRow("separator not UTF-8") << QByteArray("LMTS") + le(2) + "\xff\xfe" << true;
        QTest::newRow("separator too long")
            << QByteArray("LMTS") + le(65) + QByteArray(65, '-') << true;
        QTest::newRow("separator cut short") << QByteArray("LMTS") + le(10) + "ab" << true;
        QTest::newRow("names not UTF-8") << QByteArray("LMNL") + le(3) + "A\n\xff" << true;
        QTest::newRow("names all blank") << QByteArray("LMNL") + le(3) + " \n " << true;
        QTest::newRow("names cut short") << QByteArray("LMNL") + le(40) + "Emma\nNoah" << true;
        QTest::newRow("too many names")
            << QByteArray("LMNL") + le(2 * 10001 - 1) + QByteArray("x\n").repeated(10001).chopped(1)
            << true;
    }

    // The design opens from its standard page; only the fine detail is lost, and
    // a warning says so. A block of a kind this version does not know is skipped.
    void fineBlockThatCannotBeReadIsLeftOut()
    {
        QFETCH(QByteArray, trailing);
        QFETCH(bool, warned);
        const LMDocument doc = tinyDesign();
        QString warning;
        const std::optional<LMDocument> back =
            read(LMDocumentFile::write(doc) + trailing, nullptr, &warning);
        QVERIFY(back);
        QCOMPARE(back->page.convertToFormat(QImage::Format_RGB32), doc.page);
        QCOMPARE(back->frameText, doc.frameText);
        QVERIFY(back->finePage.isNull());
        QVERIFY(back->frameTextSeparator.isEmpty());
        QVERIFY(back->frameTextNames.isEmpty());
        QCOMPARE(!warning.isEmpty(), warned);
    }

    // Each row sets one field on a clear block, names the 12 bytes expected and
    // reads the field back from those bytes.
    void eachFieldLandsOnItsBits_data()
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

    void eachFieldLandsOnItsBits()
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
    void neighboursKeepTheirBits()
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
};

QTEST_MAIN(TestDocumentFile)

#include "tst_documentfile.moc"
