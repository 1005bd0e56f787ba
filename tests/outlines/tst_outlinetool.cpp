#include "../common/WindowFixture.h"
#include "app/LMResources.h"
#include "model/outlines/LMArtFrameFactory.h"
#include "outlines/ArtFrameButton.h"
#include "outlines/ArtFramePan.h"
#include "outlines/LMScreenMsgHandlerArtFrameSetting.h"
#include "tools/LMScreenMsgHandlerInf.h"

#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QToolBox>

// The outline tool and its panel, through the real window.
class TestOutlineTool : public QObject, private WindowFixture {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { lmInitResources(); }

    void init()
    {
        openWindow();
        // Let the start-up centring (200 ms after start) pass, so that it cannot
        // move the outline in the middle of a test on a slow machine.
        QTest::qWait(250);
    }

    void cleanup() { closeWindow(); }

    void pageLayout_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("cellWidth");
        QTest::addColumn<int>("height");
        QTest::newRow("200 pixels: 5 columns, 3 rows") << 200 << 40 << 141;
        QTest::newRow("100 pixels: 2 columns of 50") << 100 << 50 << 8 * 45 + 6;
        QTest::newRow("239 pixels: 5 columns of 47") << 239 << 47 << 141;
    }

    void pageLayout()
    {
        QFETCH(int, width);
        QFETCH(int, cellWidth);
        QFETCH(int, height);
        QButtonGroup group;
        ArtFramePan page(design(), 0, &group);
        // Shown before it has room for one column: nothing is placed yet.
        page.resize(30, 10);
        page.show();
        QCOMPARE(page.buttons().size(), 15);
        QCOMPARE(page.height(), 10);
        page.resize(width, 10);
        QCOMPARE(page.height(), height);
        QCOMPARE(page.buttons()[1]->geometry(), QRect(cellWidth, 0, cellWidth, 45));
        const int columns = width / cellWidth;
        QCOMPARE(page.buttons()[columns]->geometry().topLeft(), QPoint(0, 45));
    }

    void pressingAnOutlineSelectsItUntilANewDocument()
    {
        LMScreenMsgHandlerArtFrameSetting *panel = openPanel();
        panel->toolBox()->setCurrentIndex(2);
        auto *cards = qobject_cast<ArtFramePan *>(panel->toolBox()->widget(2));
        QTRY_COMPARE(cards->buttons().size(), 15);
        design()->setModified(false);
        QTest::mousePress(cards->buttons()[4], Qt::LeftButton); // selected on press, before release
        QCOMPARE(design()->outlineGroup(), 2);
        QCOMPARE(design()->outlineIndex(), 4);
        QVERIFY(cards->buttons()[4]->isChecked());
        QVERIFY(design()->isModified());
        const QRectF placed =
            canvas()->transform(Matrix::OutlineToDoc).map(design()->outlinePath()).boundingRect();
        QVERIFY(qAbs(placed.center().x() - 418) <= 1 && qAbs(placed.center().y() - 323.5) <= 1);
        QTest::mouseRelease(cards->buttons()[4], Qt::LeftButton);
        // Moved, then a new document: the first outline again, in the middle.
        design()->setOutlineOffset(QPoint(10, 10));
        canvas()->clearDocument();
        QCOMPARE(design()->outlineGroup(), 0);
        QCOMPARE(design()->outlineIndex(), 0);
        QCOMPARE(design()->outlineOffset(), QPoint(418, 323));
        QVERIFY(!design()->isModified());
    }

    void rotationFieldTakesEveryAngle_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("degrees");
        QTest::newRow("negative") << "-45"
                                  << "-45" << -45;
        QTest::newRow("the lowest") << "-180"
                                    << "-180" << -180;
        QTest::newRow("the highest") << "180"
                                     << "180" << 180;
        QTest::newRow("above the range: clamped") << "200"
                                                  << "180" << 180;
        QTest::newRow("not a number: upright") << "-"
                                               << "-" << 0;
    }

    // Typed key by key, as a user types: field, slider and outline agree. The
    // outline turns once the typing pauses, to the latest angle only.
    void rotationFieldTakesEveryAngle()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(int, degrees);
        LMScreenMsgHandlerArtFrameSetting *panel = openPanel();
        QLineEdit *field = panel->rotationEdit();
        for (int v : {10, 20, 30})
            panel->rotationSlider()->setValue(v);
        QCOMPARE(field->text(), QStringLiteral("30"));
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, typed);
        QCOMPARE(field->text(), shown);
        QCOMPARE(panel->rotationSlider()->value(), degrees);
        QCOMPARE(design()->flags().outlineRotation(), 0); // not yet
        QTRY_COMPARE_WITH_TIMEOUT(design()->flags().outlineRotation(), degrees, 1000);
    }

    // What the canvas's menu offers and the pointer drags, where the outline now is.
    void menuAndDragFollowTheOutline()
    {
        const QPoint outside(5, 5);
        QCOMPARE(menuTexts(outside), (QStringList{"Show the Contents Inside The Pouch Only",
                                                  "Start Pouch Shape Editing"}));
        QMenu menu;
        canvas()->fillContextMenu(&menu, outside);
        menu.actions().at(1)->trigger(); // starts the outline tool
        QCOMPARE(canvas()->currentHandler()->objectName(), QStringLiteral("ls"));
        QCOMPARE(menuTexts(outside).value(1), QStringLiteral("End Frame Shape Editing"));
        // Turned, the outline answers the menu and the pointer where it now is.
        LMScreenMsgHandlerInf *tool = canvas()->currentHandler();
        design()->setOutlineRotation(90); // 737 x 557 stands on end: 557 wide, 737 high
        const QPoint start = design()->outlineOffset(); // the outline's middle
        // Inside the upright outline but outside the turned one: no copy, nothing moves.
        QPoint p = start + QPoint(-340, 0);
        QCOMPARE(menuTexts(canvas()->transform(Matrix::DocToWidget).map(p)).size(), 2);
        tool->onMousePress(QPoint(), p);
        tool->onMouseMove(QPoint(), p + QPoint(30, 30));
        tool->onMouseRelease(QPoint(), p + QPoint(30, 30));
        QCOMPARE(design()->outlineOffset(), start);
        // Inside the turned outline: it follows the pointer.
        p = start + QPoint(0, -340);
        tool->onMousePress(QPoint(), p);
        QCOMPARE(canvas()->cursor().shape(), Qt::ClosedHandCursor);
        tool->onMouseMove(QPoint(), p + QPoint(30, 20));
        tool->onMouseRelease(QPoint(), p + QPoint(30, 20));
        QCOMPARE(design()->outlineOffset(), start + QPoint(30, 20));

        // Inside, the turned and moved outline's content is copied, cut to its shape.
        paint([](QPainter &painter) { painter.fillRect(painter.window(), Qt::red); });
        const QPoint inside =
            canvas()->transform(Matrix::OutlineToWidget).map(QPoint(0, 0)); // the outline's middle
        QCOMPARE(menuTexts(inside).value(2), QStringLiteral("Copy Frame Content"));
        menu.clear();
        canvas()->fillContextMenu(&menu, inside);
        menu.actions().at(2)->trigger();
        const QImage copied = QApplication::clipboard()->image();
        const QRect box = canvas()
                              ->transform(Matrix::OutlineToDoc)
                              .map(design()->outlinePath())
                              .boundingRect()
                              .toAlignedRect();
        QCOMPARE(copied.size(), box.size());
        QCOMPARE(copied.pixelColor(copied.width() / 2, copied.height() / 2), QColor(Qt::red));
        QCOMPARE(copied.pixelColor(1, 1), QColor(Qt::white)); // outside the rounded corner
    }

    // The panel's pages; changes made anywhere, also in the canvas and the
    // catalogue rather than through the window's own controls, show in the title,
    // the tool buttons and the open panel.
    void modelChangesReachTheWindow()
    {
        LMScreenMsgHandlerArtFrameSetting *panel = openPanel();
        QVERIFY(panel);
        QCOMPARE(canvas()->currentHandler()->objectName(), QStringLiteral("ls"));
        QVERIFY(canvas()->outlineEditing());
        QVERIFY(ui()->b0->isChecked());
        QToolBox *pages = panel->toolBox();
        QCOMPARE(pages->count(), 6);
        // Each page's caption names the model codes its catalogue file holds.
        const QStringList captions{"Letter (LS01–LS15)",
                                   "Half Letter (HLS01–HLS15)",
                                   "Business Card (CARD01–CARD15)",
                                   "Extra Large (XL01–XL03)",
                                   "Other Sizes (OTHER01–OTHER04)",
                                   "Pocket (POCKET01–POCKET04)"};
        for (int i = 0; i < 6; ++i)
            QCOMPARE(pages->itemText(i), captions[i]);
        QTRY_COMPARE(qobject_cast<ArtFramePan *>(pages->widget(0))->buttons().size(), 15);
        QVERIFY(qobject_cast<ArtFramePan *>(pages->widget(0))->buttons().first()->isChecked());
        // Inside the settings column, however long the captions.
        QVERIFY(panel->geometry().right() < ui()->left->width());
        design()->setModified(false);
        QVERIFY(!m_window->windowTitle().contains(QLatin1Char('*')));

        // Clipping set by the panel, the canvas's menu or the design, alike.
        QTest::mouseClick(panel->clipCheckBox(), Qt::LeftButton);
        QVERIFY(design()->flags().clipToOutline());
        QMenu menu;
        canvas()->fillContextMenu(&menu, QPoint(5, 5));
        QVERIFY(menu.actions().at(0)->isChecked());
        menu.actions().at(0)->trigger();
        QVERIFY(!design()->flags().clipToOutline());
        QVERIFY(!panel->clipCheckBox()->isChecked());
        // Drawn outside the outline, the page still holds it; the screen hides it.
        paint([](QPainter &painter) { painter.fillRect(painter.window(), Qt::blue); });
        design()->setClipToOutline(true);
        QVERIFY(panel->clipCheckBox()->isChecked());
        const QImage shot = canvas()->grab().toImage();
        QCOMPARE(shot.pixelColor(canvas()->transform(Matrix::DocToWidget).map(QPoint(5, 5))),
                 QColor(Qt::white));
        QCOMPARE(shot.pixelColor(canvas()->transform(Matrix::OutlineToWidget).map(QPoint(0, 0))),
                 QColor(Qt::blue));

        design()->selectOutline(3, 1);
        panel->toolBox()->setCurrentIndex(3);
        auto *page = qobject_cast<ArtFramePan *>(panel->toolBox()->widget(3));
        QTRY_COMPARE(page->buttons().size(), 3);
        QVERIFY(page->buttons()[1]->isChecked());
        QVERIFY(m_window->windowTitle().contains(QLatin1Char('*')));
        design()->selectOutline(3, 2);
        QVERIFY(page->buttons()[2]->isChecked());

        canvas()->setStripMode(true);
        QVERIFY(ui()->lab_print_tip->isHidden());
        canvas()->setStripMode(false);
        QVERIFY(!ui()->lab_print_tip->isHidden());

        QPointer<QWidget> outlinePanel = panel;
        canvas()->setHandlerByName(QStringLiteral("line"));
        QVERIFY(ui()->d00->isChecked());
        QVERIFY(m_window->settingsPanel() && m_window->settingsPanel() != outlinePanel);
        QTRY_VERIFY(!outlinePanel);
        QVERIFY(!canvas()->outlineEditing());

        design()->setModified(false);
        QVERIFY(!m_window->windowTitle().contains(QLatin1Char('*')));
    }

private:
    LMScreenMsgHandlerArtFrameSetting *openPanel();
    LMArtFrameFactory *catalogue() const { return m_window->artFrameFactory(); }
    QStringList menuTexts(const QPoint &at);
};

LMScreenMsgHandlerArtFrameSetting *TestOutlineTool::openPanel()
{
    QTest::mouseClick(ui()->b0, Qt::LeftButton);
    return qobject_cast<LMScreenMsgHandlerArtFrameSetting *>(m_window->settingsPanel());
}

QStringList TestOutlineTool::menuTexts(const QPoint &at)
{
    QMenu menu;
    canvas()->fillContextMenu(&menu, at);
    QStringList texts;
    for (QAction *a : menu.actions())
        texts << a->text();
    return texts;
}

QTEST_MAIN(TestOutlineTool)

#include "tst_outlinetool.moc"
