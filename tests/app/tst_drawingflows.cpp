#include "../common/WindowFixture.h"
#include "app/LMResources.h"
#include "tools/LMScreenMsgHandlerInf.h"
#include "tools/frame/LMScreenMsgHandlerShapeSetting.h"
#include "tools/stroke/LMGraphFuncLine.h"
#include "tools/stroke/LMScreenMsgHandlerEraserSetting.h"
#include "tools/stroke/LMScreenMsgHandlerLineSetting.h"
#include "tools/text/LMGraphFuncText.h"
#include "tools/text/LMScreenMsgHandlerTextSetting.h"
#include "widgets/KVCLIENT_ColorComboBox.h"

#include <QApplication>
#include <QFontComboBox>
#include <QLineEdit>
#include <QScrollBar>

// One stroke or shape drawn with the tool of `button`, between two page points.
struct Stroke {
    const char *button;
    QPoint from; // document pixels
    QPoint to;
};

Q_DECLARE_METATYPE(QList<Stroke>)

// Whole flows through the real window: buttons, drags on the canvas, keys.
class TestDrawingFlows : public QObject, private WindowFixture {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { lmInitResources(); }

    void init() { openWindow(); }

    void cleanup() { closeWindow(); }

    void lineLandsOnDocumentPixels_data()
    {
        QTest::addColumn<int>("zoom");
        QTest::addColumn<QString>("button");
        for (int zoom : {400, 200, 100, 60, 20}) {
            QTest::addRow("line at %d%%", zoom) << zoom << "d00";
            QTest::addRow("rectangle at %d%%", zoom) << zoom << "d02";
        }
    }

    // A line, or a rectangle's top side, from page (100, 100) to (300, 100):
    // committed on its page pixels with the panel's width 3 at any zoom.
    void lineLandsOnDocumentPixels()
    {
        QFETCH(int, zoom);
        QFETCH(QString, button);
        ui()->spin_size->setValue(zoom);
        click(m_window->findChild<QPushButton *>(button));
        const QTransform toWidget = canvas()->transform(Matrix::DocToWidget);
        const QPoint end(300, button == QLatin1String("d00") ? 100 : 160);
        drag(toWidget.map(QPoint(100, 100)), toWidget.map(end));
        QCOMPARE(at(200, 100), QColor(Qt::white)); // still live
        click(ui()->d01);
        QCOMPARE(design()->history().index(), 0);
        const double ink =
            inkAlong(canvas()->rasterImage(), QPoint(200, 100 - 8), QPoint(200, 100 + 8));
        QVERIFY2(qAbs(ink - 3.0) < 0.3, qPrintable(QString::number(ink)));
        QCOMPARE(at(200, 100), QColor(Qt::black));
        QCOMPARE(at(200, 96), QColor(Qt::white));
        QCOMPARE(at(200, 104), QColor(Qt::white));
        QVERIFY(m_window->windowTitle().startsWith(QStringLiteral("*")));
    }

    void itemsInARowLandWhereDrawn_data()
    {
        QTest::addColumn<int>("zoom");
        QTest::addColumn<QList<Stroke>>("strokes");
        const QList<Stroke> twoLines{{"d00", {100, 100}, {300, 100}},
                                     {"d00", {400, 300}, {600, 300}}};
        const QList<Stroke> shapeAfterLine{{"d00", {100, 100}, {300, 160}},
                                           {"d02", {400, 250}, {600, 400}}};
        const QList<Stroke> frameAfterApply{{"d02", {100, 100}, {250, 200}},
                                            {"d02", {400, 250}, {600, 400}},
                                            {"d02", {150, 350}, {300, 450}}};
        for (int zoom : {100, 40}) {
            QTest::addRow("two lines at %d%%", zoom) << zoom << twoLines;
            QTest::addRow("a shape after a line at %d%%", zoom) << zoom << shapeAfterLine;
            QTest::addRow("frames after an apply at %d%%", zoom) << zoom << frameAfterApply;
        }
    }

