#include "../common/WindowFixture.h"
#include "app/LMResources.h"
#include "app/QVTLanguageManager.h"
#include "model/LMPictureClipboard.h"
#include "tools/LMScreenMsgHandlerInf.h"
#include "tools/frame/LMGraphFuncImg.h"

#include <QClipboard>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QWheelEvent>

namespace {
// A picture whose every pixel differs from its neighbours: any resampling shows.
QImage checkerboard(const QSize &size)
{
    QImage picture(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            picture.setPixel(x, y, (x + y) % 2 ? qRgb(20, 40, 200) : qRgb(250, 220, 10));
    return picture;
}
} // namespace

// What happens between documents: the history after opening and New, the
// placement of an opened outline, the modified mark, and paper changes.
class TestDocumentFlows : public QObject, private WindowFixture {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        lmInitResources();
        QVERIFY(m_dir.isValid());
        QSettings(QStringLiteral("Lumetra"), QStringLiteral("Lumetra")).clear();
    }

    void init() { openWindow(); }

    void cleanup() { closeWindow(); }

    // Opening starts a history of its own: Undo never shows another document's
    // page under the opened file's name. New keeps the history: Undo brings the
    // page before it back, as a new, unnamed design.
    void undoAfterOpeningAndAfterNew()
    {
        const QString path = savedDesign();
        QVERIFY(!path.isEmpty());
        QTest::mouseClick(ui()->btn_new, Qt::LeftButton);
        line(QPoint(100, 200), QPoint(300, 200)); // another drawing, unsaved
        design()->setModified(false);
        QVERIFY(m_window->openFile(path));
        const QImage opened = canvas()->rasterImage().copy();
        QTest::mouseClick(ui()->btn_return, Qt::LeftButton);
        QCOMPARE(canvas()->rasterImage(), opened);
        QTest::mouseClick(ui()->btn_redo, Qt::LeftButton);
        QCOMPARE(canvas()->rasterImage(), opened);
        QCOMPARE(at(180, 75), QColor(Qt::black));
        QCOMPARE(at(180, 175), QColor(Qt::white));
        QCOMPARE(m_window->windowTitle(), QStringLiteral("design.lmx   Lumetra"));

        QTest::mouseClick(ui()->btn_new, Qt::LeftButton);
        QCOMPARE(at(180, 75), QColor(Qt::white));
        QTest::mouseClick(ui()->btn_return, Qt::LeftButton);
        QCOMPARE(at(180, 75), QColor(Qt::black));
        QVERIFY(m_window->currentPath().isEmpty());
        QCOMPARE(m_window->windowTitle(), QStringLiteral("*   Lumetra"));
    }

    // The start-up centring never moves the outline of a design opened from the
    // command line.
    void commandLineOpenKeepsThePlacement()
    {
        design()->setOutlineOffset(design()->outlineOffset() + QPoint(40, -30));
        const QPoint placed = design()->outlineOffset();
        const QString path = savedDesign();
        QVERIFY(!path.isEmpty());
        delete m_window;
        m_window = new LMMainWidget;
        m_window->show();
        m_window->begin({QStringLiteral("lumetra"), path});
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
        QTest::qWait(400);
        QCOMPARE(design()->outlineOffset(), placed);
        QVERIFY(!design()->isModified());

        // A damaged one is named, with the window already there behind the message.
        QFile damaged(m_dir.filePath(QStringLiteral("damaged.lmx")));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write(QByteArray("\x0a\0\0\0broken", 10));
        damaged.close();
        delete m_window;
        m_window = new LMMainWidget;
        m_window->show();
        QString said;
        bool windowBehind = false;
        answerNextModal<QMessageBox>([&](QMessageBox *box) {
            said = box->text();
            windowBehind = m_window->isVisible();
            box->accept();
        });
        m_window->begin({QStringLiteral("lumetra"), damaged.fileName()});
        QVERIFY2(said.contains(damaged.fileName()), qPrintable(said));
        QVERIFY(windowBehind);
    }

    void unchangedDesignStaysUnmarked_data()
    {
        QTest::addColumn<QString>("action");
        QTest::newRow("zoom") << "zoom";
        // A tool's button, then the hand tool: whatever it left is applied.
        QTest::newRow("a shape tool only clicked") << "d02";
        QTest::newRow("an empty text field") << "d13";
        QTest::newRow("a field of spaces") << "d13   ";
        QTest::newRow("a live line deleted") << "d00";
        QTest::newRow("Undo with nothing to undo") << "undo";
        QTest::newRow("Redo with nothing to redo") << "redo";
        QTest::newRow("open, then nothing") << "open";
        QTest::newRow("New on a new page, then Undo") << "new";
    }

