#include "app/LMResources.h"
#include "model/LMDesign.h"
#include "model/LMDocumentFile.h"
#include "model/outlines/LMArtFrameFactory.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include <functional>

namespace {
using Edit = std::function<void(LMDesign &)>;

// The program's state of the moment, which files write as zero.
LMViewFlags withoutTheMoment(LMViewFlags flags)
{
    flags.setOutlineEditing(false);
    flags.setFrameToolActive(false);
    flags.setMarginToolActive(false);
    flags.setStripMode(false);
    flags.setModified(false);
    flags.setFrameStage(0);
    flags.setOutputRendering(false);
    return flags;
}
} // namespace

Q_DECLARE_METATYPE(Edit)

class TestDesign : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void editsAreAnnouncedOnce_data();
    void editsAreAnnouncedOnce();
    void filesKeepTheDesignNotTheMoment();
    void reSavedFilesMatchOutsideTheMoment_data();
    void reSavedFilesMatchOutsideTheMoment();
    void fineDetail_data();
    void fineDetail();

private:
    LMArtFrameFactory *m_catalogue = nullptr;
    LMDesign *m_design = nullptr;
};

void TestDesign::initTestCase()
{
    lmInitResources();
    m_catalogue = new LMArtFrameFactory(this);
}

void TestDesign::init()
{
    m_design = new LMDesign(m_catalogue);
    m_design->setPaper(2, true, QSize(837, 648));
    m_design->setModified(false);
}

void TestDesign::cleanup()
{
    delete m_design;
}

void TestDesign::editsAreAnnouncedOnce_data()
{
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<bool>("saved"); // a value files keep: the design is modified
    QTest::addColumn<bool>("again"); // the same edit again changes nothing
    const auto row = [](const char *name, Edit edit, bool again = false) {
        QTest::newRow(name) << edit << true << again;
    };
    // What files do not keep is no change to the design.
    const auto unsaved = [](const char *name, Edit edit) {
        QTest::newRow(name) << edit << false << false;
    };
    row("frame on", [](LMDesign &d) { d.setFrameEffectOn(true); });
    row("frame text on", [](LMDesign &d) { d.setFrameTextOn(true); });
    row("texture", [](LMDesign &d) { d.setTexture(QStringLiteral("wood1")); });
    row("frame colour", [](LMDesign &d) { d.setFrameColor(Qt::green); });
    row("side colour", [](LMDesign &d) { d.setSideColor(Qt::yellow); });
    row("tiled at 40 %", [](LMDesign &d) { d.setTextureTiling(true, 40); });
    row("two strips", [](LMDesign &d) { d.setStripCount(2); });
    row("thin strips", [](LMDesign &d) { d.setStripType(true); });
    row("sides", [](LMDesign &d) { d.setUseHeight(true); });
    row("texture over the sides", [](LMDesign &d) { d.setExpandToSides(true); });
    row("frame level", [](LMDesign &d) { d.setFrameLevel(3); });
    row("frame text", [](LMDesign &d) { d.setFrameText(QStringLiteral("EMMA")); });
    row("frame text font",
        [](LMDesign &d) { d.setFrameTextFont(QFont(QStringLiteral("Arial"), 40)); });
    row("frame text fill", [](LMDesign &d) { d.setFrameTextColors(Qt::blue, Qt::black); });
    row("a list of names", [](LMDesign &d) {
        d.setFrameTextNames({QStringLiteral("Emma"), QStringLiteral(" "), QStringLiteral("Noah")});
    });
    row("clip to outline", [](LMDesign &d) { d.setClipToOutline(true); });
    row("outline turned", [](LMDesign &d) { d.setOutlineRotation(30); });
    row("outline moved", [](LMDesign &d) { d.setOutlineOffset(QPoint(300, 200)); });
    row("another outline", [](LMDesign &d) { d.selectOutline(2, 4); });
    row("another paper", [](LMDesign &d) { d.setPaper(0, false, QSize(630, 891)); });
    const Edit line = [](LMDesign &d) {
        d.paintPage([](QPainter &p) {
            p.drawLine(10, 10, 100, 100);
            return true;
        });
    };
    row("a drawing", line, true); // each drawing is a step, the same one again too
    unsaved("margins", [](LMDesign &d) { d.setMargins(5, 5, 5, 5); });
    unsaved("text edge colour", [](LMDesign &d) { d.setFrameTextColors(Qt::green, Qt::red); });
    unsaved("text edge width", [](LMDesign &d) { d.setFrameTextEdgeWidth(4); });
    unsaved("text outlined", [](LMDesign &d) { d.setFrameTextStroke(true); });
    unsaved("nothing drawn", [](LMDesign &d) { d.paintPage([](QPainter &) { return false; }); });
    unsaved("an outline the catalogue lacks", [](LMDesign &d) { d.selectOutline(0, 99); });
}

