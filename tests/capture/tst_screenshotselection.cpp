#include "../common/ModalAnswer.h"
#include "app/LMResources.h"
#include "capture/LMScreenshotDialog.h"
#include "capture/LMScreenshotHelper.h"
#include "capture/LMScreenshotSelection.h"

#include <QClipboard>
#include <QPainter>
#include <QTest>

using Sel = LMScreenshotSelection;
Q_DECLARE_METATYPE(Sel::Hit)

namespace {
// Every pixel tells where it came from: red is x, green is y, blue x / 256.
QPixmap numberedScreen(const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, x / 256));
    return QPixmap::fromImage(image);
}

QPoint pointOf(const QString &text)
{
    const QStringList xy = text.split(QLatin1Char(','));
    return QPoint(xy.value(0).toInt(), xy.value(1).toInt());
}

// Plays "p x,y" press, "m x,y" move, "r x,y" release, "d x,y" double-click.
Sel::Outcome play(Sel &selection, const QString &script)
{
    Sel::Outcome last = Sel::Stay;
    const QStringList steps = script.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (int i = 0; i + 1 < steps.size(); i += 2) {
        const QPoint p = pointOf(steps[i + 1]);
        bool repaint = false;
        switch (steps[i].at(0).toLatin1()) {
        case 'p':
            selection.press(p);
            break;
        case 'm':
            selection.move(p);
            break;
        case 'r':
            last = selection.release(p, &repaint);
            break;
        case 'd':
            last = selection.doubleClick(p);
            break;
        }
    }
    return last;
}

const QRect screenBounds(0, 0, 400, 300);
} // namespace

// The picker's selection without a screen: handles, drags in any direction,
// flips, the buttons, double-click, and the cut-out.
class TestScreenshotSelection : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { lmInitResources(); }
    void hitTest_data();
    void hitTest();
    void interaction_data();
    void interaction();
    void buttonsStayOnTheScreen_data();
    void buttonsStayOnTheScreen();
    void cutOut_data();
    void cutOut();
    void dialogFlow_data();
    void dialogFlow();
    void dialogShowsSelectionAndButtons();
};

void TestScreenshotSelection::hitTest_data()
{
    QTest::addColumn<QRect>("selection");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<Sel::Hit>("hit");
    // x 10..110 (middle 60), y 20..80 (middle 50)
    const QRect s(QPoint(10, 20), QPoint(110, 80));
    QTest::newRow("top") << s << QPoint(60, 20) << Sel::Top;
    QTest::newRow("top, one off") << s << QPoint(61, 19) << Sel::Top;
    QTest::newRow("two off the middle is inside") << s << QPoint(62, 20) << Sel::Inside;
    QTest::newRow("top-right") << s << QPoint(110, 20) << Sel::TopRight;
    QTest::newRow("right") << s << QPoint(111, 51) << Sel::Right;
    QTest::newRow("bottom-right") << s << QPoint(111, 81) << Sel::BottomRight;
    QTest::newRow("bottom") << s << QPoint(60, 80) << Sel::Bottom;
    QTest::newRow("bottom-left") << s << QPoint(9, 80) << Sel::BottomLeft;
    QTest::newRow("left") << s << QPoint(10, 50) << Sel::Left;
    QTest::newRow("top-left") << s << QPoint(10, 20) << Sel::TopLeft;
    QTest::newRow("inside") << s << QPoint(40, 40) << Sel::Inside;
    QTest::newRow("on the edge away from handles") << s << QPoint(30, 20) << Sel::Inside;
    QTest::newRow("two beyond the edge") << s << QPoint(112, 50) << Sel::Outside;
    QTest::newRow("nothing selected") << QRect() << QPoint(0, 0) << Sel::Outside;
    QTest::newRow("a tiny selection moves") << QRect(10, 10, 3, 3) << QPoint(11, 11) << Sel::Inside;
}

void TestScreenshotSelection::hitTest()
{
    QFETCH(QRect, selection);
    QFETCH(QPoint, point);
    QFETCH(Sel::Hit, hit);
    QCOMPARE(Sel::hitTest(selection, point), hit);
}

