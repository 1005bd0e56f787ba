#include "app/LMResources.h"
#include "model/LMDesign.h"
#include "model/LMDocumentFile.h"
#include "model/LMHistory.h"
#include "model/LMNameList.h"
#include "model/outlines/LMArtFrameFactory.h"

#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include <functional>

namespace {
using Edit = std::function<void(LMDesign &)>;

// A white page for the history, and a dot on it.
QImage page(int w = 300, int h = 200)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

void dot(QImage &image, int x, int y, QColor c = Qt::black)
{
    QPainter p(&image);
    p.fillRect(x, y, 3, 3, c);
}
} // namespace

Q_DECLARE_METATYPE(Edit)
using Rows = LMNameList::Rows;
Q_DECLARE_METATYPE(LMNameList::Rows)

// The design: its edits and what files keep of it, its undo history and the
// names that stand in for its frame text.
class TestDesign : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        lmInitResources();
        m_catalogue = new LMArtFrameFactory(this);
    }

    void init()
    {
        m_design = new LMDesign(m_catalogue);
        m_design->setPaper(2, true, QSize(837, 648));
        m_design->setModified(false);
    }

    void cleanup() { delete m_design; }

    void editsAreAnnouncedOnce_data()
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
            d.setFrameTextNames(
                {QStringLiteral("Emma"), QStringLiteral(" "), QStringLiteral("Noah")});
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
        unsaved("nothing drawn",
                [](LMDesign &d) { d.paintPage([](QPainter &) { return false; }); });
        unsaved("an outline the catalogue lacks", [](LMDesign &d) { d.selectOutline(0, 99); });
    }

    // Each edit of a saved value is one `changed` and one flip of the modified
    // flag; the same value again, or a value files do not keep, is neither, and
    // neither is marking the design as it already is.
    void editsAreAnnouncedOnce()
    {
        QFETCH(Edit, edit);
        QFETCH(bool, saved);
        QFETCH(bool, again);
        // A standard page: the files compared below are written many times faster.
        m_design->setDetail(1);
        m_design->setModified(false);
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

    void snapshotsAreExact_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("whole tiles") << QSize(128, 192);
        QTest::newRow("partial edge tiles") << QSize(837, 648);
        QTest::newRow("smaller than a tile") << QSize(30, 20);
    }

    // Each step must give back exactly the page it recorded, whatever came after,
    // until a new step replaces the ones undone.
    void snapshotsAreExact()
    {
        QFETCH(QSize, size);
        LMHistory history;
        QImage current = page(size.width(), size.height());
        QList<QImage> recorded;
        for (int i = 0; i < 6; ++i) {
            dot(current, (i * 37) % size.width(), (i * 53) % size.height(),
                QColor::fromHsv(i * 50, 200, 200));
            if (i == 3)
                current.fill(Qt::white); // a step back to a white page
            history.push(current);
            recorded << current.copy();
        }
        // The last pixel of a partial tile.
        current.setPixelColor(size.width() - 1, size.height() - 1, Qt::red);
        history.push(current);
        recorded << current.copy();
        // A step on the page turned, and back.
        for (const QSize other : {size.transposed(), size}) {
            current = page(other.width(), other.height());
            dot(current, other.width() - 3, other.height() - 3);
            history.push(current);
            recorded << current.copy();
        }
        for (int i = 0; i < recorded.size(); ++i)
            QCOMPARE(history.snapshot(i), recorded[i]);
        QVERIFY(history.snapshot(-1).isNull());
        QVERIFY(history.snapshot(recorded.size()).isNull());

        // A new step after two undos drops the two it went back over.
        history.stepBack();
        history.stepBack();
        dot(current, 1, 1, Qt::blue);
        history.push(current);
        QCOMPARE(history.index(), int(recorded.size()) - 2);
        QCOMPARE(history.count(), int(recorded.size()) - 1);
        QVERIFY(!history.canRedo());
        QCOMPARE(history.snapshot(history.index()), current);
    }

    // Names as users bring them: pasted text, text files and spreadsheets' CSV
    // (a byte-order mark and a Latin-1 file are the names dialog's flow).
    void namesOfBytes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<QStringList>("names"); // {"-"}: refused

        const QStringList emmaNoah = {QStringLiteral("Emma"), QStringLiteral("Noah")};
        QTest::newRow("lines, blanks trimmed, empty lines skipped")
            << QByteArray("  Emma \n\n \t\nNoah\n\n") << Rows::Text << emmaNoah;
        QTest::newRow("CRLF") << QByteArray("Emma\r\nNoah\r\n") << Rows::Text << emmaNoah;
        QTest::newRow("UTF-8 letters")
            << QByteArray("J\xC3\xBCrgen\n\xE5\xA4\xAA\xE9\x83\x8E") << Rows::Text
            << QStringList{QString::fromUtf8("Jürgen"), QString::fromUtf8("太郎")};
        QTest::newRow("pasted spreadsheet rows: first column")
            << QByteArray("Emma\t7b\t2015\nNoah\t7a\n") << Rows::Text << emmaNoah;
        QTest::newRow("pasted text keeps commas and semicolons")
            << QByteArray("Smith, John\nLee; Ann") << Rows::Text
            << QStringList{QStringLiteral("Smith, John"), QStringLiteral("Lee; Ann")};
        QTest::newRow("CSV, commas")
            << QByteArray("Emma,7b\r\nNoah,7a\r\n") << Rows::Table << emmaNoah;
        QTest::newRow("CSV, semicolons, commas inside names")
            << QByteArray("Smith, John;7b\nLee, Ann;7a") << Rows::Table
            << QStringList{QStringLiteral("Smith, John"), QStringLiteral("Lee, Ann")};
        QTest::newRow("CSV, tabs")
            << QByteArray("Emma\t7b, 7c\nNoah\t7a") << Rows::Table << emmaNoah;
        QTest::newRow("CSV, quoted fields with separators and quotes")
            << QByteArray("\"Smith, John\",7b\n\"Ann \"\"Nan\"\" Lee\",\"a,b\"\n") << Rows::Table
            << QStringList{QStringLiteral("Smith, John"), QStringLiteral("Ann \"Nan\" Lee")};
        QTest::newRow("CSV, a line break inside quotes")
            << QByteArray("Emma,\"first line\nsecond line\"\n\"Noah\nLee\",x") << Rows::Table
            << QStringList{QStringLiteral("Emma"), QStringLiteral("Noah Lee")};
        QTest::newRow("CSV, empty first column skipped")
            << QByteArray(",x\n\"\",y\nEmma,z") << Rows::Table
            << QStringList{QStringLiteral("Emma")};
        QTest::newRow("a quote within a name is a letter")
            << QByteArray("Emma \"Em\" Lee\nNoah") << Rows::Text
            << QStringList{QStringLiteral("Emma \"Em\" Lee"), QStringLiteral("Noah")};
        QTest::newRow("a quote never closed is a letter")
            << QByteArray("Emma\n\"Noah\nLeo") << Rows::Text
            << QStringList{QStringLiteral("Emma"), QStringLiteral("\"Noah"), QStringLiteral("Leo")};
        QTest::newRow("empty") << QByteArray() << Rows::Table << QStringList();
        QTest::newRow("UTF-16 refused") << QByteArray("\xFF\xFE"
                                                      "E\0m\0m\0a\0",
                                                      10)
                                        << Rows::Table << QStringList{QStringLiteral("-")};
        QTest::newRow("cut-off UTF-8 refused")
            << QByteArray("Emma\nJ\xC3") << Rows::Text << QStringList{QStringLiteral("-")};
    }

    void namesOfBytes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(Rows, rows);
        QFETCH(QStringList, names);
        const std::optional<QStringList> read = LMNameList::fromBytes(bytes, rows);
        if (names == QStringList{QStringLiteral("-")}) {
            QVERIFY(!read);
            return;
        }
        QVERIFY(read);
        QCOMPARE(*read, names);
    }

private:
    LMArtFrameFactory *m_catalogue = nullptr;
    LMDesign *m_design = nullptr;
};

QTEST_MAIN(TestDesign)

#include "tst_design.moc"
