#include "model/frame/LMFrameTextPainter.h"
#include "model/frame/LMFrameTextSettings.h"
#include "model/frame/LMLetteringLine.h"
#include "model/frame/LMStripSheet.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QTest>

namespace {
// A rounded window like a card's, centred on its origin, in outline units.
QPainterPath window()
{
    QPainterPath path;
    path.addRoundedRect(QRectF(-300, -200, 600, 400), 60, 60);
    return path;
}

QString walked(QList<LMFrameTextPainter::Placed> placed, int pass)
{
    QString s;
    for (const auto &p : placed)
        if (p.pass == pass)
            s += p.character;
    return s;
}
} // namespace

// The text along the frame and its glyph cache.
class TestFrameText : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void rowsPerLevel_data();
    void rowsPerLevel();
    void passesWalkBothWays();
    void glyphCache();
    void lettersFitTheirRow_data();
    void lettersFitTheirRow();
    void thinStripsKeepTheirLetters();
    void letteringSetsWholeWords_data();
    void letteringSetsWholeWords();
};

void TestFrameText::rowsPerLevel_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<bool>("thin");
    QTest::addColumn<QList<int>>("rows");
    QTest::newRow("6 mm: none") << 2 << false << QList<int>{};
    QTest::newRow("12 mm: one row") << 3 << false << QList<int>{3};
    QTest::newRow("24 mm: two") << 4 << false << QList<int>{3, 4};
    QTest::newRow("36 mm: three") << 5 << false << QList<int>{3, 4, 5};
    QTest::newRow("36 mm, thin strips: three") << 5 << true << QList<int>{3, 4, 5};
}

void TestFrameText::rowsPerLevel()
{
    QFETCH(int, level);
    QFETCH(bool, thin);
    QFETCH(QList<int>, rows);
    LMFrameTextSettings text;
    text.setText(QStringLiteral("EMMA 2026 "));
    QImage target(800, 600, QImage::Format_ARGB32_Premultiplied);
    target.fill(Qt::transparent);
    QPainter painter(&target);
    painter.translate(400, 300);
    const auto placed = LMFrameTextPainter::paint(painter, window(), text, level, thin);
    painter.end();
    QList<int> seen;
    for (const auto &p : placed)
        if (!seen.contains(p.row))
            seen << p.row;
    std::sort(seen.begin(), seen.end());
    QCOMPARE(seen, rows);
    if (rows.isEmpty())
        return;
    // No glyph's room overlaps another's, in any row or pass.
    for (int i = 0; i < placed.size(); ++i)
        for (int j = i + 1; j < placed.size(); ++j)
            QVERIFY2(!placed[i].probe.intersects(placed[j].probe),
                     qPrintable(QStringLiteral("%1 and %2").arg(i).arg(j)));
    // Something was drawn.
    bool ink = false;
    for (int y = 0; y < target.height() && !ink; y += 2)
        for (int x = 0; x < target.width() && !ink; x += 2)
            ink = qAlpha(target.pixel(x, y)) > 0;
    QVERIFY(ink);
}

void TestFrameText::passesWalkBothWays()
{
    LMFrameTextSettings text;
    text.setText(QStringLiteral("ABC"));
    QImage target(800, 600, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&target);
    const auto placed = LMFrameTextPainter::paint(painter, window(), text, 3, false);
    const QString back = walked(placed, 0), forth = walked(placed, 1);
    // One row, one glyph per 12 mm of outline on each side of it.
    QVERIFY(back.size() > 20);
    QVERIFY(forth.size() > 20);
    // Backwards from the start (A, then the end of the text), then forwards on
    // from where the first pass stopped.
    QVERIFY2(back.startsWith(QStringLiteral("ACBACB")), qPrintable(back));
    const QString cycle = QStringLiteral("ABCABCABC");
    QVERIFY2(cycle.contains(forth.left(6)), qPrintable(forth));
}

