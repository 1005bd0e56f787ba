#include "app/LMLanguageTable.h"
#include "app/LMResources.h"
#include "model/outlines/LMCatalogueFile.h"

#include <QDataStream>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

#include <cmath>

namespace {
const double Insets[] = {9, 18, 36, 72, 108};

// Distance from p to the closed polygon's edges.
double distanceToEdges(const QPointF &p, const QPolygonF &poly)
{
    double best = 1e300;
    for (int i = 0; i + 1 < poly.size(); ++i) {
        const QPointF a = poly[i], b = poly[i + 1];
        const QPointF ab = b - a;
        const double len2 = QPointF::dotProduct(ab, ab);
        const double t = len2 > 0 ? qBound(0.0, QPointF::dotProduct(p - a, ab) / len2, 1.0) : 0.0;
        best = std::min(best, QLineF(p, a + t * ab).length());
    }
    return best;
}

struct Group {
    const char *id;
    int count, maxWidth, maxHeight;
    int captionLine; // -1: not offered by the catalogue
};
const Group groups[] = {{"LS", 15, 837, 648, 84},   {"HLS", 15, 648, 419, 85},
                        {"CARD", 15, 267, 153, 88}, {"XL", 3, 915, 762, 89},
                        {"OTHER", 4, 459, 306, 90}, {"POCKET", 4, 324, 420, 91},
                        {"A4", 4, 891, 630, -1},    {"HA4", 4, 630, 444, -1}};
} // namespace

// The shipped outline catalogue against the rules it is made by.
class TestCatalogueData : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void group_data();
    void group();
    void leanFiles();
};

void TestCatalogueData::initTestCase()
{
    lmInitResources();
}

void TestCatalogueData::group_data()
{
    QTest::addColumn<int>("which");
    for (int i = 0; i < int(std::size(groups)); ++i)
        QTest::newRow(groups[i].id) << i;
}

void TestCatalogueData::group()
{
    QFETCH(int, which);
    const Group &g = groups[which];
    QFile file(QStringLiteral(":/path/%1.path").arg(QLatin1String(g.id)));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const std::optional<LMCatalogueFile::Header> header = LMCatalogueFile::readHeader(file);
    QVERIFY(header);
    QCOMPARE(header->count, g.count);
    QCOMPARE(header->maxWidth, g.maxWidth);
    QCOMPARE(header->maxHeight, g.maxHeight);

    // The outlines follow the header without gaps, in order.
    qint64 expectedOffset = 12 + 4 * qint64(g.count);
    double widest = 0, tallest = 0;
    for (int i = 0; i < g.count; ++i) {
        QCOMPARE(qint64(header->offsets[i]), expectedOffset);
        const QList<QPainterPath> paths = LMCatalogueFile::readOutline(file, *header, i);
        const QString code =
            QStringLiteral("%1%2").arg(QLatin1String(g.id)).arg(i + 1, 2, 10, QLatin1Char('0'));
        QVERIFY2(paths.size() >= 3 && paths.size() <= 6, qPrintable(code));
        expectedOffset = file.pos();

        const QRectF box = paths[0].boundingRect();
        QVERIFY2(qAbs(box.center().x()) < 1e-6 && qAbs(box.center().y()) < 1e-6, qPrintable(code));
        widest = std::max(widest, box.width());
        tallest = std::max(tallest, box.height());

        const QPolygonF outline = paths[0].toSubpathPolygons().first();
        for (int k = 0; k < paths.size(); ++k) {
            const QPainterPath &path = paths[k];
            const QString what = QStringLiteral("%1 path %2").arg(code).arg(k);
            // One closed subpath of straight lines.
            QCOMPARE(path.elementAt(0).type, QPainterPath::MoveToElement);
            for (int e = 1; e < path.elementCount(); ++e)
                QVERIFY2(path.elementAt(e).type == QPainterPath::LineToElement, qPrintable(what));
            QCOMPARE(QPointF(path.elementAt(0)), QPointF(path.elementAt(path.elementCount() - 1)));
            QCOMPARE(path.fillRule(), Qt::OddEvenFill);
            if (k == 0)
                continue;
            // Every point of contour k lies its level's inset inside the outline.
            QVERIFY2(paths[0].contains(path), qPrintable(what));
            const QPolygonF contour = path.toSubpathPolygons().first();
            for (int p = 0; p + 1 < contour.size(); ++p) {
                for (double t : {0.0, 0.5}) {
                    const QPointF at = contour[p] + t * (contour[p + 1] - contour[p]);
                    const double d = distanceToEdges(at, outline);
                    QVERIFY2(
                        qAbs(d - Insets[k - 1]) <= 0.5,
                        qPrintable(QStringLiteral("%1: %2 from the outline").arg(what).arg(d)));
                }
            }
        }
    }
    QCOMPARE(qint64(file.size()), expectedOffset);
    QCOMPARE(qRound(widest), g.maxWidth);
    QCOMPARE(qRound(tallest), g.maxHeight);

    // Start index 0 and fill rule 0 in every record, read from the raw bytes.
    file.seek(expectedOffset - 8);
    QDataStream tail(&file);
    qint32 start = -1, rule = -1;
    tail >> start >> rule;
    QCOMPARE(start, 0);
    QCOMPARE(rule, 0);

    // The page's caption names the same model codes as the file holds.
    if (g.captionLine >= 0) {
        QFile table(LMLanguageTable::resourcePath(QStringLiteral("enu")));
        QVERIFY(table.open(QIODevice::ReadOnly));
        const QString caption = LMLanguageTable::parse(table.readAll()).at(g.captionLine);
        const QString codes = QStringLiteral(" (%1%2–%1%3)")
                                  .arg(QLatin1String(g.id), QStringLiteral("01"))
                                  .arg(g.count, 2, 10, QLatin1Char('0'));
        QVERIFY2(caption.endsWith(codes), qPrintable(caption));
    }
}

void TestCatalogueData::leanFiles()
{
    qint64 total = 0;
    for (const Group &g : groups)
        total += QFile(QStringLiteral(":/path/%1.path").arg(QLatin1String(g.id))).size();
    QVERIFY2(total < 600 * 1024, qPrintable(QString::number(total)));
}

QTEST_GUILESS_MAIN(TestCatalogueData)
#include "tst_cataloguedata.moc"
