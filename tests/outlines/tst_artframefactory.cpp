#include "app/LMResources.h"
#include "model/LMDesign.h"
#include "model/outlines/LMArtFrameFactory.h"

#include <QTest>

class TestArtFrameFactory : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { lmInitResources(); }

    void init()
    {
        m_catalogue = new LMArtFrameFactory;
        m_design = new LMDesign(m_catalogue);
        m_design->setPaper(2, true, QSize(837, 648));
        m_design->centreOutline();
    }

    void cleanup()
    {
        delete m_design;
        delete m_catalogue;
    }

    // Start-up reads the first outline only; any other is read when first asked
    // for, and once.
    void outlinesAreReadOnce()
    {
        QCOMPARE(m_catalogue->groupCount(), 6);
        int read = 0;
        for (int g = 0; g < m_catalogue->groupCount(); ++g)
            read += m_catalogue->group(g)->outlinesRead();
        QCOMPARE(read, 1);
        QVERIFY(!m_design->outlinePath().isEmpty());
        QCOMPARE(m_catalogue->group(5)->maxHeight, 420); // what the buttons scale by

        LMArtFrameFactory::ConfigGroup *cards = m_catalogue->group(2);
        LMArtFrameFactory::Config *first = cards->configAt(7);
        QCOMPARE(cards->outlinesRead(), 1);
        cards->file->seek(0);
        QCOMPARE(cards->configAt(7), first);
        QCOMPARE(cards->outlinesRead(), 1);
        QCOMPARE(cards->file->pos(), qint64(0)); // the file was not touched
        QCOMPARE(m_catalogue->outlineOf(2, 7), first->outline());
    }

    void outOfRange()
    {
        QVERIFY(!m_catalogue->outlineOf(6, 0));
        QVERIFY(!m_catalogue->outlineOf(0, 15));
        QVERIFY(!m_catalogue->outlineOf(-1, 0));
        QCOMPARE(m_catalogue->frameLevelCount(0, 99), 0);
        const QPainterPath before = m_design->outlinePath();
        m_design->setModified(false);
        m_design->selectOutline(0, 99); // no such outline: the design keeps its own
        QCOMPARE(m_design->outlineIndex(), 0);
        QCOMPARE(m_design->outlinePath(), before);
        QVERIFY(!m_design->isModified());
    }

    void frameRings_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<bool>("ring");
        QTest::newRow("level 0: none") << 0 << false;
        QTest::newRow("level 1") << 1 << true;
        QTest::newRow("level 5, the widest") << 5 << true;
        QTest::newRow("level 6: the outline has no such contour") << 6 << false;
    }

    void frameRings()
    {
        QFETCH(int, level);
        QFETCH(bool, ring);
        QCOMPARE(m_design->frameLevelCount(), 5); // LS01 has six paths
        m_design->setFrameLevel(level);
        const LMOutlineShapes &shapes = m_design->shapes();
        QCOMPARE(shapes.frame.isEmpty(), !ring);
        if (!ring)
            return;
        const QPainterPath outline = m_design->outlinePath();
        const QRectF box = outline.boundingRect();
        const double inset = QList<double>{0, 9, 18, 36, 72, 108}[level];
        // Inside the ring: just inside the outline. Outside it: the middle, and beyond the inset.
        QVERIFY(shapes.frame.contains(QPointF(box.center().x(), box.top() + inset / 2)));
        QVERIFY(!shapes.frame.contains(box.center()));
        QVERIFY(!shapes.frame.contains(QPointF(box.center().x(), box.top() + inset + 2)));
        QCOMPARE(shapes.outer, outline);
        QCOMPARE(shapes.inner.boundingRect().top(), box.top() + inset);
        // A card outline picked next has three levels: a wider ring comes down to its widest.
        m_design->selectOutline(2, 0);
        QCOMPARE(m_design->frameLevelCount(), 3);
        QCOMPARE(m_design->frameLevel(), qMin(level, 3));
        QVERIFY(!m_design->shapes().frame.isEmpty());
    }

    void placement_data()
    {
        QTest::addColumn<QSize>("page");
        QTest::addColumn<QPoint>("offset"); // centred: the page's middle pixel
        QTest::addColumn<double>("margin"); // millimetres on every side
        QTest::addColumn<QPoint>("shift");
        QTest::addColumn<bool>("outside");
        // LS01 is 737 x 557 on an 837 x 648 page: 50 and 45 pixels to spare.
        const QSize letter(837, 648);
        QTest::newRow("inside 10 mm margins")
            << letter << QPoint(418, 323) << 10.0 << QPoint() << false;
        QTest::newRow("margins it crosses")
            << letter << QPoint(418, 323) << 16.0 << QPoint() << true;
        QTest::newRow("moved across the right margin")
            << letter << QPoint(418, 323) << 10.0 << QPoint(25, 0) << true;
        QTest::newRow("moved, still inside")
            << letter << QPoint(418, 323) << 10.0 << QPoint(15, 10) << false;
        QTest::newRow("A5 portrait, narrower than the outline")
            << QSize(444, 630) << QPoint(221, 314) << 0.0 << QPoint() << true;
        QTest::newRow("one pixel") << QSize(1, 1) << QPoint(0, 0) << 0.0 << QPoint() << true;
    }

    void placement()
    {
        QFETCH(QSize, page);
        QFETCH(QPoint, offset);
        QFETCH(double, margin);
        QFETCH(QPoint, shift);
        QFETCH(bool, outside);
        m_design->setPaper(2, true, page);
        m_design->centreOutline();
        // Outlines are centred on their origin.
        QCOMPARE(m_design->outlineOffset(), offset);
        m_design->setMargins(margin, margin, margin, margin);
        m_design->setOutlineOffset(offset + shift);
        QCOMPARE(m_design->outsidePrintable(), outside);
        QCOMPARE(m_design->toDocument().flags.outsidePrintable(), outside); // files keep it
    }

private:
    LMArtFrameFactory *m_catalogue = nullptr;
    LMDesign *m_design = nullptr;
};

QTEST_MAIN(TestArtFrameFactory)

#include "tst_artframefactory.moc"
