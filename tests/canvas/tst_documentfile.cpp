#include "../common/PngClaim.h"
#include "model/LMDocumentFile.h"
#include "model/LMPageDetail.h"
#include "model/LMPaperTable.h"

#include <QBuffer>
#include <QTest>
#include <QtEndian>

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

QImage whitePicture(QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::white);
    return picture;
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
        h += QByteArray::fromHex("a5 5a 08 00 1c 00 21 04 40 06 00 00"); // flags
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

class TestDocumentFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readsEveryFieldOfAHandMadeFile();
    void writesTheTablesLayout();
    void longTextureNameIsCut();
    void longFrameTextIsCutBetweenCharacters();
    void everyTruncationFails();
    void damaged_data();
    void damaged();
    void statedSizes_data();
    void statedSizes();
    void fineDetailRule_data();
    void fineDetailRule();
    void finePageTravelsAfterTheLastBlock();
    void textsTravelAfterTheLastBlock_data();
    void textsTravelAfterTheLastBlock();
    void fineBlockThatCannotBeReadIsLeftOut_data();
    void fineBlockThatCannotBeReadIsLeftOut();
};

void TestDocumentFile::readsEveryFieldOfAHandMadeFile()
{
    const std::optional<LMDocument> doc = read(Golden().bytes());
    QVERIFY(doc);
    // Modified as written: the canvas clears it when applying.
    QCOMPARE(doc->flags.toBytes(), QByteArray::fromHex("a55a08001c00210440060000"));
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
}

void TestDocumentFile::writesTheTablesLayout()
{
    LMDocument doc;
    doc.flags = LMViewFlags::atStart();
    doc.flags.setModified(true);
    doc.flags.setFrameStage(3);
    doc.textureName = QStringLiteral("metal0");
    doc.outlineOffset = QPoint(418, -3);
    doc.outlineGroup = 1;
    doc.outlineIndex = 14;
    doc.frameColor = qRgba(1, 2, 3, 128);
    doc.sideColor = qRgba(128, 128, 128, 255);
    doc.texture = QImage(3, 3, QImage::Format_RGB32);
    doc.texture.fill(Qt::blue);
    doc.page = tinyPage();
    doc.fontDescription = QStringLiteral("Arial,26");
    doc.frameText = QStringLiteral("ABC");
    doc.textColor = qRgb(255, 0, 0);
    const QByteArray bytes = LMDocumentFile::write(doc);

    const auto at = [&bytes](int offset) {
        return qFromLittleEndian<qint32>(bytes.constData() + offset);
    };
    // The header, the flags with their modified bit and frame stage as held.
    QCOMPARE(bytes.left(72), le(10) + doc.flags.toBytes() + QByteArray("metal0") +
                                 QByteArray(26, '\0') + le(418) + le(-3) + le(1) + le(14) +
                                 le(qint32(0x80010203)) + le(qint32(0xff808080)));
    QCOMPARE(at(80), 96); // the texture comes first
    const qint32 textPos = at(88);
    QCOMPARE(textPos, 96 + at(84));
    QCOMPARE(bytes.mid(textPos, at(92)),
             le(8) + QByteArray("Arial,26") + le(3) + QByteArray("ABC") + le(qint32(0xffff0000)));
    QCOMPARE(at(72), textPos + at(92)); // then the page, last
    QCOMPARE(qint64(at(72)) + at(76), qint64(bytes.size()));
    QVERIFY(bytes.mid(at(72), 8).startsWith("\x89PNG"));
}

void TestDocumentFile::longTextureNameIsCut()
{
    LMDocument doc;
    doc.page = tinyPage();
    doc.textureName = QString(40, QLatin1Char('x'));
    const QByteArray bytes = LMDocumentFile::write(doc);
    QCOMPARE(bytes.mid(16, 32), QByteArray(32, 'x')); // no terminating NUL
    QCOMPARE(read(bytes)->textureName, QString(32, QLatin1Char('x')));
}

// Two-byte characters over 1024 bytes: the text is cut whole, never inside a
// character, and still reads back.
void TestDocumentFile::longFrameTextIsCutBetweenCharacters()
{
    LMDocument doc;
    doc.page = tinyPage();
    doc.frameText = QStringLiteral("x") + QString(600, QChar(0xe9));
    const std::optional<LMDocument> back = read(LMDocumentFile::write(doc));
    QVERIFY(back);
    QCOMPARE(back->frameText, QStringLiteral("x") + QString(511, QChar(0xe9)));
}