    // Each item ends exactly between the press and the release, however many
    // pointer steps the drag takes and whatever was drawn before it.
    void itemsInARowLandWhereDrawn()
    {
        QFETCH(int, zoom);
        QFETCH(QList<Stroke>, strokes);
        ui()->spin_size->setValue(zoom);
        const QTransform toWidget = canvas()->transform(Matrix::DocToWidget);
        for (const Stroke &stroke : strokes) {
            QPushButton *button = m_window->findChild<QPushButton *>(QLatin1String(stroke.button));
            if (!button->isChecked())
                click(button);
            drag(toWidget.map(stroke.from), toWidget.map(stroke.to), 7);
        }
        click(ui()->d01); // the hand tool: everything is committed
        for (const Stroke &stroke : strokes) {
            // The ink around this item: within 40 pixels of its box, nothing else.
            const QRect box = QRect(stroke.from, stroke.to).normalized();
            QRect ink;
            for (int y = box.top() - 40; y <= box.bottom() + 40; ++y)
                for (int x = box.left() - 40; x <= box.right() + 40; ++x)
                    if (qGray(at(x, y).rgb()) < 128)
                        ink |= QRect(x, y, 1, 1);
            // A width-3 pen reaches a pixel or two past the ends; zoom rounds by
            // up to 1/zoom.
            const int slack = 2 + 100 / zoom;
            QString seen;
            QDebug(&seen).nospace() << stroke.button << " drawn at " << box << ", ink at " << ink;
            QVERIFY2(qAbs(ink.left() - box.left()) <= slack &&
                         qAbs(ink.top() - box.top()) <= slack &&
                         qAbs(ink.right() - box.right()) <= slack &&
                         qAbs(ink.bottom() - box.bottom()) <= slack,
                     qPrintable(seen));
        }
    }

    void lineEndsAndWholeLineMove()
    {
        click(ui()->d00);
        drag(QPoint(100, 100), QPoint(300, 100));
        drag(QPoint(302, 104), QPoint(302, 204)); // within 6 pixels of an end: that end moves
        drag(QPoint(200, 150), QPoint(200, 170)); // on the line: the whole line moves
        QTest::mouseClick(canvas(), Qt::LeftButton, {}, QPoint(600, 500));
        // Ends now at widget (100, 120) and (300, 220): the middle (200, 170) is doc (180, 145).
        QVERIFY(qGray(at(180, 145).rgb()) < 80);
        QCOMPARE(at(180, 75), QColor(Qt::white));
        QCOMPARE(design()->history().count(), 1);
    }

    // Each pencil stroke is one step, applied on release; a click, or the pointer
    // passing over the page with no button down, draws nothing.
    void undoRedoSequence()
    {
        click(ui()->d11);
        QTest::mouseMove(canvas(), QPoint(150, 300));
        QTest::mouseMove(canvas(), QPoint(250, 300));
        drag(QPoint(100, 100), QPoint(300, 100)); // step 0
        QVERIFY(canvas()->liveItems().isEmpty());
        QCOMPARE(at(180, 75), QColor(Qt::blue));
        QCOMPARE(at(180, 275), QColor(Qt::white)); // the pointer's way before the press
        QTest::mouseClick(canvas(), Qt::LeftButton, {}, QPoint(400, 400));
        QCOMPARE(design()->history().count(), 1);
        drag(QPoint(100, 200), QPoint(300, 200)); // step 1
        QCOMPARE(design()->history().index(), 1);
        click(ui()->btn_return);
        QCOMPARE(design()->history().index(), 0);
        QVERIFY(at(180, 75) != QColor(Qt::white));
        QCOMPARE(at(180, 175), QColor(Qt::white));
        click(ui()->btn_return);
        QCOMPARE(design()->history().index(), -1);
        QCOMPARE(at(180, 75), QColor(Qt::white));
        click(ui()->btn_return); // nothing more to undo
        QCOMPARE(design()->history().index(), -1);
        click(ui()->btn_redo);
        click(ui()->btn_redo);
        QCOMPARE(design()->history().index(), 1);
        QVERIFY(at(180, 175) != QColor(Qt::white));
        click(ui()->btn_redo); // nothing more to redo
        QCOMPARE(design()->history().index(), 1);
    }