// Each edit of a saved value is one `changed` and one flip of the modified
// flag; the same value again, or a value files do not keep, is neither, and
// neither is marking the design as it already is.
void TestDesign::editsAreAnnouncedOnce()
{
    QFETCH(Edit, edit);
    QFETCH(bool, saved);
    QFETCH(bool, again);
    QSignalSpy changed(m_design, &LMDesign::changed);
    QSignalSpy modified(m_design, &LMDesign::modifiedChanged);
    const QByteArray before = LMDocumentFile::write(m_design->toDocument());
    edit(*m_design);
    QCOMPARE(changed.size(), saved ? 1 : 0);
    QCOMPARE(modified.size(), saved ? 1 : 0);
    QCOMPARE(m_design->isModified(), saved);
    // A saved value changed is a different file; anything else writes the same bytes.
    QCOMPARE(LMDocumentFile::write(m_design->toDocument()) != before, saved);
    edit(*m_design);
    QCOMPARE(changed.size(), saved ? (again ? 2 : 1) : 0);
    QCOMPARE(modified.size(), saved ? 1 : 0);
    m_design->setModified(true);
    m_design->setModified(false);
    m_design->setModified(false);
    QCOMPARE(modified.size(), 2);
    QCOMPARE(modified.last().at(0).toBool(), false);
}

// Tool bits, the modified bit and the layer stage describe the program at
// the moment a file was written: they are read as clear and written as zero.
void TestDesign::filesKeepTheDesignNotTheMoment()
{
    LMDocument doc = m_design->toDocument();
    const std::optional<LMViewFlags> flags =
        LMViewFlags::fromBytes(QByteArray::fromHex("ad 5a 08 00 02 00 3b 08 4e 06 00 00"));
    QVERIFY(flags);
    QVERIFY(flags->outlineEditing() && flags->marginToolActive() && flags->modified());
    QVERIFY(flags->frameStage() > 0 && flags->outputRendering());
    doc.flags = *flags;
    m_design->load(doc);
    QVERIFY(!m_design->isModified());
    LMViewFlags expected = withoutTheMoment(*flags);
    // Turned a quarter, the outline crosses the margins: that is the design's.
    QVERIFY(m_design->outsidePrintable());
    expected.setOutsidePrintable(true);
    QCOMPARE(m_design->toDocument().flags.toBytes().toHex(' '), expected.toBytes().toHex(' '));
}

void TestDesign::reSavedFilesMatchOutsideTheMoment_data()
{
    QTest::addColumn<QString>("file");
    const QDir corpus(qEnvironmentVariable("LUMETRA_SOURCE_DIR") +
                      QStringLiteral("/fuzz/corpus/document"));
    const QStringList names = corpus.entryList({QStringLiteral("*.lmx")}, QDir::Files);
    QVERIFY(!names.isEmpty());
    for (const QString &name : names)
        QTest::newRow(qPrintable(name)) << corpus.filePath(name);
}