// Cut anywhere, a file must fail cleanly.
void TestDocumentFile::everyTruncationFails()
{
    const QByteArray whole = Golden().bytes();
    QVERIFY(read(whole));
    for (int n = 0; n < whole.size(); ++n)
        QVERIFY2(!read(whole.left(n)),
                 qPrintable(QStringLiteral("%1 of %2 bytes").arg(n).arg(whole.size())));
}

void TestDocumentFile::damaged_data()
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

void TestDocumentFile::damaged()
{
    QFETCH(QByteArray, bytes);
    QVERIFY(!read(bytes));
}

void TestDocumentFile::statedSizes_data()
{
    QTest::addColumn<QByteArray>("texture");
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<QString>("tooLarge"); // empty: the file loads
    const QByteArray texture = Golden().texture;
    // B0 at 3 pixels per millimetre, the largest paper there is.
    QTest::newRow("the largest paper") << texture << pngOf(whitePicture({3090, 4368})) << "";
    QTest::newRow("the largest paper, landscape")
        << texture << pngOf(whitePicture({4368, 3090})) << "";
    QTest::newRow("a pixel wider than any paper")
        << texture << pngClaiming({3091, 4368})
        << "The page is 3091 x 4368 pixels, larger than any paper.";
    QTest::newRow("a page of 30000 x 30000")
        << texture << pngClaiming({30000, 30000})
        << "The page is 30000 x 30000 pixels, larger than any paper.";
    // A texture is a picture of the user's, bound by the pictures' limit, not the paper's.
    QTest::newRow("a texture wider than any paper")
        << pngOf(whitePicture({4400, 60})) << Golden().page << "";
    QTest::newRow("a texture over 100 megapixels")
        << pngClaiming({10001, 10000}) << Golden().page
        << "The picture is 10001 x 10000 pixels; Lumetra opens pictures of up to 100 megapixels.";
}

void TestDocumentFile::statedSizes()
{
    QFETCH(QByteArray, texture);
    QFETCH(QByteArray, page);
    QFETCH(QString, tooLarge);
    Golden file;
    file.texture = texture;
    file.page = page;
    QString said;
    const std::optional<LMDocument> doc = read(file.bytes(), &said);
    QCOMPARE(said, tooLarge);
    QCOMPARE(bool(doc), tooLarge.isEmpty());
    if (doc)
        QCOMPARE(doc->page.size(), QImage::fromData(page).size());
}

void TestDocumentFile::fineDetailRule_data()
{
    QTest::addColumn<int>("paper"); // the table's id
    QTest::addColumn<int>("k");
    QTest::newRow("Letter") << 2 << 4;
    QTest::newRow("A4") << 0 << 4;
    QTest::newRow("A3") << 8 << 4;
    QTest::newRow("A0") << 5 << 2;
    QTest::newRow("B0") << 14 << 1;
}

void TestDocumentFile::fineDetailRule()
{
    QFETCH(int, paper);
    QFETCH(int, k);
    const QSize page = LMPaperTable::pixelSize(LMPaperTable::lastRowWithId(paper), false);
    QCOMPARE(LMPageDetail::forPage(page), k);
    QCOMPARE(LMPageDetail::forPage(page.transposed()), k);
    // What a file's fine block may hold: this k, never the next finer one.
    QCOMPARE(LMPageDetail::isFineOf(page * k, page, k), k > 1);
    QVERIFY(!LMPageDetail::isFineOf(page * (2 * k), page, 2 * k));
}