void TestFrameText::glyphCache()
{
    LMFrameTextSettings text;
    text.setText(QStringLiteral("AB"));
    text.beginTextPass();
    text.nextGlyph();
    text.nextGlyph();
    text.nextGlyph(); // A again: from the cache
    text.endTextPass();
    QCOMPARE(text.glyphsDrawn(), 2);
    QCOMPARE(text.cachedGlyphs(), 2);

    // A new text keeps the characters still used and drops the rest.
    text.setText(QStringLiteral("AC"));
    text.beginTextPass();
    text.nextGlyph();
    text.nextGlyph();
    text.endTextPass();
    QCOMPARE(text.glyphsDrawn(), 3); // only C is new
    QCOMPARE(text.cachedGlyphs(), 2);

    // A look that changes the pictures empties the cache; the same look does not.
    text.setColors(text.edgeColor(), text.fillColor());
    QCOMPARE(text.cachedGlyphs(), 2);
    text.setColors(Qt::green, text.fillColor());
    QCOMPARE(text.cachedGlyphs(), 0);
    text.nextGlyph();
    text.setStroke(true);
    QCOMPARE(text.cachedGlyphs(), 0);
    text.nextGlyph();
    text.setEdgeWidth(3);
    QCOMPARE(text.cachedGlyphs(), 0);
    text.nextGlyph();
    QFont font = text.font();
    font.setPointSize(40);
    text.setFont(font);
    QCOMPARE(text.cachedGlyphs(), 0);

    // The glyph is the fill colour on transparency, with room round it.
    text.setStroke(false);
    const QImage a = text.glyphImage(QLatin1Char('A'));
    QCOMPARE(a.pixelColor(0, 0).alpha(), 0);
    bool filled = false;
    for (int y = 0; y < a.height() && !filled; ++y)
        for (int x = 0; x < a.width() && !filled; ++x)
            filled = a.pixelColor(x, y) == QColor(Qt::red);
    QVERIFY(filled);
    // An empty text draws spaces, never past its end.
    text.setText(QString());
    text.beginTextPass();
    QVERIFY(!text.nextGlyph().isNull());
    QVERIFY(!text.previousGlyph().isNull());
    text.endTextPass();
}

void TestFrameText::lettersFitTheirRow_data()
{
    QTest::addColumn<bool>("thin");
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("stroke");
    QTest::addColumn<bool>("reduced");
    for (const bool thin : {false, true}) {
        for (const int size : {8, 26, 48, 96})
            QTest::addRow("%s strips, size %d", thin ? "thin" : "thick", size)
                << thin << size << false << (thin || size > 26);
    }
    QTest::newRow("thick strips, size 26 with a wide edge") << false << 26 << true << true;
}

// No glyph is taller than its row holds, edge included; a size that fits is
// drawn as chosen, and the chosen font is never changed by the fit.
void TestFrameText::lettersFitTheirRow()
{
    QFETCH(bool, thin);
    QFETCH(int, size);
    QFETCH(bool, stroke);
    QFETCH(bool, reduced);
    LMFrameTextSettings text;
    text.setText(QStringLiteral("EMMA 2026 Alexandra-Josephine"));
    text.setFont(QFont(QStringLiteral("Arial"), size));
    text.setStroke(stroke);
    text.setEdgeWidth(stroke ? 12 : 1);
    const double row = thin ? 12 : 36;
    text.setRowHeight(row);
    QCOMPARE(text.isReduced(), reduced);
    QCOMPARE(text.font().pointSize(), size);
    const int edge = stroke ? text.edgeWidth() : 0;
    for (const QChar c : text.text())
        QVERIFY2(text.glyphPathCentred(c).boundingRect().height() + edge <= row,
                 qPrintable(QString(c)));
    // Back on the other strips the size follows.
    text.setRowHeight(thin ? 36 : 12);
    QCOMPARE(text.isReduced(), !thin || size > 26);
}

