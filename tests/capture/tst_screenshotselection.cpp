#include "../common/Golden.h"
#include "../common/ModalAnswer.h"
#include "app/LMResources.h"
#include "capture/LMScreenshotDialog.h"
#include "capture/LMScreenshotHelper.h"
#include "capture/LMScreenshotSelection.h"

#include <QClipboard>
#include <QTest>

using Sel = LMScreenshotSelection;

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

// Plays "p x,y" press, "m x,y" move, "r x,y" release, "d x,y" double-click.
Sel::Outcome play(Sel &selection, const QString &script)
{
    Sel::Outcome last = Sel::Stay;
    const QStringList steps = script.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (int i = 0; i + 1 < steps.size(); i += 2) {
        const QStringList xy = steps[i + 1].split(QLatin1Char(','));
        const QPoint p(xy.value(0).toInt(), xy.value(1).toInt());
        bool repaint = false;
        if (steps[i] == QLatin1String("p"))
            selection.press(p);
        else if (steps[i] == QLatin1String("m"))
            selection.move(p);
        else if (steps[i] == QLatin1String("r"))
            last = selection.release(p, &repaint);
        else
            last = selection.doubleClick(p);
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
    void interaction_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("state");
        QTest::addColumn<QRect>("selection");
        QTest::addColumn<int>("outcome");
        // Selects x 10..200, y 10..100; its tick spans x 28..102, its cross x
        // 123..197, both y 105..127.
        const QString select = QStringLiteral("p 10,10 m 60,40 r 200,100 ");
        const QRect selected(QPoint(10, 10), QPoint(200, 100));
        QTest::newRow("drag down-right")
            << select << int(Sel::Selected) << selected << int(Sel::Stay);
        QTest::newRow("drag up-left, the same")
            << "p 200,100 m 60,40 r 10,10" << int(Sel::Selected) << selected << int(Sel::Stay);
        QTest::newRow("a click without a drag stays idle")
            << "p 30,30 r 30,30" << int(Sel::Idle) << QRect(30, 30, 1, 1) << int(Sel::Stay);
        QTest::newRow("two pixels wide is too small")
            << "p 30,30 r 31,60" << int(Sel::Idle) << QRect(30, 30, 2, 31) << int(Sel::Stay);
        QTest::newRow("a press after a click starts anew")
            << "p 30,30 r 30,30 p 50,50 r 80,90" << int(Sel::Selected)
            << QRect(QPoint(50, 50), QPoint(80, 90)) << int(Sel::Stay);
        // After that selection, a drag from one point to another.
        const auto dragged = [&](const char *name, const char *from, const char *to, QRect result) {
            QTest::newRow(name) << select + "p " + from + " m " + to + " r " + to
                                << int(Sel::Selected) << result << int(Sel::Stay);
        };
        dragged("moved from inside", "50,30", "70,40", selected.translated(20, 10));
        dragged("a press outside starts anew", "300,200", "350,260",
                QRect(QPoint(300, 200), QPoint(350, 260)));
        dragged("two beyond the right edge starts anew", "202,55", "250,90",
                QRect(QPoint(202, 55), QPoint(250, 90)));
        dragged("the right edge dragged across the left flips", "200,55", "4,55",
                QRect(QPoint(4, 10), QPoint(10, 100)));
        // Each handle pulled by (7, 9): the middles are at x 105 and y 55.
        dragged("the top-left corner", "10,10", "17,19", QRect(QPoint(17, 19), QPoint(200, 100)));
        dragged("the top edge", "105,10", "112,19", QRect(QPoint(10, 19), QPoint(200, 100)));
        dragged("the top-right corner", "200,10", "207,19",
                QRect(QPoint(10, 19), QPoint(207, 100)));
        dragged("the right edge", "200,55", "207,64", QRect(QPoint(10, 10), QPoint(207, 100)));
        dragged("the bottom-right corner", "200,100", "207,109",
                QRect(QPoint(10, 10), QPoint(207, 109)));
        dragged("the bottom edge", "105,100", "112,109", QRect(QPoint(10, 10), QPoint(200, 109)));
        dragged("the bottom-left corner", "10,100", "17,109",
                QRect(QPoint(17, 10), QPoint(200, 109)));
        dragged("the left edge", "10,55", "17,64", QRect(QPoint(17, 10), QPoint(200, 100)));
        // A handle grips within one pixel; two off the middle of an edge is inside.
        dragged("one off the top edge's middle", "106,9", "113,18",
                QRect(QPoint(10, 18), QPoint(200, 100)));
        dragged("two off the top edge's middle", "107,10", "114,19", selected.translated(7, 9));
        QTest::newRow("a tiny selection is moved from its middle")
            << "p 10,10 r 12,12 p 11,11 m 15,16 r 15,16" << int(Sel::Selected)
            << QRect(QPoint(14, 15), QPoint(16, 17)) << int(Sel::Stay);
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

    void interaction()
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

    void cutOut_data()
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

    void cutOut()
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

    void dialogFlow_data()
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
    void dialogFlow()
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
        QCOMPARE(QGuiApplication::clipboard()->image().convertToFormat(expected.format()),
                 expected);
    }

    // What the user sees: the screen dimmed but for the selection, and the tick
    // and cross below it.
    void dialogShowsSelectionAndButtons()
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
        // The screen dimmed but round the selection, its outline, the tick and the cross.
        LM_COMPARE_GOLDEN(dialog.grab().toImage(),
                          QStringLiteral("tst_screenshotselection_dialog"));
        dialog.reject();
    }
};

QTEST_MAIN(TestScreenshotSelection)

#include "tst_screenshotselection.moc"