void TestScreenshotSelection::interaction_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("state");
    QTest::addColumn<QRect>("selection");
    QTest::addColumn<int>("outcome");
    // Selects x 10..200, y 10..100; its tick spans x 28..102, its cross x
    // 123..197, both y 105..127.
    const QString select = QStringLiteral("p 10,10 m 60,40 r 200,100 ");
    const QRect selected(QPoint(10, 10), QPoint(200, 100));
    QTest::newRow("drag down-right") << select << int(Sel::Selected) << selected << int(Sel::Stay);
    QTest::newRow("drag up-left, the same")
        << "p 200,100 m 60,40 r 10,10" << int(Sel::Selected) << selected << int(Sel::Stay);
    QTest::newRow("a click without a drag stays idle")
        << "p 30,30 r 30,30" << int(Sel::Idle) << QRect(30, 30, 1, 1) << int(Sel::Stay);
    QTest::newRow("two pixels wide is too small")
        << "p 30,30 r 31,60" << int(Sel::Idle) << QRect(30, 30, 2, 31) << int(Sel::Stay);
    QTest::newRow("a press after a click starts anew")
        << "p 30,30 r 30,30 p 50,50 r 80,90" << int(Sel::Selected)
        << QRect(QPoint(50, 50), QPoint(80, 90)) << int(Sel::Stay);
    QTest::newRow("a press outside starts anew")
        << select + "p 300,200 m 320,220 r 350,260" << int(Sel::Selected)
        << QRect(QPoint(300, 200), QPoint(350, 260)) << int(Sel::Stay);
    QTest::newRow("moved from inside")
        << select + "p 50,30 m 60,35 m 70,40 r 70,40" << int(Sel::Selected)
        << selected.translated(20, 10) << int(Sel::Stay);
    QTest::newRow("the top-left corner dragged")
        << select + "p 10,10 m 20,25 r 20,25" << int(Sel::Selected)
        << QRect(QPoint(20, 25), QPoint(200, 100)) << int(Sel::Stay);
    QTest::newRow("the bottom edge dragged")
        << select + "p 105,100 m 105,140 r 105,140" << int(Sel::Selected)
        << QRect(QPoint(10, 10), QPoint(200, 140)) << int(Sel::Stay);
    QTest::newRow("the right edge dragged across the left flips")
        << select + "p 200,55 m 100,55 m 4,55 r 4,55" << int(Sel::Selected)
        << QRect(QPoint(4, 10), QPoint(10, 100)) << int(Sel::Stay);
    QTest::newRow("the tick clicked")
        << select + "p 50,110 r 60,115" << int(Sel::Selected) << selected << int(Sel::Accept);
    QTest::newRow("the cross clicked")
        << select + "p 150,110 r 150,110" << int(Sel::Selected) << selected << int(Sel::Reject);
    QTest::newRow("pressed on the tick, released on the cross")
        << select + "p 50,110 m 150,110 r 150,110" << int(Sel::Selected) << selected
        << int(Sel::Stay);
    QTest::newRow("released off the button, the selection moves again")
        << select + "p 50,110 r 300,290 p 100,50 m 110,60 r 110,60" << int(Sel::Selected)
        << selected.translated(10, 10) << int(Sel::Stay);
    QTest::newRow("double-click inside confirms")
        << select + "p 50,50 r 50,50 p 50,50 d 50,50" << int(Sel::Moving) << selected
        << int(Sel::Accept);
    QTest::newRow("double-click outside does not")
        << select + "d 300,250" << int(Sel::Selected) << selected << int(Sel::Stay);
    QTest::newRow("double-click on a too small selection does not")
        << "p 30,30 r 30,30 d 30,30" << int(Sel::Idle) << QRect(30, 30, 1, 1) << int(Sel::Stay);
}

void TestScreenshotSelection::interaction()
{
    QFETCH(QString, script);
    QFETCH(int, state);
    QFETCH(QRect, selection);
    QFETCH(int, outcome);
    Sel picker(screenBounds);
    QCOMPARE(int(play(picker, script)), outcome);
    QCOMPARE(int(picker.state()), state);
    QCOMPARE(picker.selection(), selection);
    QCOMPARE(picker.showsButtons(), state == Sel::Selected || state == Sel::ButtonDown);
}

void TestScreenshotSelection::buttonsStayOnTheScreen_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QRect>("tick");
    QTest::addColumn<QRect>("cross");
    QTest::newRow("below the selection, the tick left of the cross")
        << "p 10,10 r 200,100" << QRect(28, 105, 75, 23) << QRect(123, 105, 75, 23);
    QTest::newRow("a selection down to the foot of the screen")
        << "p 10,150 r 200,299" << QRect(28, 273, 75, 23) << QRect(123, 273, 75, 23);
    QTest::newRow("a narrow selection at the left edge")
        << "p 0,10 r 40,100" << QRect(4, 105, 75, 23) << QRect(99, 105, 75, 23);
}

void TestScreenshotSelection::buttonsStayOnTheScreen()
{
    QFETCH(QString, script);
    QFETCH(QRect, tick);
    QFETCH(QRect, cross);
    Sel picker(screenBounds);
    play(picker, script);
    QCOMPARE(picker.button(Sel::Confirm).rect, tick);
    QCOMPARE(picker.button(Sel::Cancel).rect, cross);
}