// A fine design is a version-10 file whose page block holds the page at
// 3 px/mm, then a trailing block with the fine page; a standard design is
// written as before.
void TestDocumentFile::finePageTravelsAfterTheLastBlock()
{
    LMDocument doc = tinyDesign();
    const QByteArray standard = LMDocumentFile::write(doc);
    doc.finePage = fineOf(doc.page);
    const QByteArray fine = LMDocumentFile::write(doc);
    QVERIFY(fine.size() > standard.size());
    QCOMPARE(fine.left(standard.size()), standard);
    QCOMPARE(fine.mid(standard.size(), 4), QByteArray("LMFP"));

    // A reader of the version-10 rules follows the header to the page block.
    const qint32 pagePos = qFromLittleEndian<qint32>(fine.constData() + 72);
    const qint32 pageLen = qFromLittleEndian<qint32>(fine.constData() + 76);
    QCOMPARE(
        QImage::fromData(fine.mid(pagePos, pageLen), "PNG").convertToFormat(QImage::Format_RGB32),
        doc.page);

    QString warning;
    const std::optional<LMDocument> back = read(fine, nullptr, &warning);
    QVERIFY(back);
    QCOMPARE(warning, QString());
    QCOMPARE(back->page.convertToFormat(QImage::Format_RGB32), doc.page);
    QCOMPARE(back->finePage.convertToFormat(QImage::Format_RGB32), doc.finePage);
    QVERIFY(read(standard)->finePage.isNull());
    // A fine page that is not k times the page is not written.
    doc.finePage = doc.finePage.copy(0, 0, 23, 16);
    QCOMPARE(LMDocumentFile::write(doc), standard);
}

void TestDocumentFile::textsTravelAfterTheLastBlock_data()
{
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<bool>("fine");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("keptNames");
    const QStringList none;
    QTest::newRow("none: the file as before") << QString() << QString() << false << none << none;
    QTest::newRow("a dot between spaces")
        << QStringLiteral(" \u00b7 ") << QStringLiteral(" \u00b7 ") << false << none << none;
    QTest::newRow("after a fine page")
        << QStringLiteral(" * ") << QStringLiteral(" * ") << true << none << none;
    // Sixteen four-byte characters are the most the block holds.
    const QString faces = QStringLiteral("\U0001F600").repeated(17);
    QTest::newRow("cut between characters") << faces << faces.left(32) << false << none << none;
    // Names as pasted from a spreadsheet: blanks and a Windows line end go.
    QTest::newRow("names")
        << QString() << QString() << false
        << QStringList{QStringLiteral(" Emma\r"), QString(), QStringLiteral("Łukasz"),
                       QStringLiteral("\u674e\u660e")}
        << QStringList{QStringLiteral("Emma"), QStringLiteral("Łukasz"), QStringLiteral("\u674e\u660e")};
    QTest::newRow("names after a separator and a fine page")
        << QStringLiteral(" * ") << QStringLiteral(" * ") << true
        << QStringList{QStringLiteral("Noah")} << QStringList{QStringLiteral("Noah")};
    QTest::newRow("blank names only: none kept")
        << QString() << QString() << false << QStringList{QStringLiteral(" "), QString()} << none;
}

// A separator the user typed and a list of names are kept after the last
// block, where version-10 readers never look; without them the file is as it
// always was.
void TestDocumentFile::textsTravelAfterTheLastBlock()
{
    QFETCH(QString, separator);
    QFETCH(QString, kept);
    QFETCH(bool, fine);
    QFETCH(QStringList, names);
    QFETCH(QStringList, keptNames);
    LMDocument doc = tinyDesign();
    if (fine)
        doc.finePage = fineOf(doc.page);
    const QByteArray before = LMDocumentFile::write(doc);
    doc.frameTextSeparator = separator;
    doc.frameTextNames = names;
    const QByteArray bytes = LMDocumentFile::write(doc);
    QCOMPARE(bytes.left(before.size()), before);
    QCOMPARE(bytes.size() > before.size(), !separator.isEmpty() || !keptNames.isEmpty());
    QString warning;
    const std::optional<LMDocument> back = read(bytes, nullptr, &warning);
    QVERIFY(back);
    QCOMPARE(warning, QString());
    QCOMPARE(back->frameTextSeparator, kept);
    QCOMPARE(back->frameTextNames, keptNames);
    QCOMPARE(back->finePage.isNull(), !fine);
    QCOMPARE(back->frameText, doc.frameText);
}

void TestDocumentFile::fineBlockThatCannotBeReadIsLeftOut_data()
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
void TestDocumentFile::fineBlockThatCannotBeReadIsLeftOut()
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

QTEST_MAIN(TestDocumentFile)
#include "tst_documentfile.moc"