    void eraserWhitensWhatItSweeps()
    {
        click(ui()->d11);
        drag(QPoint(100, 100), QPoint(300, 100));
        click(ui()->d12);
        QCOMPARE(canvas()->cursor().pixmap().size(), QSize(10, 10));
        drag(QPoint(200, 60), QPoint(200, 140)); // straight across the stroke
        QCOMPARE(at(180, 75), QColor(Qt::white));
        QVERIFY(at(120, 75) != QColor(Qt::white));
        QCOMPARE(design()->history().index(), 1);
        // A new width from the panel, then the pointer passes with no button down.
        qobject_cast<LMScreenMsgHandlerEraserSetting *>(m_window->settingsPanel())
            ->widthSlider()
            ->setValue(20);
        QTest::mouseMove(canvas(), QPoint(140, 60));
        QTest::mouseMove(canvas(), QPoint(140, 140));
        click(ui()->d11); // leaving commits what the eraser swept
        click(ui()->d12);
        QVERIFY(at(120, 75) != QColor(Qt::white));
        ui()->spin_size->setValue(40); // the cursor follows the width and the zoom
        QCOMPARE(canvas()->cursor().pixmap().size(), QSize(8, 8));
    }

    void panelChangesWidthAndColour()
    {
        click(ui()->d00);
        auto *panel = qobject_cast<LMScreenMsgHandlerLineSetting *>(m_window->settingsPanel());
        QVERIFY(panel);
        QBoxLayout *column = m_window->settingsColumn();
        QCOMPARE(column->indexOf(panel), column->count() - 2); // just above the closing spacer
        panel->widthSlider()->setValue(8);
        QCOMPARE(panel->findChild<QLabel *>(QStringLiteral("label_3"))->text(),
                 QStringLiteral("8"));
        QLineEdit *edit = panel->colorField()->lineEdit();
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("red"));
        QTest::keyClick(edit, Qt::Key_Return);
        drag(QPoint(100, 100), QPoint(300, 100));
        QTest::mouseClick(canvas(), Qt::LeftButton, {}, QPoint(600, 500));
        QCOMPARE(at(180, 75), QColor(Qt::red));
        QCOMPARE(at(180, 78), QColor(Qt::red)); // 8 pixels wide
        QCOMPARE(at(180, 81), QColor(Qt::white));
    }

    void handToolScrollsThePage()
    {
        ui()->cob_pasesetting->setCurrentIndex(7); // A4
        toggleLandscape();
        click(ui()->d01);
        QScrollBar *bar = ui()->scroll_graph->verticalScrollBar();
        QVERIFY(bar->maximum() > 100);
        bar->setValue(100);
        QTest::mousePress(canvas(), Qt::LeftButton, {}, QPoint(200, 400));
        QMouseEvent move(QEvent::MouseMove, QPointF(200, 360),
                         canvas()->mapToGlobal(QPointF(200, 360)), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(canvas(), &move);
        QCOMPARE(bar->value(), 140); // the page follows the pointer up
        QTest::mouseRelease(canvas(), Qt::LeftButton, {}, QPoint(200, 360));
    }

    void rectangleThroughTheWindow()
    {
        click(ui()->d02);
        auto *panel = qobject_cast<LMScreenMsgHandlerShapeSetting *>(m_window->settingsPanel());
        QVERIFY(panel);
        QVERIFY(!panel->fillColorField()->isVisibleTo(panel));
        QTest::mouseClick(panel->fillCheckBox(), Qt::LeftButton);
        QVERIFY(panel->fillColorField()->isVisibleTo(panel));
        drag(QPoint(120, 125), QPoint(220, 225));
        QTest::mouseClick(canvas(), Qt::LeftButton, {}, QPoint(500, 500)); // outside: applied
        QCOMPARE(at(100, 150), QColor(Qt::black));
        QCOMPARE(at(150, 150), QColor(Qt::white)); // filled with the white fill colour
        QCOMPARE(design()->history().count(), 1);
    }

    // Choosing the text tool commits the live line; typing into a field; the arc
    // text's panel also offers turning the letters.
    void textPanelsAndTyping()
    {
        click(ui()->d00);
        drag(QPoint(100, 100), QPoint(300, 100));
        click(ui()->d13);
        QCOMPARE(at(180, 75), QColor(Qt::black));
        QCOMPARE(design()->history().count(), 1);
        // What is live now is the text tool's own (empty) field, not the line.
        for (LMGraphFuncInf *item : canvas()->liveItems())
            QVERIFY(!dynamic_cast<LMGraphFuncLine *>(item));
        QCOMPARE(canvas()->currentHandler()->objectName(), QStringLiteral("text"));
        auto *panel = qobject_cast<LMScreenMsgHandlerTextSetting *>(m_window->settingsPanel());
        QVERIFY(panel);
        QCOMPARE(panel->sizeComboBox()->currentText(), QStringLiteral("48"));
        QVERIFY(!panel->rotateCheckBox()->isVisibleTo(panel));
        QVERIFY(!panel->widthSlider()->isVisibleTo(panel)); // no edge: no edge widgets
        drag(QPoint(120, 125), QPoint(520, 185));
        QTest::keyClicks(canvas(), QStringLiteral("Hi"));
        QTest::keyClick(canvas(), Qt::Key_Return);
        QTest::keyClick(canvas(), Qt::Key_Tab); // stays with the text, no jump to another widget
        QTest::keyClicks(canvas(), QStringLiteral("there"));
        auto *item = dynamic_cast<LMGraphFuncText *>(canvas()->lastLiveItem());
        QVERIFY(item);
        QCOMPARE(item->text, QStringLiteral("Hi\r\n   there"));
        QVERIFY(item->handlePos(LMPoint::BottomRight)->y() -
                    item->handlePos(LMPoint::TopLeft)->y() + 1 >=
                2 * QFontMetrics(item->font).height());
        QTest::keyClick(canvas(), Qt::Key_Escape); // editing ends, the text stays
        QVERIFY(canvas()->liveItems().isEmpty());
        QCOMPARE(design()->history().count(), 2);
        int yellow = 0;
        for (int y = 100; y < 260; ++y)
            for (int x = 100; x < 300; ++x)
                yellow += at(x, y) == QColor(Qt::yellow);
        QVERIFY2(yellow > 200, qPrintable(QString::number(yellow)));
        // The family chosen for the text is the one the panel shows when it comes back.
        const int pick = panel->fontComboBox()->currentIndex() == 0 ? 1 : 0;
        const QString family = panel->fontComboBox()->itemText(pick);
        panel->fontComboBox()->setCurrentIndex(pick);
        click(ui()->d00);
        click(ui()->d13);
        panel = qobject_cast<LMScreenMsgHandlerTextSetting *>(m_window->settingsPanel());
        QCOMPARE(panel->fontComboBox()->currentText(), family);

        click(ui()->d14);
        panel = qobject_cast<LMScreenMsgHandlerTextSetting *>(m_window->settingsPanel());
        QVERIFY(panel);
        QVERIFY(panel->rotateCheckBox()->isVisibleTo(panel));
        QVERIFY(panel->rotateCheckBox()->isChecked());
        QTest::mouseClick(panel->strokeCheckBox(), Qt::LeftButton);
        QVERIFY(panel->widthSlider()->isVisibleTo(panel));
    }

private:
    static void click(QPushButton *button) { QTest::mouseClick(button, Qt::LeftButton); }
};

QTEST_MAIN(TestDrawingFlows)

#include "tst_drawingflows.moc"
