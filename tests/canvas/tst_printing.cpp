#include "../common/Golden.h"
#include "app/LMResources.h"
#include "model/LMNewDesign.h"
#include "model/LMPageDetail.h"
#include "model/LMPaperTable.h"
#include "model/outlines/LMArtFrameFactory.h"
#include "model/output/LMOutputPlan.h"
#include "model/output/LMPrinting.h"
#include "model/output/LMSheetLayout.h"

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
    void initTestCase()
    {
        lmInitResources();
        m_catalogue = new LMArtFrameFactory(this);
        QVERIFY(m_dir.isValid());
        if (QProcess::execute(QStringLiteral("pdfinfo"), {QStringLiteral("-v")}) < 0)
            QSKIP("poppler-utils are not installed");
    }

    void sheetAndContentInPlace_data()
    {
        QTest::addColumn<QString>("paper");
        QTest::addColumn<bool>("landscape");
        QTest::addColumn<QPointF>("offsetMm");
        QTest::addColumn<QString>("points");
        QTest::newRow("Letter, landscape") << "Letter" << true << QPointF() << "792 x 612";
        QTest::newRow("Letter, landscape, moved by the print offset")
            << "Letter" << true << QPointF(5, -2) << "792 x 612";
        QTest::newRow("Letter, portrait") << "Letter" << false << QPointF() << "612 x 792";
        QTest::newRow("A4, portrait") << "A4" << false << QPointF() << "595 x 842";
        QTest::newRow("A5, landscape") << "A5" << true << QPointF() << "595 x 420";
        // Ledger is wide in portrait too, and turns tall in landscape.
        QTest::newRow("Ledger, portrait") << "Ledger" << false << QPointF() << "1224 x 792";
        QTest::newRow("Ledger, landscape") << "Ledger" << true << QPointF() << "792 x 1224";
    }

    // One sheet of the paper's size; the square at page pixels 30..59 (10..20 mm)
    // prints at 10..20 mm, moved by the print offset, to within half a page pixel.
    void sheetAndContentInPlace()
    {
        QFETCH(QString, paper);
        QFETCH(bool, landscape);
        QFETCH(QPointF, offsetMm);
        QFETCH(QString, points);
        int row = 0;
        while (!QString::fromLatin1(LMPaperTable::rows()[row].name).startsWith(paper))
            ++row;
        LMOutputJob job;
        job.printOffsetMm = offsetMm;
        const QString path = pdf(design(row, landscape), job);
        const QString info = pdfInfo(path);
        QVERIFY2(info.contains(QStringLiteral("Pages:           1")), qPrintable(info));
        QCOMPARE(QRegularExpression(QStringLiteral("Page size:\\s+([0-9.]+ x [0-9.]+) pts"))
                     .match(info)
                     .captured(1),
                 points);

        const QImage page = rendered(path, 300, 1, QRect(0, 0, 400, 400));
        QVERIFY(!page.isNull());
        const double perMm = 300 / 25.4;
        QRect ink;
        for (int y = 0; y < 400; ++y)
            for (int x = 0; x < 400; ++x)
                if (qRed(page.pixel(x, y)) > 200 &&
                    qGreen(page.pixel(x, y)) < 128) // half-way edges
                    ink |= QRect(x, y, 1, 1);
        const QRectF expected(QPointF((10 + offsetMm.x()) * perMm, (10 + offsetMm.y()) * perMm),
                              QSizeF(10 * perMm, 10 * perMm));
        const QRectF found(ink); // its right and bottom one past the last dot, as expected's
        for (const double miss :
             {found.left() - expected.left(), found.top() - expected.top(),
              found.right() - expected.right(), found.bottom() - expected.bottom()})
            QVERIFY2(qAbs(miss) <= perMm / 6 + 1, // half a page pixel, and a dot of rounding
                     qPrintable(QStringLiteral("ink %1,%2 %3x%4")
                                    .arg(ink.x())
                                    .arg(ink.y())
                                    .arg(ink.width())
                                    .arg(ink.height())));
    }

    // At 300 dpi the cutting line is drawn at that resolution, 2 page pixels
    // (0.67 mm) wide, where the outline is placed on the page: its top edge.
    void cuttingLineIsSharp()
    {
        const LMDocument doc = design(0, true);
        const double perPixel = 300 / 25.4 / 3;
        const QRectF outline =
            m_catalogue->outlineOf(0, 0)->boundingRect().translated(doc.outlineOffset);
        const QPoint top = (QPointF(outline.center().x(), outline.top()) * perPixel).toPoint();
        LM_COMPARE_GOLDEN(rendered(pdf(doc), 300, 1, QRect(top - QPoint(30, 15), QSize(60, 30))),
                          QStringLiteral("tst_printing_cutting_line"));
    }

    // The strip sheet: the first band 3 pixels inside the 10 mm margin, its top
    // edge dashed, the strips in metal.
    void stripSheetPage()
    {
        LMDocument doc = design(0, true);
        doc.flags.setStripCount(2);
        LMOutputJob job;
        job.strips = true;
        const int top = qRound((30 + 3) * 150 / 25.4 / 3);
        LM_COMPARE_GOLDEN(rendered(pdf(doc, job), 150, 1, QRect(800, top - 20, 100, 60)),
                          QStringLiteral("tst_printing_strip_sheet"));
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

    void sheetLayout_data()
    {
        QTest::addColumn<QSizeF>("insert");
        QTest::addColumn<QSizeF>("sheet");
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("turned");
        const QSizeF a4(210, 297), letter(215.9, 279.4), card(53.98, 85.6);
        QTest::newRow("A7 on A4") << QSizeF(74, 105) << a4 << 4 << false;
        QTest::newRow("A7 on Letter") << QSizeF(74, 105) << letter << 4 << false;
        QTest::newRow("A8 on A4") << QSizeF(52, 74) << a4 << 9 << false;
        QTest::newRow("A8 on Letter") << QSizeF(52, 74) << letter << 9 << false;
        QTest::newRow("B8 on A4, turned") << QSizeF(64, 91) << a4 << 8 << true;
        QTest::newRow("B8 on Letter, turned") << QSizeF(64, 91) << letter << 6 << true;
        QTest::newRow("card on A4") << card << a4 << 9 << false;
        QTest::newRow("card on Letter, turned") << card << letter << 8 << true;
        QTest::newRow("a landscape card on Letter") << card.transposed() << letter << 8 << false;
        QTest::newRow("A5 on A4, one") << QSizeF(148, 210) << a4 << 1 << false;
        QTest::newRow("A4 on A4: the margins leave no room") << a4 << a4 << 0 << false;
    }

    // As many as fit inside the 10 mm margins, none overlapping, and each
    // crop mark outside every insert.
    void sheetLayout()
    {
        QFETCH(QSizeF, insert);
        QFETCH(QSizeF, sheet);
        QFETCH(int, count);
        QFETCH(bool, turned);
        const LMSheetLayout::Layout layout = LMSheetLayout::layOut(sheet, insert, {10, 10, 10, 10});
        QCOMPARE(int(layout.places.size()), count);
        if (count == 0)
            return;
        QCOMPARE(layout.turned, turned);
        const QRectF room = QRectF(QPointF(0, 0), sheet).adjusted(10, 10, -10, -10);
        for (const QRectF &place : layout.places) {
            QVERIFY(room.adjusted(-1e-9, -1e-9, 1e-9, 1e-9).contains(place));
            QCOMPARE(place.size(), turned ? insert.transposed() : insert);
            for (const QRectF &other : layout.places)
                QVERIFY(&other == &place || !other.intersects(place));
            const QList<QLineF> marks = LMSheetLayout::cropMarks(place);
            QCOMPARE(marks.size(), 8);
            for (const QLineF &mark : marks) {
                QVERIFY(mark.length() > 1.5);
                // Along an edge of its own insert, from a corner outward.
                QVERIFY(mark.p1().x() == place.left() || mark.p1().x() == place.right() ||
                        mark.p1().y() == place.top() || mark.p1().y() == place.bottom());
                for (const QRectF &other : layout.places)
                    for (const QPointF &p : {mark.p1(), mark.p2(), mark.center()})
                        QVERIFY(!other.adjusted(-0.5, -0.5, 0.5, 0.5).contains(p));
            }
        }
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