// Designs earlier Lumetras wrote, opened and written again: the same bytes
// but for the moment's bits (and the margin check, made with today's margins).
void TestDesign::reSavedFilesMatchOutsideTheMoment()
{
    QFETCH(QString, file);
    QFile in(file);
    QVERIFY(in.open(QIODevice::ReadOnly));
    std::optional<LMDocument> original = LMDocumentFile::read(in);
    QVERIFY(original);
    m_design->load(*original);
    LMDocument again = m_design->toDocument();
    original->flags = withoutTheMoment(original->flags);
    original->flags.setOutsidePrintable(again.flags.outsidePrintable());
    QCOMPARE(LMDocumentFile::write(again).toHex(), LMDocumentFile::write(*original).toHex());
}

void TestDesign::fineDetail_data()
{
    QTest::addColumn<int>("k");
    QTest::newRow("standard") << 1;
    QTest::newRow("twice as fine") << 2;
    QTest::newRow("four times as fine") << 4;
}

// A page at detail k: the same document geometry drawn k times finer, one
// undo step to switch, kept by files (exports at each detail are the
// window's flows).
void TestDesign::fineDetail()
{
    QFETCH(int, k);
    QCOMPARE(m_design->detail(), 4); // a new page is fine
    m_design->setDetail(1);          // switch from a standard page
    QCOMPARE(m_design->page().size(), QSize(837, 648));
    m_design->paintPage([](QPainter &p) {
        p.fillRect(QRect(100, 100, 50, 20), Qt::blue);
        return true;
    });
    m_design->setDetail(k);
    QCOMPARE(m_design->pageSize(), QSize(837, 648));
    QCOMPARE(m_design->page().size(), QSize(837, 648) * k);
    QCOMPARE(m_design->printableRect(), QRect(QPoint(30, 30), QPoint(806, 617)));
    // A line drawn in document pixels: sharp at the physical edge.
    m_design->paintPage([](QPainter &p) {
        p.setRenderHint(QPainter::Antialiasing, false);
        p.fillRect(QRectF(200.25, 300, 100, 1), Qt::black);
        return true;
    });
    const QImage &page = m_design->page();
    QCOMPARE(page.pixelColor(250 * k, 300 * k + k - 1), QColor(Qt::black));
    QCOMPARE(page.pixelColor(250 * k, 300 * k + k), QColor(Qt::white));
    QCOMPARE(page.pixelColor(125 * k, 110 * k), QColor(Qt::blue)); // scaled up with the switch
    QCOMPARE(m_design->pagePart(QRect(100, 100, 10, 10)).size(), QSize(10, 10) * k);

    // Files: the page block at 3 px/mm, the fine page beside it, read back whole.
    const LMDocument doc = m_design->toDocument();
    QCOMPARE(doc.page.size(), QSize(837, 648));
    QByteArray bytes = LMDocumentFile::write(doc);
    QBuffer buffer(&bytes);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    const std::optional<LMDocument> back = LMDocumentFile::read(buffer);
    QVERIFY(back);
    LMDesign opened(m_catalogue);
    opened.load(*back);
    QCOMPARE(opened.detail(), k);
    QCOMPARE(opened.page(), m_design->page());

    // Undo goes back across the switch, whole; redo returns to it.
    QVERIFY(m_design->undo()); // the line
    if (k == 1)
        return;                // no switch was made
    QVERIFY(m_design->undo()); // the switch
    QCOMPARE(m_design->detail(), 1);
    QCOMPARE(m_design->page().pixelColor(125, 110), QColor(Qt::blue));
    QVERIFY(m_design->redo());
    QCOMPARE(m_design->detail(), k);
    QCOMPARE(m_design->page().pixelColor(125 * k, 110 * k), QColor(Qt::blue));
}

QTEST_MAIN(TestDesign)
#include "tst_design.moc"