    // Only what is saved marks the design: closing then asks nothing. What a tool
    // leaves empty never reaches the page, nor the history.
    void unchangedDesignStaysUnmarked()
    {
        QFETCH(QString, action);
        const QImage before = canvas()->rasterImage().copy();
        if (action == QLatin1String("open")) {
            const QString path = savedDesign();
            QTest::mouseClick(ui()->btn_new, Qt::LeftButton);
            QVERIFY(m_window->openFile(path));
        }
        if (action == QLatin1String("zoom"))
            ui()->spin_size->setValue(60);
        if (action.startsWith(QLatin1Char('d'))) {
            QTest::mouseClick(m_window->findChild<QPushButton *>(action.left(3)), Qt::LeftButton);
            if (action != QLatin1String("d02"))
                drag(QPoint(100, 100), QPoint(300, 160));
            QTest::keyClicks(canvas(), action.mid(3));
            if (action == QLatin1String("d00")) {
                QCOMPARE(canvas()->liveItems().size(), 1);
                QTest::keyClick(canvas(), Qt::Key_Delete);
                QVERIFY(canvas()->liveItems().isEmpty());
            }
            QTest::mouseClick(ui()->d01, Qt::LeftButton);
            QCOMPARE(design()->history().count(), 0);
            QCOMPARE(canvas()->rasterImage(), before);
        }
        if (action == QLatin1String("undo"))
            QTest::mouseClick(ui()->btn_return, Qt::LeftButton);
        if (action == QLatin1String("redo"))
            QTest::mouseClick(ui()->btn_redo, Qt::LeftButton);
        if (action == QLatin1String("new")) {
            QTest::mouseClick(ui()->btn_new, Qt::LeftButton);
            QTest::mouseClick(ui()->btn_return, Qt::LeftButton);
        }
        QVERIFY(!design()->isModified());
        QVERIFY(!m_window->windowTitle().startsWith(QLatin1Char('*')));
        QVERIFY(m_window->close()); // no prompt: it would hold the close until answered
    }

    // Portrait and back cuts the page; each change is a step, and Undo brings
    // the earlier paper back whole, with its controls.
    void paperChangeIsOneUndoStep()
    {
        line(QPoint(700, 100), QPoint(820, 100)); // right of where portrait ends
        QCOMPARE(at(750, 75), QColor(Qt::black));
        toggleLandscape();
        QCOMPARE(rasterSize(), QSize(648, 837));
        toggleLandscape();
        QCOMPARE(at(750, 75), QColor(Qt::white)); // cut by portrait
        QTest::mouseClick(ui()->btn_return, Qt::LeftButton);
        QCOMPARE(rasterSize(), QSize(648, 837));
        QVERIFY(!ui()->chk_horizonal->isChecked());
        QVERIFY(!design()->flags().landscape());
        QTest::mouseClick(ui()->btn_return, Qt::LeftButton);
        QCOMPARE(rasterSize(), QSize(837, 648));
        QVERIFY(ui()->chk_horizonal->isChecked());
        QCOMPARE(at(750, 75), QColor(Qt::black));
        QCOMPARE(canvas()->size(), QSize(877, 698));
        QTest::mouseClick(ui()->btn_redo, Qt::LeftButton);
        QCOMPARE(rasterSize(), QSize(648, 837));
        QVERIFY(!ui()->chk_horizonal->isChecked());
    }

