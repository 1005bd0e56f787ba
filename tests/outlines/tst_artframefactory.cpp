#include "app/LMResources.h"
#include "canvas/LMGraphView.h"
#include "model/outlines/LMArtFrameFactory.h"

#include <QTest>

class TestArtFrameFactory : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void outlinesAreReadOnce();
    void outOfRange();
    void frameRings_data();
    void frameRings();
    void narrowerOutlineLowersTheFrameLevel();
    void toCenter_data();
    void toCenter();
    void printableCheck_data();
    void printableCheck();

private:
    LMGraphView *m_view = nullptr;
    LMArtFrameFactory *m_catalogue = nullptr;
};

void TestArtFrameFactory::initTestCase()
{
    lmInitResources();
}

void TestArtFrameFactory::init()
{
    m_view = new LMGraphView(nullptr);
    m_view->setPage(837, 648, 1.0);
    m_catalogue = new LMArtFrameFactory;
    m_view->setCatalogue(m_catalogue);
}

void TestArtFrameFactory::cleanup()
{
    delete m_catalogue;
    delete m_view;
}

// Start-up reads the first outline only; any other is read when first asked
// for, and once.
void TestArtFrameFactory::outlinesAreReadOnce()
{
    QCOMPARE(m_catalogue->groupCount(), 6);
    int read = 0;
    for (int g = 0; g < m_catalogue->groupCount(); ++g)
        read += m_catalogue->group(g)->outlinesRead();
    QCOMPARE(read, 1);
    QVERIFY(!m_catalogue->outlinePath().isEmpty());
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

void TestArtFrameFactory::outOfRange()
{
    QVERIFY(!m_catalogue->outlineOf(6, 0));
    QVERIFY(!m_catalogue->outlineOf(0, 15));
    QVERIFY(!m_catalogue->outlineOf(-1, 0));
    const QPainterPath before = m_catalogue->outlinePath();
    m_catalogue->selectOutline(0, 99);
    QCOMPARE(m_catalogue->frameLevelCount(), 0);
    QCOMPARE(m_catalogue->outlinePath(), before); // rebuilding changed nothing
}

void TestArtFrameFactory::frameRings_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<bool>("ring");
    QTest::newRow("level 0: none") << 0 << false;
    QTest::newRow("level 1") << 1 << true;
    QTest::newRow("level 5, the widest") << 5 << true;
    QTest::newRow("level 6: the outline has no such contour") << 6 << false;
}

void TestArtFrameFactory::frameRings()
{
    QFETCH(int, level);
    QFETCH(bool, ring);
    QCOMPARE(m_catalogue->frameLevelCount(), 5); // LS01 has six paths
    m_view->setFrameIndex(level);
    QCOMPARE(m_catalogue->framePath().isEmpty(), !ring);
    if (!ring)
        return;
    const QPainterPath outline = m_catalogue->outlinePath();
    const QRectF box = outline.boundingRect();
    const double inset = QList<double>{0, 9, 18, 36, 72, 108}[level];
    // Inside the ring: just inside the outline. Outside it: the middle, and beyond the inset.
    QVERIFY(m_catalogue->framePath().contains(QPointF(box.center().x(), box.top() + inset / 2)));
    QVERIFY(!m_catalogue->framePath().contains(box.center()));
    QVERIFY(!m_catalogue->framePath().contains(QPointF(box.center().x(), box.top() + inset + 2)));
    QCOMPARE(m_catalogue->frameOuterPath(), outline);
    QCOMPARE(m_catalogue->frameInnerPath().boundingRect().top(), box.top() + inset);
}

void TestArtFrameFactory::narrowerOutlineLowersTheFrameLevel()
{
    m_view->setFrameIndex(5);
    m_catalogue->selectOutline(2, 0); // a card outline has three levels
    QCOMPARE(m_catalogue->frameLevelCount(), 3);
    QCOMPARE(m_view->flags().frameIndex(), 3);
    QVERIFY(!m_catalogue->framePath().isEmpty());
}

void TestArtFrameFactory::toCenter_data()
{
    QTest::addColumn<QSize>("page");
    QTest::addColumn<QPoint>("offset");
    // Outlines are centred on their origin, so the offset is the page's middle pixel.
    QTest::newRow("A5 portrait") << QSize(444, 630) << QPoint(221, 314);
    QTest::newRow("one pixel") << QSize(1, 1) << QPoint(0, 0);
}

void TestArtFrameFactory::toCenter()
{
    QFETCH(QSize, page);
    QFETCH(QPoint, offset);
    m_view->setPage(page.width(), page.height(), 1.0);
    m_view->slot_ToCenter();
    QCOMPARE(m_view->outlineOffset(), offset);
}

void TestArtFrameFactory::printableCheck_data()
{
    QTest::addColumn<double>("margin"); // millimetres on every side
    QTest::addColumn<QPoint>("shift");
    QTest::addColumn<bool>("outside");
    // LS01 is 737 x 557 on an 837 x 648 page: 50 and 45 pixels to spare.
    QTest::newRow("inside 10 mm margins") << 10.0 << QPoint(0, 0) << false;
    QTest::newRow("margins it crosses") << 16.0 << QPoint(0, 0) << true;
    QTest::newRow("moved across the right margin") << 10.0 << QPoint(25, 0) << true;
    QTest::newRow("moved, still inside") << 10.0 << QPoint(15, 10) << false;
}

void TestArtFrameFactory::printableCheck()
{
    QFETCH(double, margin);
    QFETCH(QPoint, shift);
    QFETCH(bool, outside);
    m_view->setMargins(margin, margin, margin, margin);
    m_view->setOutlineOffset(m_view->outlineOffset() + shift);
    QCOMPARE(m_view->flags().outsidePrintable(), outside);
}

QTEST_MAIN(TestArtFrameFactory)
#include "tst_artframefactory.moc"