void TestScreenshotSelection::cutOut_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<QRect>("pixels"); // of the screen picture; empty: nothing
    QTest::newRow("inside") << "p 20,30 r 69,59" << 1.0 << QRect(20, 30, 50, 30);
    QTest::newRow("moved past the right edge is clipped")
        << "p 300,30 r 369,59 p 330,40 m 380,40 r 380,40" << 1.0 << QRect(350, 30, 50, 30);
    QTest::newRow("moved off the screen holds nothing")
        << "p 20,30 r 69,59 p 40,40 m 40,-200 r 40,-200" << 1.0 << QRect();
    QTest::newRow("a screen at twice the pixels")
        << "p 20,30 r 69,59" << 2.0 << QRect(40, 60, 100, 60);
}

void TestScreenshotSelection::cutOut()
{
    QFETCH(QString, script);
    QFETCH(qreal, ratio);
    QFETCH(QRect, pixels);
    QPixmap screen = numberedScreen(screenBounds.size() * ratio);
    screen.setDevicePixelRatio(ratio);
    Sel picker(screenBounds);
    play(picker, script);
    const QPixmap cut = picker.cutOut(screen);
    if (pixels.isEmpty()) {
        QVERIFY(cut.isNull());
        return;
    }
    QImage expected = screen.toImage().copy(pixels).convertToFormat(QImage::Format_RGB32);
    expected.setDevicePixelRatio(1.0); // the cut-out is in the screen's own pixels
    QCOMPARE(cut.toImage().convertToFormat(QImage::Format_RGB32), expected);
}

void TestScreenshotSelection::dialogFlow_data()
{
    QTest::addColumn<QString>("finish"); // after selecting x 10..200, y 10..100
    QTest::addColumn<bool>("accepted");
    QTest::newRow("the tick") << "tick" << true;
    QTest::newRow("a double-click") << "double" << true;
    QTest::newRow("the cross") << "cross" << false;
    QTest::newRow("Escape") << "escape" << false;
}

// The real dialog run by the helper over a picture, driven by mouse and keys:
// confirmed, the clipboard holds exactly the selected pixels.
void TestScreenshotSelection::dialogFlow()
{
    QFETCH(QString, finish);
    QFETCH(bool, accepted);
    const QPixmap screen = numberedScreen(screenBounds.size());
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    answerNextModal<LMScreenshotDialog>([finish](LMScreenshotDialog *d) {
        QTest::mousePress(d, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseMove(d, QPoint(100, 60));
        QTest::mouseRelease(d, Qt::LeftButton, {}, QPoint(200, 100));
        if (finish == QLatin1String("tick"))
            QTest::mouseClick(d, Qt::LeftButton, {}, QPoint(60, 115));
        else if (finish == QLatin1String("cross"))
            QTest::mouseClick(d, Qt::LeftButton, {}, QPoint(160, 115));
        else if (finish == QLatin1String("double"))
            QTest::mouseDClick(d, Qt::LeftButton, {}, QPoint(50, 50));
        else
            QTest::keyClick(d, Qt::Key_Escape);
    });
    LMScreenshotHelper helper;
    QPixmap out;
    QCOMPARE(helper.capture(out, screen, nullptr), accepted);
    if (!accepted) {
        QVERIFY(out.isNull());
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
        return;
    }
    const QImage expected = screen.toImage().copy(QRect(QPoint(10, 10), QPoint(200, 100)));
    QCOMPARE(out.toImage(), expected);
    QCOMPARE(QGuiApplication::clipboard()->image().convertToFormat(expected.format()), expected);
}

// What the user sees: the screen dimmed but for the selection, and the tick
// and cross below it.
void TestScreenshotSelection::dialogShowsSelectionAndButtons()
{
    QPixmap screen(screenBounds.size());
    screen.fill(QColor(200, 200, 200));
    LMScreenshotDialog dialog(screen);
    dialog.resize(screenBounds.size());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::mousePress(&dialog, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseMove(&dialog, QPoint(100, 60));
    QTest::mouseRelease(&dialog, Qt::LeftButton, {}, QPoint(200, 100));
    const QImage look = dialog.grab().toImage();
    QCOMPARE(look.pixelColor(100, 50), QColor(200, 200, 200)); // selected: as it was
    QVERIFY(look.pixelColor(300, 250).lightness() < 150);      // elsewhere dimmed
    QCOMPARE(look.pixelColor(10, 10), QColor(Qt::black));      // the outline's corner
    // The plates' dark middles, not the blue outline drawn for a missing picture.
    for (const QPoint p : {QPoint(35, 116), QPoint(130, 116)}) {
        const QColor plate = look.pixelColor(p);
        QVERIFY2(plate.lightness() < 80 && plate.blue() < 100, qPrintable(plate.name()));
    }
    dialog.reject();
}

QTEST_MAIN(TestScreenshotSelection)
#include "tst_screenshotselection.moc"
