#include "model/LMPaperTable.h"

#include <QPageSize>
#include <QTest>

class TestPaperTable : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pixelSize_data();
    void pixelSize();
    void rowsMatchPrinterPageSizes();
};

void TestPaperTable::pixelSize_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("landscape");
    QTest::addColumn<QSize>("expected");
    QTest::newRow("Ledger portrait stays wide") << 2 << false << QSize(1296, 837);
    QTest::newRow("Tabloid, the last row") << 29 << false << QSize(837, 1296);
    QTest::newRow("past the table") << 30 << false << QSize(-1, -1);
    QTest::newRow("negative index") << -1 << true << QSize(-1, -1);
}

void TestPaperTable::pixelSize()
{
    QFETCH(int, row);
    QFETCH(bool, landscape);
    QFETCH(QSize, expected);
    QCOMPARE(LMPaperTable::pixelSize(row, landscape), expected);
}

// Each row must name the same paper for the printer; a wrong page size would
// print on the wrong sheet. Page-size numbers are unique.
void TestPaperTable::rowsMatchPrinterPageSizes()
{
    QSet<int> ids;
    for (const PaperEntry &row : LMPaperTable::rows()) {
        QVERIFY2(!ids.contains(row.pageSizeId), row.name);
        ids.insert(row.pageSizeId);
        QCOMPARE(LMPaperTable::printerPageSize(row.pageSizeId), row.printerSize);
        const QSizeF mm = QPageSize(row.printerSize).size(QPageSize::Millimeter);
        QVERIFY2(qAbs(mm.width() - row.widthMm) <= 1.0 && qAbs(mm.height() - row.heightMm) <= 1.0,
                 qPrintable(QStringLiteral("%1: printer says %2 x %3 mm")
                                .arg(QLatin1String(row.name))
                                .arg(mm.width())
                                .arg(mm.height())));
    }
    QCOMPARE(ids.size(), LMPaperTable::RowCount);
    // A number no row has prints on Letter.
    QCOMPARE(LMPaperTable::lastRowWithId(99), -1);
    QCOMPARE(LMPaperTable::printerPageSize(99), QPageSize::Letter);
}

QTEST_GUILESS_MAIN(TestPaperTable)
#include "tst_papertable.moc"
