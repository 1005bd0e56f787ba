#include "app/LMResources.h"
#include "model/LMNewDesign.h"
#include "model/LMPageDetail.h"
#include "model/LMPaperTable.h"
#include "model/outlines/LMArtFrameFactory.h"
#include "model/output/LMPrinting.h"

#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

// The design on paper, through the real print path into PDFs that poppler
// reads back: the sheet's size, where things land, and how sharp they are.
class TestPrinting : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void pageSizeInPoints_data();
    void pageSizeInPoints();
    void contentLandsInPlace_data();
    void contentLandsInPlace();
    void cuttingLineIsSharp();
    void stripSheetPage();
    void unwritableTargetIsAFailure();

private:
    // A design on `row` with a red square at page pixels 30..59.
    LMDocument design(int row, bool landscape) const;
    QString pdf(const LMDocument &doc, const LMOutputJob &job = {});
    QImage rendered(const QString &pdfPath, int dpi) const;

    QTemporaryDir m_dir;
    LMArtFrameFactory *m_catalogue = nullptr;
    int m_count = 0;
};

void TestPrinting::initTestCase()
{
    lmInitResources();
    m_catalogue = new LMArtFrameFactory(this);
    QVERIFY(m_dir.isValid());
    if (QProcess::execute(QStringLiteral("pdfinfo"), {QStringLiteral("-v")}) < 0)
        QSKIP("poppler-utils are not installed");
}

LMDocument TestPrinting::design(int row, bool landscape) const
{
    LMDocument doc = LMNewDesign::blank(*m_catalogue->outlineOf(0, 0));
    doc.flags.setPaperId(LMPaperTable::rows()[row].pageSizeId);
    doc.flags.setLandscape(landscape);
    // Drawn at the detail a new design on this paper has, the standard page beside it.
    const QSize size = LMPaperTable::pixelSize(row, landscape);
    const int k = LMPageDetail::forPage(size);
    QImage fine = LMPageDetail::whitePage(size, k);
    fine.setDevicePixelRatio(k);
    QPainter(&fine).fillRect(QRect(30, 30, 30, 30), Qt::red);
    doc.page = LMPageDetail::standardOf(fine, size);
    fine.setDevicePixelRatio(1);
    doc.finePage = k > 1 ? fine : QImage();
    return doc;
}

QString TestPrinting::pdf(const LMDocument &doc, const LMOutputJob &job)
{
    const QString path = m_dir.filePath(QStringLiteral("out%1.pdf").arg(++m_count));
    QString error;
    const LMOutlineShapes shapes =
        m_catalogue->shapesOf(doc.outlineGroup, doc.outlineIndex, doc.flags.frameIndex());
    if (!LMPrinting::writePdf(path, doc, shapes, job, &error))
        qWarning("%s", qPrintable(error));
    return path;
}

QImage TestPrinting::rendered(const QString &pdfPath, int dpi) const
{
    const QString stem = pdfPath + QStringLiteral(".r");
    QProcess::execute(QStringLiteral("pdftoppm"),
                      {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-png"),
                       QStringLiteral("-singlefile"), pdfPath, stem});
    return QImage(stem + QStringLiteral(".png"));
}

void TestPrinting::pageSizeInPoints_data()
{
    QTest::addColumn<QString>("paper");
    QTest::addColumn<bool>("landscape");
    QTest::addColumn<QString>("points");
    QTest::newRow("Letter, landscape") << "Letter" << true << "792 x 612";
    QTest::newRow("Letter, portrait") << "Letter" << false << "612 x 792";
    QTest::newRow("A4, portrait") << "A4" << false << "595 x 842";
    QTest::newRow("A5, landscape") << "A5" << true << "595 x 420";
    // Ledger is wide in portrait too, and turns tall in landscape.
    QTest::newRow("Ledger, portrait") << "Ledger" << false << "1224 x 792";
    QTest::newRow("Ledger, landscape") << "Ledger" << true << "792 x 1224";
}

void TestPrinting::pageSizeInPoints()
{
    QFETCH(QString, paper);
    QFETCH(bool, landscape);
    QFETCH(QString, points);
    int row = 0;
    while (!QString::fromLatin1(LMPaperTable::rows()[row].name).startsWith(paper))
        ++row;
    const QString path = pdf(design(row, landscape));
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {path});
    QVERIFY(info.waitForFinished());
    const QString out = QString::fromLatin1(info.readAllStandardOutput());
    QVERIFY2(out.contains(QStringLiteral("Pages:           1")), qPrintable(out));
    const QRegularExpressionMatch size =
        QRegularExpression(QStringLiteral("Page size:\\s+([0-9.]+ x [0-9.]+) pts")).match(out);
    QCOMPARE(size.captured(1), points);
}