    // New, Undo and Redo from the keyboard wherever the focus is, and the zoom keys.
    void keyboardCommands()
    {
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        line(QPoint(100, 100), QPoint(300, 100));
        design()->setModified(false);
        // Wherever the focus is: on a check box, on a combo box.
        ui()->chk_horizonal->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(at(180, 75), QColor(Qt::white));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(at(180, 75), QColor(Qt::black));
        ui()->cob_pasesetting->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(at(180, 75), QColor(Qt::white));
        QTest::keyClick(m_window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(at(180, 75), QColor(Qt::white)); // nothing more to redo
        QTest::keyClick(m_window, Qt::Key_Equal, Qt::ControlModifier);
        QCOMPARE(ui()->spin_size->value(), 120);
        QTest::keyClick(m_window, Qt::Key_Minus, Qt::ControlModifier);
        QTest::keyClick(m_window, Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(ui()->spin_size->value(), 80);
        // Ctrl and the wheel zoom about the pointer: the page point under it stays.
        QWidget *viewport = ui()->scroll_graph->viewport();
        const QPoint pointer = canvas()->transform(Matrix::DocToWidget).map(QPoint(300, 200));
        const QPoint onView = canvas()->mapTo(viewport, pointer);
        QWheelEvent wheel(pointer, canvas()->mapToGlobal(pointer), QPoint(), QPoint(0, 240),
                          Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(canvas(), &wheel);
        QCOMPARE(ui()->spin_size->value(), 120);
        const QPoint under = canvas()->toDocument(canvas()->mapFrom(viewport, onView));
        QVERIFY2((under - QPoint(300, 200)).manhattanLength() <= 3,
                 qPrintable(QStringLiteral("%1,%2").arg(under.x()).arg(under.y())));
        ui()->spin_size->setValue(400);
        QTest::keyClick(m_window, Qt::Key_0, Qt::ControlModifier);
        QVERIFY(canvas()->width() <= viewport->width() && canvas()->height() <= viewport->height());
        QVERIFY(ui()->spin_size->value() < 400);
    }

    void arrowsMoveALiveFrame_data()
    {
        QTest::addColumn<int>("zoom");
        QTest::newRow("100%") << 100;
        QTest::newRow("200%") << 200;
    }

    // Three steps right and one long step down, in page pixels.
    void arrowsMoveALiveFrame()
    {
        QFETCH(int, zoom);
        ui()->spin_size->setValue(zoom);
        QTest::mouseClick(ui()->d02, Qt::LeftButton);
        const QTransform toWidget = canvas()->transform(Matrix::DocToWidget);
        const QPoint from = toWidget.map(QPoint(100, 100)), to = toWidget.map(QPoint(200, 160));
        drag(from, to, 1);
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(canvas(), Qt::Key_Right);
        QTest::keyClick(canvas(), Qt::Key_Down, Qt::ShiftModifier);
        QTest::mouseClick(ui()->d01, Qt::LeftButton);
        QCOMPARE(at(103, 130), QColor(Qt::black)); // the left side, moved
        QCOMPARE(at(100, 130), QColor(Qt::white));
        QCOMPARE(at(150, 110), QColor(Qt::black)); // the top side, moved
        QCOMPARE(at(150, 100), QColor(Qt::white));
    }

    // The window's place, the language, the last folder and the recent designs
    // come back in the next window; a recent design that is gone is dropped.
    void settingsComeBack()
    {
        const QString path = savedDesign();
        QVERIFY(!path.isEmpty());
        ui()->cob_lan->setCurrentIndex(1); // Spanish
        m_window->resize(1400, 600);
        const QRect placed = m_window->geometry();
        QVERIFY(m_window->close());
        delete m_window;
        m_window = new LMMainWidget;
        QCOMPARE(m_window->languageManager()->language(), 6);
        QCOMPARE(m_window->geometry().size(), placed.size());
        QCOMPARE(m_window->recentFiles(), QStringList{path});
        QVERIFY(QFile::remove(path));
        QString said;
        noteWarning(&said);
        m_window->openRecentFile(path);
        QCOMPARE(said, QStringLiteral("¡No se ha encontrado el archivo!"));
        QVERIFY(m_window->recentFiles().isEmpty());
        ui()->cob_lan->setCurrentIndex(0);
        m_window->saveSettings();
    }

    // Ctrl+V and the canvas's menu paste a picture, and only when there is one.
    void pasteWhereAUserExpectsIt()
    {
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        QGuiApplication::clipboard()->setText(QStringLiteral("words, not a picture"));
        QTest::keyClick(m_window, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(canvas()->currentHandler()->objectName(), QStringLiteral("basic"));
        QMenu empty;
        canvas()->fillContextMenu(&empty, QPoint(30, 30));
        QCOMPARE(empty.actions().size(), 2);

        QGuiApplication::clipboard()->setImage(checkerboard(QSize(40, 30)));
        QMenu menu;
        canvas()->fillContextMenu(&menu, QPoint(30, 30));
        QCOMPARE(menu.actions().last()->text(), QStringLiteral("Paste"));
        menu.actions().last()->trigger();
        QCOMPARE(canvas()->currentHandler()->objectName(), QStringLiteral("img"));
        QVERIFY(ui()->d10->isChecked());
        QCOMPARE(canvas()->liveItems().size(), 1);
    }

    // Zoomed into the page's lower right, a pasted picture lands in the middle of
    // what is in view; a corner keeps its proportions unless Shift is held; a part
    // copied from the page goes back where it came from while that is in view.
    void picturesLandWhereTheUserLooks()
    {
        ui()->spin_size->setValue(400);
        QScrollArea *area = ui()->scroll_graph;
        area->horizontalScrollBar()->setValue(area->horizontalScrollBar()->maximum());
        area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());
        const auto inView = [this] {
            return canvas()
                ->transform(Matrix::WidgetToDoc)
                .mapRect(canvas()->visibleRegion().boundingRect())
                .intersected(design()->pageRect());
        };
        const QRect seen = inView();
        QVERIFY(seen.left() > design()->pageRect().center().x());
        QVERIFY(seen.top() > design()->pageRect().center().y());
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        QGuiApplication::clipboard()->setImage(checkerboard(QSize(100, 50)));
        QTest::keyClick(m_window, Qt::Key_V, Qt::ControlModifier);
        auto *item = dynamic_cast<LMGraphFuncImg *>(canvas()->lastLiveItem());
        QVERIFY(item);
        QVERIFY((item->keptPixels().center() - seen.center()).manhattanLength() <= 2);

        // The bottom-right corner pulled right and a little down: 2 : 1 stays.
        const auto corner = [item] {
            return item->GetMatrix(LMGraphFuncDashedLineRectangle::FrameToWidget)
                .map(*item->handlePos(LMPoint::BottomRight));
        };
        const auto frameSize = [item] {
            return QRect(*item->handlePos(LMPoint::TopLeft), *item->handlePos(LMPoint::BottomRight))
                .size();
        };
        // While it is pulled, its place and size in millimetres show beside the pointer.
        QTest::mousePress(canvas(), Qt::LeftButton, {}, corner());
        QTest::mouseMove(canvas(), corner());
        QVERIFY2(canvas()->readout().endsWith(QStringLiteral("33.3 × 16.7 mm")),
                 qPrintable(canvas()->readout()));
        QTest::mouseRelease(canvas(), Qt::LeftButton, {}, corner());
        QVERIFY(canvas()->readout().isEmpty());
        drag(corner(), corner() + QPoint(60, 8), 2);
        QSize size = frameSize();
        QVERIFY2(size.width() > 200 && qAbs(size.width() - 2 * size.height()) <= 2,
                 qPrintable(QStringLiteral("%1 x %2").arg(size.width()).arg(size.height())));
        // With Shift the corner goes where the pointer does.
        const QPoint from = corner(), to = corner() + QPoint(0, 40);
        QTest::mousePress(canvas(), Qt::LeftButton, Qt::ShiftModifier, from);
        QMouseEvent move(QEvent::MouseMove, to, canvas()->mapToGlobal(to), Qt::NoButton,
                         Qt::LeftButton, Qt::ShiftModifier);
        QCoreApplication::sendEvent(canvas(), &move);
        QTest::mouseRelease(canvas(), Qt::LeftButton, Qt::ShiftModifier, to);
        QCOMPARE(frameSize(), size + QSize(0, 40));
        QTest::mouseClick(ui()->d01, Qt::LeftButton);

        // A part copied with the select tool, pasted while its place is in view.
        QTest::mouseClick(ui()->d04, Qt::LeftButton);
        const QPoint a = canvas()->mapFrom(area->viewport(), QPoint(40, 40));
        drag(a, a + QPoint(120, 60), 1);
        QTest::keyClick(m_window, Qt::Key_C, Qt::ControlModifier);
        QRect copiedFrom;
        QVERIFY(!LMPictureClipboard::picture(&copiedFrom).isNull());
        QVERIFY(seen.contains(copiedFrom));
        QTest::mouseClick(ui()->d01, Qt::LeftButton);
        QTest::keyClick(m_window, Qt::Key_V, Qt::ControlModifier);
        item = dynamic_cast<LMGraphFuncImg *>(canvas()->lastLiveItem());
        QVERIFY(item);
        QCOMPARE(item->keptPixels(), copiedFrom);
        QTest::mouseClick(ui()->d01, Qt::LeftButton);
        // Scrolled away from it, the copy comes to the middle of the view.
        area->horizontalScrollBar()->setValue(0);
        area->verticalScrollBar()->setValue(0);
        QTest::keyClick(m_window, Qt::Key_V, Qt::ControlModifier);
        item = dynamic_cast<LMGraphFuncImg *>(canvas()->lastLiveItem());
        QVERIFY(item);
        QVERIFY((item->keptPixels().center() - inView().center()).manhattanLength() <= 2);
    }

    // A region lifted, moved and applied is one step; Undo brings the page from
    // before the lift back, not a page with a white hole.
    void selectToolLiftsAndUndoes()
    {
        line(QPoint(100, 100), QPoint(300, 100)); // page row 75, x 80 to 280
        const QImage before = canvas()->rasterImage().copy();
        QTest::mouseClick(ui()->d04, Qt::LeftButton);
        drag(QPoint(90, 80), QPoint(200, 120), 1);
        QCOMPARE(canvas()->rasterImage(), before);   // lifted, but the page is untouched yet
        drag(QPoint(150, 100), QPoint(150, 300), 1); // inside: move it
        QTest::mouseClick(ui()->d01, Qt::LeftButton);
        QCOMPARE(at(130, 75), QColor(Qt::white));  // lifted from here
        QCOMPARE(at(130, 275), QColor(Qt::black)); // to here
        QCOMPARE(at(250, 75), QColor(Qt::black));  // the rest of the line stays
        QCOMPARE(design()->history().count(), 2);
        QTest::mouseClick(ui()->btn_return, Qt::LeftButton);
        QCOMPARE(canvas()->rasterImage(), before);
    }

    void selectToolCopyAndClip_data()
    {
        QTest::addColumn<bool>("clip");
        QTest::newRow("Copy") << false;
        QTest::newRow("Clip") << true;
    }

    // Copy gives the frame's size as it is now; Clip also leaves white behind.
    void selectToolCopyAndClip()
    {
        QFETCH(bool, clip);
        line(QPoint(100, 100), QPoint(300, 100));
        QGuiApplication::clipboard()->clear();
        QTest::mouseClick(ui()->d04, Qt::LeftButton);
        drag(QPoint(120, 90), QPoint(180, 110), 1);
        // Its right side pulled out: the frame is now twice as wide.
        drag(QPoint(180, 100), QPoint(240, 100), 1);
        QWidget *panel = m_window->settingsPanel();
        QVERIFY(panel);
        QTest::mouseClick(panel->findChild<QPushButton *>(clip ? QStringLiteral("clipButton")
                                                               : QStringLiteral("copyButton")),
                          Qt::LeftButton);
        const QImage copied = QGuiApplication::clipboard()->image();
        QCOMPARE(copied.size(), QSize(121, 21));
        // A paste in Lumetra gets the copy at the page's detail, as large.
        const QImage pasted = LMPictureClipboard::picture();
        QCOMPARE(pasted.deviceIndependentSize().toSize(), QSize(121, 21));
        QCOMPARE(qRound(pasted.devicePixelRatio()), design()->detail());
        QTest::mouseClick(ui()->d01, Qt::LeftButton);
        QCOMPARE(at(130, 75), clip ? QColor(Qt::white) : QColor(Qt::black));
        // Once another picture is on the clipboard, that one is pasted.
        QGuiApplication::clipboard()->setImage(checkerboard(QSize(40, 30)));
        QCOMPARE(LMPictureClipboard::picture().size(), QSize(40, 30));
    }

private:
    void line(const QPoint &from, const QPoint &to);
    // A design with a line across row 75, saved and left open unchanged.
    QString savedDesign();

    QTemporaryDir m_dir;
};

void TestDocumentFlows::line(const QPoint &from, const QPoint &to)
{
    if (!ui()->d00->isChecked())
        QTest::mouseClick(ui()->d00, Qt::LeftButton);
    drag(from, to);
    QTest::mouseClick(ui()->d01, Qt::LeftButton); // applied
}

QString TestDocumentFlows::savedDesign()
{
    const QString path = m_dir.filePath(QStringLiteral("design.lmx"));
    line(QPoint(100, 100), QPoint(300, 100));
    m_window->setCurrentPath(path);
    if (!m_window->saveDocument(false))
        return QString();
    return path;
}

QTEST_MAIN(TestDocumentFlows)

#include "tst_documentflows.moc"