// Three thin strips, size 26: the letters stay inside their strips, so no cut
// line between strips has a letter's pixel on it.
void TestFrameText::thinStripsKeepTheirLetters()
{
    LMFrameTextSettings text;
    text.setText(QStringLiteral("EMMA 2026 "));
    text.setColors(Qt::red, Qt::red);
    LMStripSheetInputs in;
    in.page = QSize(837, 648);
    in.landscape = true;
    in.printable = QRect(30, 30, 777, 588);
    in.strips.thin = true;
    in.strips.count = 3;
    in.text = &text;
    QImage sheet(in.page, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    LMStripSheet().paint(painter, in);
    painter.end();
    const QRect area = LMStripGeometry::sheetArea(in.page, true, in.printable);
    int letters = 0;
    for (const int top : in.strips.bandTops(area)) {
        QList<int> cuts = in.strips.separators(top);
        cuts << top << top + in.strips.bandHeight() - 1;
        for (const int y : cuts)
            for (int x = area.left(); x <= area.right(); ++x)
                QVERIFY2(qRed(sheet.pixel(x, y)) < 200 || qGreen(sheet.pixel(x, y)) > 100,
                         qPrintable(QStringLiteral("letter on the cut at %1, %2").arg(x).arg(y)));
        for (const int y : in.strips.stripCentres(top))
            for (int x = area.left(); x <= area.right(); ++x)
                letters += qRed(sheet.pixel(x, y)) > 200 && qGreen(sheet.pixel(x, y)) < 100;
    }
    QVERIFY(letters > 0);
}

void TestFrameText::letteringSetsWholeWords_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qreal>("length");
    QTest::addColumn<int>("repeats");
    QTest::newRow("a name along a band") << "EMMA 2026" << 2300.0 << -1;
    QTest::newRow("a long name") << "Alexandra-Josephine" << 2300.0 << -1;
    QTest::newRow("room for one only") << "EMMA 2026" << 180.0 << 1;
    QTest::newRow("no room for one") << "Alexandra-Josephine" << 100.0 << 0;
}

// Characters sit at their advances, not in equal cells; repeats are whole,
// apart by the separator, and centred in the length.
void TestFrameText::letteringSetsWholeWords()
{
    QFETCH(QString, text);
    QFETCH(qreal, length);
    QFETCH(int, repeats);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(30);
    const QFontMetricsF metrics(font);
    const LMLetteringLine line =
        LMLetteringLine::lay(font, text, LMLetteringLine::defaultSeparator(), length);
    if (repeats >= 0)
        QCOMPARE(line.repeats, repeats);
    else
        QVERIFY(line.repeats > 1);
    const int perRepeat = int(text.size() - text.count(QLatin1Char(' ')));
    QCOMPARE(line.glyphs.size(), line.repeats * perRepeat);
    if (line.glyphs.isEmpty())
        return;
    // The first repeat reads as the text set in one piece, within a pixel.
    const qreal start = line.glyphs.first().x;
    int at = 0;
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i).isSpace())
            continue;
        QVERIFY(qAbs(line.glyphs.at(at++).x - start - metrics.horizontalAdvance(text.left(i))) <=
                1);
    }
    const qreal used = line.glyphs.last().x + metrics.horizontalAdvance(text.right(1)) - start;
    QVERIFY(used <= length);
    QVERIFY(qAbs(start - (length - (start + used))) <= 1); // centred
    // Between repeats: the gap of the separator, more than a letter's spacing.
    if (line.repeats > 1) {
        const qreal gap = line.glyphs.at(perRepeat).x - line.glyphs.at(perRepeat - 1).x;
        QVERIFY(gap > metrics.horizontalAdvance(text.right(1)) +
                          metrics.horizontalAdvance(QStringLiteral(" ")));
    }
}

QTEST_MAIN(TestFrameText)
#include "tst_frametext.moc"