void TestPrinting::contentLandsInPlace_data()
{
    QTest::addColumn<QPointF>("offsetMm");
    QTest::newRow("as placed") << QPointF();
    QTest::newRow("moved by the print offset") << QPointF(5, -2);
}

// The square at page pixels 30..59 (10..20 mm) prints at 10..20 mm, moved by
// the offset, to within half a page pixel.
void TestPrinting::contentLandsInPlace()
{
    QFETCH(QPointF, offsetMm);
    LMOutputJob job;
    job.printOffsetMm = offsetMm;
    const QImage page = rendered(pdf(design(0, true), job), 300);
    QVERIFY(!page.isNull());
    const double perMm = 300 / 25.4;
    QRect ink;
    for (int y = 0; y < 400; ++y)
        for (int x = 0; x < 400; ++x)
            if (qRed(page.pixel(x, y)) > 200 && qGreen(page.pixel(x, y)) < 128) // half-way edges
                ink |= QRect(x, y, 1, 1);
    const QRectF expected(QPointF((10 + offsetMm.x()) * perMm, (10 + offsetMm.y()) * perMm),
                          QSizeF(10 * perMm, 10 * perMm));
    const double half = perMm / 6; // half a page pixel
    QVERIFY2(qAbs(ink.left() - expected.left()) <= half + 1 &&
                 qAbs(ink.top() - expected.top()) <= half + 1 &&
                 qAbs(ink.right() + 1 - expected.right()) <= half + 1 &&
                 qAbs(ink.bottom() + 1 - expected.bottom()) <= half + 1,
             qPrintable(QStringLiteral("ink %1,%2 %3x%4")
                            .arg(ink.x())
                            .arg(ink.y())
                            .arg(ink.width())
                            .arg(ink.height())));
}

// At 300 dpi the cutting line is drawn at that resolution: no wider than
// twice its width of 2 page pixels (0.67 mm, about 8 dots).
void TestPrinting::cuttingLineIsSharp()
{
    const LMDocument doc = design(0, true);
    const QImage page = rendered(pdf(doc), 300);
    const double perPixel = 300 / 25.4 / 3;
    // Down a column near the middle from the top: the first dark run is the
    // line (a column through a white dash shows none, so try a few).
    int x = page.width() / 2, y = page.height();
    for (int tries = 0; tries < 40 && y >= page.height() / 2; ++tries, ++x) {
        y = 0;
        while (y < page.height() / 2 && qGray(page.pixel(x, y)) > 200)
            ++y;
    }
    QVERIFY(y < page.height() / 2);
    int dark = 0;
    for (int yy = y; yy < y + 60; ++yy)
        dark += qGray(page.pixel(x, yy)) < 200;
    QVERIFY2(dark <= 2 * 2 * perPixel, qPrintable(QString::number(dark)));
    // And it sits where the outline is placed on the page.
    const double expectedTop =
        (doc.outlineOffset.y() + m_catalogue->outlineOf(0, 0)->boundingRect().top()) * perPixel;
    QVERIFY2(qAbs(y - expectedTop) <= perPixel * 1.5 + 2, qPrintable(QString::number(y)));
}

void TestPrinting::stripSheetPage()
{
    LMDocument doc = design(0, true);
    doc.flags.setStripCount(2);
    LMOutputJob job;
    job.strips = true;
    const QImage sheet = rendered(pdf(doc, job), 150);
    const double perPixel = 150 / 25.4 / 3;
    // The first band starts 3 pixels inside the 10 mm margin, in metal.
    const int top = qRound((30 + 3) * perPixel);
    QCOMPARE(sheet.pixelColor(sheet.width() / 2, top - 6), QColor(Qt::white));
    const QColor metal = sheet.pixelColor(sheet.width() / 2, top + 20);
    QVERIFY2(metal != QColor(Qt::white) && metal.saturation() < 60, qPrintable(metal.name()));
    // Its dashed top edge: mostly black along the band.
    int black = 0;
    for (int x = sheet.width() / 4; x < sheet.width() * 3 / 4; ++x)
        for (int dy = -1; dy <= 1; ++dy)
            black += qGray(sheet.pixel(x, top + dy)) < 80;
    QVERIFY2(black > sheet.width() / 6, qPrintable(QString::number(black)));
}

void TestPrinting::unwritableTargetIsAFailure()
{
    QString error;
    const LMDocument doc = design(0, true);
    QVERIFY(!LMPrinting::writePdf(m_dir.filePath(QStringLiteral("no/where.pdf")), doc,
                                  m_catalogue->shapesOf(0, 0, 1), {}, &error));
    QVERIFY2(error.contains(QStringLiteral("where.pdf")), qPrintable(error));
    QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("no/where.pdf"))));
}

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
