#include "../common/Golden.h"
#include "app/LMResources.h"
#include "model/LMNewDesign.h"
#include "model/LMPageDetail.h"
#include "model/LMPaperTable.h"
#include "model/outlines/LMArtFrameFactory.h"
#include "model/output/LMOutputPlan.h"
#include "model/output/LMPrinting.h"

#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The design on paper, through the real print path into PDFs that poppler
// reads back: the sheet's size, where things land, and how sharp they are.
class TestPrinting : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        lmInitResources();
        m_catalogue = new LMArtFrameFactory(this);
        QVERIFY(m_dir.isValid());
        if (QProcess::execute(QStringLiteral("pdfinfo"), {QStringLiteral("-v")}) < 0)
            QSKIP("poppler-utils are not installed");
    }

    void unwritableTargetIsAFailure()
    {
        QString error;
        const LMDocument doc = design(0, true);
        QVERIFY(!LMPrinting::writePdf(m_dir.filePath(QStringLiteral("no/where.pdf")), doc,
                                      m_catalogue->shapesOf(0, 0, 1), {}, &error));
        QVERIFY2(error.contains(QStringLiteral("where.pdf")), qPrintable(error));
        QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("no/where.pdf"))));
    }

    void namesAndSheetsLandInPlace_data()
    {
        QTest::addColumn<int>("row");     // the design's paper
        QTest::addColumn<int>("sheetId"); // -1: one insert per sheet
        QTest::addColumn<int>("names");
        QTest::addColumn<int>("pages");
        QTest::newRow("Letter, a page per name") << 0 << -1 << 3 << 3;
        QTest::newRow("A7 on A4, names on two sheets") << 10 << 0 << 6 << 2;
        QTest::newRow("B8 on A4, turned, a sheet of the design") << 22 << 0 << 0 << 1;
    }

    // Every insert prints where it would alone: its red square at 10..20 mm from
    // the insert's corner, turned with the insert; each name takes the frame
    // text's place.
    void namesAndSheetsLandInPlace()
    {
        QFETCH(int, row);
        QFETCH(int, sheetId);
        QFETCH(int, names);
        QFETCH(int, pages);
        LMDocument doc = design(row, row == 0);
        doc.flags.setFrameEffectOn(true);
        doc.flags.setFrameTextOn(true);
        doc.flags.setFrameIndex(5);
        for (int i = 0; i < names; ++i)
            doc.frameTextNames << QStringLiteral("NAME %1").arg(i + 1);
        LMOutputJob job;
        job.sheetPaperId = sheetId;
        const LMOutputPlan plan = LMOutputPlan::of(doc, job);
        QCOMPARE(int(plan.pages.size()), pages);
        const QString path = pdf(doc, job);
        QVERIFY(pdfInfo(path).contains(QStringLiteral("Pages:           %1").arg(pages)));

        const int dpi = 100;
        const double perMm = dpi / 25.4;
        const auto isRed = [](QRgb c) { return qRed(c) > 200 && qGreen(c) < 90 && qBlue(c) < 90; };
        for (int p = 0; p < pages; ++p) {
            const QImage page = rendered(path, dpi, p + 1);
            QVERIFY(!page.isNull());
            for (const LMOutputPlan::Insert &insert : plan.pages[p]) {
                // The square's place on the sheet, in mm: (x, y) on an insert H
                // high lands at (H - y, x) once turned a quarter clockwise.
                const double h = insert.place.width();
                const QRectF square =
                    insert.turned ? QRectF(h - 20, 10, 10, 10) : QRectF(10, 10, 10, 10);
                const QRectF onSheet = square.translated(insert.place.topLeft());
                const auto at = [&](double x, double y) {
                    return page.pixel(qRound(x * perMm), qRound(y * perMm));
                };
                QVERIFY2(isRed(at(onSheet.center().x(), onSheet.center().y())),
                         qPrintable(QStringLiteral("page %1, insert at %2,%3")
                                        .arg(p + 1)
                                        .arg(insert.place.x())
                                        .arg(insert.place.y())));
                for (const QPointF &beside :
                     {QPointF(-1.5, 5), QPointF(11.5, 5), QPointF(5, -1.5), QPointF(5, 11.5)})
                    QVERIFY(!isRed(at(onSheet.left() + beside.x(), onSheet.top() + beside.y())));
            }
        }
        if (names < 2 || sheetId >= 0)
            return;
        // Alone, the first name's page is the design with that name as its text.
        LMDocument first = doc;
        first.frameTextNames.clear();
        first.frameText = QStringLiteral("NAME 1");
        const QImage expected = rendered(pdf(first), 50);
        QCOMPARE(rendered(path, 50, 1), expected);
        QVERIFY(rendered(path, 50, 2) != expected);
    }

private:
    // A design on `row` with a red square at page pixels 30..59.
    LMDocument design(int row, bool landscape) const;
    QString pdf(const LMDocument &doc, const LMOutputJob &job = {});
    // The page rendered by poppler; only the part `crop` when it is given.
    QImage rendered(const QString &pdfPath, int dpi, int page = 1, const QRect &crop = {}) const;
    static QString pdfInfo(const QString &pdfPath);

    QTemporaryDir m_dir;
    LMArtFrameFactory *m_catalogue = nullptr;
    int m_count = 0;
};

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

QImage TestPrinting::rendered(const QString &pdfPath, int dpi, int page, const QRect &crop) const
{
    const QString stem = pdfPath + QStringLiteral(".r%1").arg(page);
    QStringList args{QStringLiteral("-f"),  QString::number(page), QStringLiteral("-l"),
                     QString::number(page), QStringLiteral("-r"),  QString::number(dpi)};
    if (!crop.isEmpty())
        args << QStringLiteral("-x") << QString::number(crop.x()) << QStringLiteral("-y")
             << QString::number(crop.y()) << QStringLiteral("-W") << QString::number(crop.width())
             << QStringLiteral("-H") << QString::number(crop.height());
    QProcess::execute(QStringLiteral("pdftoppm"), args << QStringLiteral("-png")
                                                       << QStringLiteral("-singlefile") << pdfPath
                                                       << stem);
    return QImage(stem + QStringLiteral(".png"));
}

QString TestPrinting::pdfInfo(const QString &pdfPath)
{
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdfPath});
    info.waitForFinished();
    return QString::fromLatin1(info.readAllStandardOutput());
}

QTEST_MAIN(TestPrinting)

#include "tst_printing.moc"
