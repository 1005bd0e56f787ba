#include "app/LMResources.h"
#include "model/frame/LMFrameTextPainter.h"
#include "model/frame/LMFrameTextSettings.h"
#include "model/frame/LMLetteringLine.h"
#include "model/frame/LMStripSheet.h"
#include "model/outlines/LMArtFrameFactory.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QTest>

#include <functional>

namespace {
// A rounded window like a card's, centred on its origin, in outline units.
QPainterPath window()
{
    QPainterPath path;
    path.addRoundedRect(QRectF(-300, -200, 600, 400), 60, 60);
    return path;
}

// The outline and its ring from the catalogue (group, index) at a level.
LMOutlineShapes catalogueShapes(int group, int index, int level)
{
    static LMArtFrameFactory catalogue;
    return catalogue.shapesOf(group, index, level);
}

QPointF centreOf(const QPolygonF &quad)
{
    return (quad[0] + quad[2]) / 2;
}
} // namespace

// The text along the frame and its glyph cache; the strips and their sheet.
class TestFrameText : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { lmInitResources(); }
    void rowsPerLevel_data()
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

    void rowsPerLevel()
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
        // Something was drawn, exactly when there are rows.
        bool ink = false;
        for (int y = 0; y < target.height() && !ink; y += 2)
            for (int x = 0; x < target.width() && !ink; x += 2)
                ink = qAlpha(target.pixel(x, y)) > 0;
        QCOMPARE(ink, !rows.isEmpty());
    }

    void letteringAlongTheFrame_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("words");
        QTest::addColumn<bool>("thin");
        QTest::addColumn<int>("size");
        const struct {
            const char *name;
            int group, index;
        } outlines[] = {{"rounded", 0, 2}, {"oval", 0, 3}, {"heart", 0, 9}};
        for (const auto &o : outlines)
            for (const bool thin : {false, true})
                for (const int size : {8, 26, 48, 96})
                    QTest::addRow("%s, %s strips, size %d", o.name, thin ? "thin" : "thick", size)
                        << o.group << o.index << QStringLiteral("EMMA 2026") << thin << size;
        QTest::newRow("long name on the heart")
            << 0 << 9 << QStringLiteral("Alexandra-Josephine") << false << 26;
    }

    // Along any outline, at any size: every letter inside the ring, no letter
    // over another, words whole and in reading order, upright from in front.
    void letteringAlongTheFrame()
    {
        QFETCH(int, group);
        QFETCH(int, index);
        QFETCH(QString, words);
        QFETCH(bool, thin);
        QFETCH(int, size);
        const LMOutlineShapes shapes = catalogueShapes(group, index, 5);
        LMFrameTextSettings text;
        text.setText(words);
        text.setFont(QFont(QStringLiteral("Arial"), size));
        QImage target(8, 8, QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&target);
        const auto placed =
            LMFrameTextPainter::paint(painter, shapes.outline, text, 5, thin, false, &shapes.frame);
        painter.end();
        QVERIFY(placed.size() > 20);
        QCOMPARE(text.font().pointSize(), size); // the fit leaves the chosen size alone

        QHash<int, QList<int>> byWord;
        for (int i = 0; i < placed.size(); ++i)
            byWord[placed[i].word] << i;
        const QString letters = QString(words).remove(QLatin1Char(' '));
        for (auto it = byWord.cbegin(); it != byWord.cend(); ++it) {
            const QList<int> &word = it.value();
            if (placed[word.first()].separator)
                continue;
            QString spelled;
            for (const int i : word)
                spelled += placed[i].character;
            QCOMPARE(spelled, letters); // whole
            for (int k = 1; k < word.size(); ++k) {
                // Each letter further along the reading direction than the last.
                const auto &a = placed[word[k - 1]], &b = placed[word[k]];
                const QPointF reading(-a.up.y(), a.up.x());
                QVERIFY(QPointF::dotProduct(centreOf(b.probe) - centreOf(a.probe), reading) > 0);
            }
        }
        for (int i = 0; i < placed.size(); ++i) {
            const auto &a = placed[i];
            // Never upside down for someone in front of the insert.
            QVERIFY2(a.up.y() < 0.1, qPrintable(QString(a.character)));
            for (const QPointF &corner : a.probe)
                QVERIFY2(shapes.frame.contains(corner), qPrintable(QString(a.character)));
            for (int j = i + 1; j < placed.size(); ++j) {
                const auto &b = placed[j];
                // Neighbours in a word are set by the font; any others stay apart.
                const bool neighbours = a.word == b.word && std::abs(i - j) == 1;
                if (!neighbours && a.probe.boundingRect().intersects(b.probe.boundingRect()))
                    QVERIFY2(
                        !a.probe.intersects(b.probe),
                        qPrintable(QStringLiteral("%1 over %2").arg(a.character).arg(b.character)));
            }
        }
    }

    void glyphCache()
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
        QFont font = text.font();
        font.setPointSize(40);
        const std::function<void()> looks[] = {
            [&] { text.setColors(Qt::green, text.fillColor()); }, [&] { text.setStroke(true); },
            [&] { text.setEdgeWidth(3); }, [&] { text.setFont(font); }};
        for (const auto &look : looks) {
            text.nextGlyph();
            look();
            QCOMPARE(text.cachedGlyphs(), 0);
        }

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

    void lettersFitTheirRow_data()
    {
        QTest::addColumn<bool>("thin");
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("stroke");
        QTest::addColumn<bool>("reduced");
        for (const bool thin : {false, true}) {
            for (const int size : {8, 26, 48, 96})
                QTest::addRow("%s strips, size %d", thin ? "thin" : "thick", size)
                    << thin << size << false << (thin || size >= 26);
        }
        QTest::newRow("thick strips, size 26 with a wide edge") << false << 26 << true << true;
    }

    // No glyph is taller than its row holds, edge included; a size that fits is
    // drawn as chosen, and the chosen font is never changed by the fit.
    void lettersFitTheirRow()
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
        QCOMPARE(text.isReduced(), !thin || size >= 26);
    }

    // Three thin strips, size 26: the letters stay inside their strips, so no cut
    // line between strips has a letter's pixel on it.
    void thinStripsKeepTheirLetters()
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
                    QVERIFY2(
                        qRed(sheet.pixel(x, y)) < 200 || qGreen(sheet.pixel(x, y)) > 100,
                        qPrintable(QStringLiteral("letter on the cut at %1, %2").arg(x).arg(y)));
            for (const int y : in.strips.stripCentres(top))
                for (int x = area.left(); x <= area.right(); ++x)
                    letters += qRed(sheet.pixel(x, y)) > 200 && qGreen(sheet.pixel(x, y)) < 100;
        }
        QVERIFY(letters > 0);
    }

    void sheetSeenInParts_data()
    {
        QTest::addColumn<bool>("landscape");
        QTest::addColumn<bool>("tiled");
        QTest::newRow("landscape, tiled") << true << true;
        QTest::newRow("portrait (turned), stretched") << false << false;
    }

    // On screen at 100 % the sheet is drawn as far as it is seen, and the rest as
    // it scrolls into view: every part shows the pixels of the whole sheet.
    void sheetSeenInParts()
    {
        QFETCH(bool, landscape);
        QFETCH(bool, tiled);
        LMFrameTextSettings text;
        text.setText(QStringLiteral("EMMA 2026 "));
        QImage texture(64, 48, QImage::Format_RGB32);
        for (int y = 0; y < 48; ++y)
            for (int x = 0; x < 64; ++x)
                texture.setPixel(x, y, qRgb(4 * x, 5 * y, 128));
        LMStripSheetInputs in;
        in.page = landscape ? QSize(837, 648) : QSize(648, 837);
        in.landscape = landscape;
        in.printable = QRect(QPoint(30, 30), in.page - QSize(61, 61));
        in.strips.count = 2;
        in.texture = texture;
        in.textureTiled = tiled;
        in.text = &text;
        const QImage whole = LMStripSheet().render(in);
        LMStripSheet seen;
        QImage view(300, 200, QImage::Format_RGB32);
        for (const QPoint &scrolled : {QPoint(100, 120), QPoint(250, 300), QPoint(40, 220)}) {
            view.fill(Qt::black);
            QPainter painter(&view);
            painter.translate(-scrolled);
            seen.paint(painter, in);
            painter.end();
            QCOMPARE(view, whole.copy(QRect(scrolled, view.size())));
        }
    }

    void letteringSetsWholeWords_data()
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
    void letteringSetsWholeWords()
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
            QVERIFY(qAbs(line.glyphs.at(at++).x - start -
                         metrics.horizontalAdvance(text.left(i))) <= 1);
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

    void bands_data()
    {
        QTest::addColumn<bool>("thin");
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("sides");
        QTest::addColumn<int>("height");
        QTest::addColumn<QList<int>>("lines");   // cut lines across the band at top 0
        QTest::addColumn<QList<int>>("centres"); // the strips' text rows
        QTest::newRow("thick, 3, sides")
            << false << 3 << true << 162 << QList<int>{27, 135, 63, 99} << QList<int>{45, 81, 117};
        QTest::newRow("thick, 2") << false << 2 << false << 72 << QList<int>{36}
                                  << QList<int>{18, 54};
        QTest::newRow("thick, 1, sides")
            << false << 1 << true << 90 << QList<int>{27, 63} << QList<int>{45};
        QTest::newRow("thin, 1") << true << 1 << false << 12 << QList<int>{} << QList<int>{6};
        QTest::newRow("thin, 3, sides")
            << true << 3 << true << 60 << QList<int>{12, 48, 24, 36} << QList<int>{18, 30, 42};
    }

    void bands()
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
        QCOMPARE(g.sideLines(0) + g.separators(0), lines);
        QCOMPARE(g.stripCentres(0), centres);
        // Bands 15 pixels apart, all inside the area with 3 pixels to spare...
        const QRect area(0, 0, 900, 600);
        const QList<int> tops = g.bandTops(area);
        QVERIFY(!tops.isEmpty());
        QCOMPARE(tops.first(), 3);
        for (int i = 1; i < tops.size(); ++i)
            QCOMPARE(tops[i] - tops[i - 1], height + 15);
        QVERIFY(tops.last() + height < area.bottom() - 3);
        QVERIFY(tops.last() + height + 15 + height >= area.bottom() - 3);
        // ...and none on a page too small for one.
        QCOMPARE(g.bandTops(QRect(0, 0, 500, height + 8)).size(), 1);
        QVERIFY(g.bandTops(QRect(0, 0, 500, height + 7)).isEmpty());
    }

    void sheetArea_data()
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

    void sheetArea()
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
};

QTEST_MAIN(TestFrameText)

#include "tst_frametext.moc"
