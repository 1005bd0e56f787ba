#include "../common/WindowFixture.h"
#include "app/LMResources.h"
#include "model/LMDocumentFile.h"

#include <QComboBox>
#include <QTemporaryDir>

namespace {
// How far a pixel is from white paper towards full ink of any colour, 0..255.
int inkOf(QRgb pixel)
{
    return 255 - qMin(qRed(pixel), qMin(qGreen(pixel), qBlue(pixel)));
}

// Physical pixels between paper and ink along one row of the page, and how
// many edges they belong to: a sharp edge has at most two.
struct Edges {
    int soft = 0;
    int count = 0;
};
Edges edgesAlongRow(const QImage &page, int y, int fromX, int toX)
{
    Edges edges;
    bool inInk = false;
    for (int x = fromX; x < toX; ++x) {
        const int ink = inkOf(page.pixel(x, y));
        if (ink > 40 && ink < 215)
            ++edges.soft;
        const bool inInkNow = ink >= 128;
        edges.count += inInkNow != inInk;
        inInk = inInkNow;
    }
    return edges;
}
} // namespace

// What a user draws on a fine page stays sharp from the tool to the printout,
// and the Detail choice switches a design between fine and standard (its
// translations are tst_leftovers').
class TestFineDetail : public QObject, private WindowFixture {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        lmInitResources();
        QVERIFY(m_dir.isValid());
    }

    void init() { openWindow(); }

    void cleanup() { closeWindow(); }

    void edgesAreSharp_data()
    {
        QTest::addColumn<QString>("what");
        QTest::newRow("a line") << "line";
        QTest::newRow("a text") << "text";
        QTest::newRow("a photograph fitted to the page") << "picture";
    }

    // Drawn with the real tools on a new (fine) Letter page: every edge goes from
    // paper to ink within two physical pixels, where a standard page blown up
    // four times would take four or more.
    void edgesAreSharp()
    {
        QFETCH(QString, what);
        QCOMPARE(design()->detail(), 4);
        const QTransform toWidget = canvas()->transform(Matrix::DocToWidget);
        int row = 0; // document pixels
        if (what == QLatin1String("line")) {
            click("d00");
            // Upright, so the row crosses both of its sides.
            drag(toWidget.map(QPoint(200, 60)), toWidget.map(QPoint(200, 200)));
            row = 130;
        } else if (what == QLatin1String("text")) {
            click("d13");
            drag(toWidget.map(QPoint(120, 100)), toWidget.map(QPoint(520, 200)));
            QTest::keyClicks(canvas(), QStringLiteral("HIH"));
            row = 130;
        } else {
            QImage photo(4000, 3000, QImage::Format_RGB32);
            photo.fill(Qt::white);
            QPainter(&photo).fillRect(0, 0, 2001, 3000, Qt::black);
            QVERIFY(canvas()->placePicture(photo));
            row = 300;
        }
        click("d01"); // another tool: the work lands
        QCOMPARE(design()->history().index(), 0);
        const QImage &page = design()->page();
        const int k = design()->detail();
        const Edges edges = edgesAlongRow(page, (row * k) + k / 2, 0, page.width());
        QVERIFY2(edges.count >= 1, "no ink on the row");
        QVERIFY2(
            edges.soft <= 2 * edges.count,
            qPrintable(
                QStringLiteral("%1 soft pixels on %2 edges").arg(edges.soft).arg(edges.count)));
    }

    // Standard is one step that Undo takes back to the very same fine pixels; a
    // standard design is written as older versions write it, without a fine block.
    // Exports hold the page at its own detail: standard, fine, and the coarser fine
    // of a page too large for four times.
    void detailChoiceFlow()
    {
        QComboBox *choice = detailChoice();
        QVERIFY(choice && choice->isEnabled());
        QCOMPARE(choice->currentIndex(), 1); // Fine
        paint([](QPainter &painter) { painter.fillRect(QRectF(100.25, 100, 50, 50), Qt::blue); });
        const QImage fine = design()->page();
        QCOMPARE(exported().size(), QSize(3348, 2592));
        design()->setModified(false);

        choice->setFocus();
        QTest::keyClick(choice, Qt::Key_Up); // to Standard, as a user picks it
        QCOMPARE(design()->detail(), 1);
        QCOMPARE(design()->pageSize(), QSize(837, 648));
        QCOMPARE(exported().size(), QSize(837, 648));
        QCOMPARE(at(120, 120), QColor(Qt::blue));
        QCOMPARE(design()->history().index(), 1);
        QVERIFY(design()->isModified());
        const QByteArray standard = LMDocumentFile::write(design()->toDocument());
        QVERIFY(!standard.contains("LMFP"));

        QTest::mouseClick(ui()->btn_return, Qt::LeftButton);
        QCOMPARE(design()->detail(), 4);
        QCOMPARE(choice->currentIndex(), 1);
        QCOMPARE(design()->page(), fine);

        // New after opening a standard design is fine again.
        QTest::mouseClick(ui()->btn_redo, Qt::LeftButton);
        QCOMPARE(choice->currentIndex(), 0);
        design()->setModified(false);
        QTest::mouseClick(ui()->btn_new, Qt::LeftButton);
        QCOMPARE(design()->detail(), 4);
        QCOMPARE(choice->currentIndex(), 1);

        // A0 holds twice the detail; back on Letter the page is four times finer again.
        ui()->chk_horizonal->setChecked(false);
        const int a0 = ui()->cob_pasesetting->findText(QStringLiteral("A0"), Qt::MatchStartsWith);
        QVERIFY(a0 >= 0);
        ui()->cob_pasesetting->setCurrentIndex(a0);
        QCOMPARE(design()->detail(), 2);
        QCOMPARE(exported().size(), design()->pageSize() * 2);
        ui()->cob_pasesetting->setCurrentIndex(0);
        QCOMPARE(design()->detail(), 4);
    }

private:
    QComboBox *detailChoice() const
    {
        return m_window->findChild<QComboBox *>(QStringLiteral("cob_detail"));
    }
    void click(const char *button) const
    {
        QTest::mouseClick(m_window->findChild<QPushButton *>(QLatin1String(button)),
                          Qt::LeftButton);
    }
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestFineDetail)

#include "tst_finedetail.moc"
