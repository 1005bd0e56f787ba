#include "../common/Golden.h"
#include "../common/MakeCanvas.h"
#include "../common/PagePixels.h"
#include "app/LMResources.h"
#include "app/QVTLanguageManager.h"
#include "canvas/LMGraphView.h"
#include "tools/text/LMGraphFuncText.h"
#include "tools/text/LMScreenMsgHandlerText.h"
#include "tools/text/LMTextLayout.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTest>

namespace {
// The point at fraction t of the length of a flattened curve.
QPointF pointAlong(const QPolygonF &curve, double t)
{
    double total = 0;
    for (int i = 1; i < curve.size(); ++i)
        total += QLineF(curve[i - 1], curve[i]).length();
    double left = t * total;
    for (int i = 1; i < curve.size(); ++i) {
        const QLineF step(curve[i - 1], curve[i]);
        if (left <= step.length())
            return step.pointAt(left / step.length());
        left -= step.length();
    }
    return curve.last();
}

QFont testFont(int points = 24)
{
    QFont font(QStringLiteral("DejaVu Sans"), points);
    font.setStyleStrategy(QFont::ForceOutline);
    return font;
}
} // namespace

class TestText : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        lmInitResources();
        new QVTLanguageManager(this);
    }

    void init()
    {
        m_view = makeCanvas();
        m_view->setPage(837, 648, 1.0);
    }

    void cleanup() { delete m_view; }

    void lineBreaking_data()
    {
        const QFontMetrics m(testFont());
        const int w = m.horizontalAdvance(QStringLiteral("abc")); // three letters fit a line
        const int a = m.horizontalAdvance(QLatin1Char('a')), ab = m.horizontalAdvance("ab");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("caret");    // a caret before this character...
        QTest::addColumn<QPoint>("place"); // ...stands this far into this line
        QTest::newRow("empty text is one empty line")
            << "" << w << QStringList{""} << 0 << QPoint();
        QTest::newRow("fits") << "abc" << w << QStringList{"abc"} << 1 << QPoint(a, 0);
        QTest::newRow("breaks between any characters")
            << "abcabcab" << w << QStringList{"abc", "abc", "ab"} << 3 << QPoint(0, 1);
        QTest::newRow("Return starts a line")
            << "ab\r\ncd" << w << QStringList{"ab", "cd"} << 4 << QPoint(0, 1);
        QTest::newRow("two Returns give an empty line")
            << "a\r\n\r\nb" << w << QStringList{"a", "", "b"} << 3 << QPoint(0, 1);
        QTest::newRow("trailing Return opens a last empty line")
            << "ab\r\n"
            << w << QStringList{"ab", ""} << 4 << QPoint(0, 1);
        QTest::newRow("a half-deleted Return draws nothing")
            << "ab\r" << w << QStringList{"ab"} << 3 << QPoint(ab, 0);
        QTest::newRow("a line feed first leaves the first line empty")
            << "\nab" << w << QStringList{"", "ab"} << 3 << QPoint(ab, 1);
        QTest::newRow("breaks after a space")
            << "abc abc" << w << QStringList{"abc ", "abc"} << 5 << QPoint(a, 1);
        QTest::newRow("a word moves whole to the next line")
            << "ab abc" << w << QStringList{"ab ", "abc"} << 2 << QPoint(ab, 0);
        QTest::newRow("as many words as fit")
            << "a b c" << w << QStringList{"a b ", "c"} << 4 << QPoint(0, 1);
        QTest::newRow("a word longer than the field breaks inside")
            << "a abcabc" << w << QStringList{"a ", "abc", "abc"} << 8 << QPoint(w, 2);
        const int han = m.horizontalAdvance(QStringLiteral("我们一"));
        QTest::newRow("Chinese breaks between characters")
            << QStringLiteral("我们一起去学校") << han
            << QStringList{QStringLiteral("我们一"), QStringLiteral("起去学"), QStringLiteral("校")}
            << 6 << QPoint(0, 2);
        QTest::newRow("a letter wider than the field has a line of its own")
            << "WiW" << m.horizontalAdvance(QLatin1Char('i')) << QStringList{"W", "i", "W"} << 1
            << QPoint(0, 1);
        QTest::newRow("nothing fits at all")
            << "ab" << 0 << QStringList{"a", "b"} << 1 << QPoint(0, 1);
    }

    // The lines a field shows, and where the caret stands on them: on the line
    // after a break, at the end of a line before its Return.
    void lineBreaking()
    {
        QFETCH(QString, text);
        QFETCH(int, width);
        QFETCH(QStringList, lines);
        QFETCH(int, caret);
        QFETCH(QPoint, place);
        QCOMPARE(LMTextLayout::breakLines(text, testFont(), width), lines);
        const QPoint at = LMTextLayout::caretPlace(text, testFont(), width, caret);
        QCOMPARE(at.y(), place.y());
        QVERIFY2(qAbs(at.x() - place.x()) <= 1, qPrintable(QString::number(at.x())));
    }

    void fieldGrowsAndNeverShrinks()
    {
        LMGraphFuncText *item = typeInField(QPoint(100, 100), QPoint(400, 130));
        QVERIFY(item);
        const int lineHeight = QFontMetrics(item->font).height();
        const int top = item->handlePos(LMPoint::TopLeft)->y();
        QCOMPARE(item->handlePos(LMPoint::BottomRight)->y() - top + 1, 31); // shorter than one line
        for (QChar c : QStringLiteral("abcdefghijklmnopqrstuvwxyz"))
            m_tool->onKeyPress(0, QString(c));
        const int lines = int(LMTextLayout::breakLines(item->text, item->font, 301).size());
        QVERIFY(lines >= 2);
        QCOMPARE(item->handlePos(LMPoint::BottomRight)->y(), top + lines * lineHeight - 1);
        QCOMPARE(item->handlePos(LMPoint::BottomLeft)->y(),
                 item->handlePos(LMPoint::BottomRight)->y());
        QCOMPARE(item->handlePos(LMPoint::BottomMid)->y(),
                 item->handlePos(LMPoint::BottomRight)->y());
        QCOMPARE(item->handlePos(LMPoint::RightMid)->y(),
                 qRound(0.5 * (top + item->handlePos(LMPoint::BottomRight)->y())));
        const int grown = item->handlePos(LMPoint::BottomRight)->y();
        for (int i = 0; i < 20; ++i)
            m_tool->onKeyPress(Qt::Key_Backspace, QString());
        QCOMPARE(item->handlePos(LMPoint::BottomRight)->y(), grown);
        QVERIFY(!item->glyphs.isEmpty());
        QVERIFY(item->glyphs.boundingRect().top() >= top);
        m_view->apply(); // no live item: typing only repaints
        m_tool->onKeyPress(0, QStringLiteral("x"));
        QVERIFY(m_view->liveItems().isEmpty());
    }

    void keySequences_data()
    {
        // Key 0 types "x", 1 "y", 2 an Escape character, 3 a tab character; 4
        // comes from an input method.
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QString>("text");
        QTest::newRow("Return") << QList<int>{0, Qt::Key_Return, 0} << "x\r\nx";
        QTest::newRow("two Returns")
            << QList<int>{0, Qt::Key_Return, Qt::Key_Return} << "x\r\n\r\n";
        QTest::newRow("Tab is three blanks") << QList<int>{Qt::Key_Tab, 0} << "   x";
        QTest::newRow("Backspace removes the last character")
            << QList<int>{0, 0, Qt::Key_Backspace} << "x";
        QTest::newRow("Delete at the end removes nothing")
            << QList<int>{0, 0, Qt::Key_Delete} << "xx";
        QTest::newRow("one Backspace undoes a Return")
            << QList<int>{0, Qt::Key_Return, Qt::Key_Backspace} << "x";
        QTest::newRow("Backspace on empty text")
            << QList<int>{Qt::Key_Backspace, Qt::Key_Delete} << "";
        QTest::newRow("keys without text add nothing") << QList<int>{Qt::Key_Shift, 0} << "x";
        QTest::newRow("control characters never enter") << QList<int>{0, 2, 3, 0} << "xx";
        QTest::newRow("typing at the caret") << QList<int>{0, 0, Qt::Key_Left, 1} << "xyx";
        QTest::newRow("Home") << QList<int>{0, 0, Qt::Key_Home, 1} << "yxx";
        QTest::newRow("End after Home") << QList<int>{0, Qt::Key_Home, Qt::Key_End, 1} << "xy";
        QTest::newRow("Right stops at the end") << QList<int>{0, Qt::Key_Right, 1} << "xy";
        QTest::newRow("Left reaches the start") << QList<int>{0, Qt::Key_Left, 1} << "yx";
        QTest::newRow("Backspace at the caret")
            << QList<int>{0, 1, Qt::Key_Left, Qt::Key_Backspace} << "y";
        QTest::newRow("Delete at the caret")
            << QList<int>{0, 1, Qt::Key_Left, Qt::Key_Delete} << "x";
        QTest::newRow("a line end is one step")
            << QList<int>{0, Qt::Key_Return, 0, Qt::Key_Left, Qt::Key_Left, 1} << "xy\r\nx";
        QTest::newRow("input method text") << QList<int>{4, 0} << QStringLiteral("日本x");
        QTest::newRow("Home and End on the second line")
            << QList<int>{0, Qt::Key_Return, 0, Qt::Key_Home, 1, Qt::Key_End, 1} << "x\r\nyxy";
    }

    void keySequences()
    {
        QFETCH(QList<int>, keys);
        QFETCH(QString, text);
        LMGraphFuncText *item = typeInField(QPoint(100, 100), QPoint(400, 200));
        const QStringList typed{QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("\x1b"),
                                QStringLiteral("\t")};
        for (int key : keys) {
            if (key == 4)
                m_tool->onInputMethod(QStringLiteral("日本"));
            else if (key < typed.size())
                m_tool->onKeyPress(0, typed[key]);
            else
                m_tool->onKeyPress(key, QString());
        }
        QCOMPARE(item->text, text);
    }

    // How many letters an arc holds: each counts at the widest advance so far,
    // and a letter with a combining accent is one letter.
    void arcFitCount()
    {
        const QFont font = testFont();
        const int w = QFontMetrics(font).horizontalAdvance(QLatin1Char('W'));
        QCOMPARE(LMTextLayout::arcFitCount(QStringLiteral("WWW"), font, 3.0 * w), 3);
        QCOMPARE(LMTextLayout::arcFitCount(QStringLiteral("WWW"), font, 3.0 * w - 0.5), 2);
        QCOMPARE(LMTextLayout::arcFitCount(QStringLiteral("iiWii"), font, 4.0 * w), 4);
        QCOMPARE(LMTextLayout::arcFitCount(QStringLiteral("e\u0301e\u0301"), font, 1e6), 2);
    }

    void arcPlacement_data()
    {
        QTest::addColumn<bool>("rotate");
        QTest::newRow("upright") << false;
        QTest::newRow("turned") << true;
    }

    // Letters along the arc of a 400 x 150 field, drawn with the arc (blue): it
    // runs from the right end just below the field over the top to the left end,
    // the letters at equal steps reading from left to right.
    void arcPlacement()
    {
        QFETCH(bool, rotate);
        const QRect field(0, 0, 399, 149);
        QImage picture(440, 190, QImage::Format_RGB32);
        picture.fill(Qt::white);
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(20, 20);
        painter.setPen(Qt::blue);
        painter.drawPath(LMTextLayout::arcOf(field));
        painter.fillPath(
            LMTextLayout::arcGlyphs(QStringLiteral("ABCDE"), testFont(20), field, rotate),
            Qt::black);
        painter.end();
        LM_COMPARE_GOLDEN(picture, QStringLiteral("tst_text_arc_") + QTest::currentDataTag());
    }

    // A small arc widens about its middle as letters come, so all of them show,
    // and the caret stands on the arc, before the letter it precedes.
    void arcHoldsEverythingTyped()
    {
        LMGraphFuncText *item =
            typeInField(QPoint(100, 100), QPoint(329, 219), QStringLiteral("textalongarc"));
        QVERIFY(item);
        item->rotate = false;
        const QString typed = QStringLiteral("Happy Birthday");
        const QRect before(*item->handlePos(LMPoint::TopLeft),
                           *item->handlePos(LMPoint::BottomRight));
        for (QChar c : typed)
            m_tool->onKeyPress(0, QString(c));
        QCOMPARE(item->text, typed);
        const QRect field(*item->handlePos(LMPoint::TopLeft),
                          *item->handlePos(LMPoint::BottomRight));
        QVERIFY2(field.width() > before.width(), "the field widened");
        QVERIFY(qAbs(field.center().x() - before.center().x()) <= 1);
        QCOMPARE(field.height(), before.height());
        QCOMPARE(LMTextLayout::arcFitCount(typed, item->font, LMTextLayout::arcLength(field)), 14);
        // Made narrower by hand, it widens again on release.
        item->setField(before);
        item->layoutText(false);
        QCOMPARE(QRect(*item->handlePos(LMPoint::TopLeft), *item->handlePos(LMPoint::BottomRight)),
                 field);

        const QPolygonF curve = LMTextLayout::arcOf(field).toSubpathPolygons().first();
        for (int index : {0, 6, 14}) {
            const QLineF caret = LMTextLayout::arcCaret(typed, item->font, field, false, index);
            const QPointF on = pointAlong(curve, 1.0 - (index + 0.5) / 15.0);
            QVERIFY2(qAbs(caret.x1() - on.x()) < 1.5 && qMin(caret.y1(), caret.y2()) <= on.y() &&
                         qMax(caret.y1(), caret.y2()) >= on.y(),
                     qPrintable(QStringLiteral("caret %1 off the arc").arg(index)));
        }
    }

    void edgeKeepsItsWidthAtAnyZoom_data()
    {
        QTest::addColumn<double>("zoom");
        QTest::addColumn<int>("width");
        QTest::newRow("width 1 at 50 %") << 0.5 << 1;
        QTest::newRow("width 3 at 60 %") << 0.6 << 3;
        QTest::newRow("width 4 at 20 %") << 0.2 << 4;
        QTest::newRow("width 2 at 100 %") << 1.0 << 2;
    }

    // An "I" with a black edge and a white inside: a row across its stem crosses
    // the edge twice, so it holds twice the edge's width in ink.
    void edgeKeepsItsWidthAtAnyZoom()
    {
        QFETCH(double, zoom);
        QFETCH(int, width);
        m_view->setPage(837, 648, zoom);
        LMGraphFuncText *item = typeInField(QPoint(30, 30), QPoint(130, 130));
        m_tool->slot_fillcolorChanged(Qt::white);
        m_tool->slot_colorChanged(Qt::black);
        m_tool->slot_strokeCheckboxChanged(Qt::Checked);
        m_tool->slot_widthChanged(width);
        m_tool->onKeyPress(0, QStringLiteral("I"));
        const QRectF glyph = item->glyphs.boundingRect();
        const QTransform toPage = item->GetMatrix(LMGraphFuncDashedLineRectangle::FrameToWidget) *
                                  m_view->transform(Matrix::WidgetToDoc);
        const int row = qRound(toPage.map(glyph.center()).y());
        m_view->apply();
        const double ink = inkAlong(m_view->rasterImage(), QPoint(0, row),
                                    QPoint(m_view->design().pageSize().width() - 1, row));
        QVERIFY2(qAbs(ink / 2 - width) < 0.6, qPrintable(QString::number(ink / 2)));
    }

private:
    // Opens a field with the text tool by a drag; m_tool is that tool.
    LMGraphFuncText *typeInField(const QPoint &from, const QPoint &to,
                                 const QString &tool = QStringLiteral("text"));

    LMGraphView *m_view = nullptr;
    LMScreenMsgHandlerText *m_tool = nullptr;
};

LMGraphFuncText *TestText::typeInField(const QPoint &from, const QPoint &to, const QString &tool)
{
    m_tool = m_view->findChild<LMScreenMsgHandlerText *>(tool);
    m_view->setHandler(m_tool);
    m_tool->onMousePress(from, m_view->toDocument(from));
    m_tool->onMouseMove(to, m_view->toDocument(to));
    m_tool->onMouseRelease(to, m_view->toDocument(to));
    return dynamic_cast<LMGraphFuncText *>(m_view->lastLiveItem());
}

QTEST_MAIN(TestText)

#include "tst_text.moc"
