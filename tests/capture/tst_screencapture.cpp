#include "../common/ModalAnswer.h"
#include "app/LMMainWidget.h"
#include "app/LMResources.h"
#include "canvas/LMGraphView.h"
#include "capture/LMScreenshotDialog.h"
#include "model/LMDesign.h"
#include "tools/frame/LMGraphFuncImg.h"
#include "ui_LMMainWidget.h"

#include <QClipboard>
#include <QPushButton>
#include <QSettings>
#include <QTest>

// A part of the real screen into a design, as a user does it: the image
// tool's ScreenShot button, a drag over the picker, a double-click.
class TestScreenCapture : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        lmInitResources();
        QSettings(QStringLiteral("Lumetra"), QStringLiteral("Lumetra")).clear();
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs a real X display (run under xvfb-run)");
    }

    void captureIntoTheDesign_data()
    {
        QTest::addColumn<bool>("confirm"); // else the picker is left with Escape
        QTest::newRow("confirmed") << true;
        QTest::newRow("left") << false;
    }

    void captureIntoTheDesign()
    {
        QFETCH(bool, confirm);
        LMMainWidget window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::mouseClick(window.form()->d10, Qt::LeftButton);
        QWidget *panel = window.settingsPanel();
        QVERIFY(panel);
        auto *capture = panel->findChild<QPushButton *>(QStringLiteral("captureImgButton"));
        QVERIFY(capture);
        QTRY_VERIFY(capture->isVisible());
        QTest::qWait(200); // let the window settle on the screen before grabbing
        const QRect region(40, 30, 200, 100);
        const QImage expected =
            QGuiApplication::primaryScreen()->grabWindow(0).toImage().copy(region).convertToFormat(
                QImage::Format_RGB32);
        const QImage page = window.graphView()->rasterImage();

        QRect dialogGeometry;
        answerNextModal<LMScreenshotDialog>([&](LMScreenshotDialog *d) {
            dialogGeometry = d->geometry();
            QTest::mousePress(d, Qt::LeftButton, {}, region.topLeft());
            QTest::mouseMove(d, region.center());
            QTest::mouseRelease(d, Qt::LeftButton, {}, region.bottomRight());
            if (confirm)
                QTest::mouseDClick(d, Qt::LeftButton, {}, region.center());
            else
                QTest::keyClick(d, Qt::Key_Escape);
        });
        QTest::mouseClick(capture, Qt::LeftButton);
        QCOMPARE(dialogGeometry, QGuiApplication::primaryScreen()->geometry());
        auto *item = dynamic_cast<LMGraphFuncImg *>(window.graphView()->lastLiveItem());
        const QRect placed = item ? item->keptPixels() : QRect();
        QTest::mouseClick(window.form()->d01, Qt::LeftButton); // applied
        const QImage after = window.graphView()->rasterImage();
        if (!confirm) {
            QCOMPARE(after, page);
            return;
        }
        QCOMPARE(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
                 expected);
        // Placed at its own size, pixel for pixel: each screen pixel on one
        // document pixel, k x k pixels of the page.
        QCOMPARE(placed.size(), region.size());
        const int k = window.design()->detail();
        QImage blocks = expected.scaled(region.size() * k);
        blocks.setDevicePixelRatio(k);
        QCOMPARE(window.design()->pagePart(placed), blocks);
        QVERIFY(window.design()->isModified());
    }
};

QTEST_MAIN(TestScreenCapture)

#include "tst_screencapture.moc"
