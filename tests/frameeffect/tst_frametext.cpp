#include "app/LMResources.h"
#include "model/frame/LMFrameTextPainter.h"
#include "model/frame/LMFrameTextSettings.h"
#include "model/outlines/LMArtFrameFactory.h"

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
};

QTEST_MAIN(TestFrameText)

#include "tst_frametext.moc"
