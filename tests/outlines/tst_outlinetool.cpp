#include "../common/WindowFixture.h"
#include "app/LMResources.h"
#include "model/outlines/LMArtFrameFactory.h"
#include "outlines/ArtFrameButton.h"
#include "outlines/ArtFramePan.h"
#include "outlines/LMScreenMsgHandlerArtFrameSetting.h"
#include "tools/LMScreenMsgHandlerInf.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QSlider>
#include <QToolBox>

// The outline tool and its panel, through the real window.
class TestOutlineTool : public QObject, private WindowFixture {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void panelPages();
    void pageLayout_data();
    void pageLayout();
    void pressingAnOutlineSelectsIt();
    void rotationWaitsAndTakesTheLatest();
    void rotationFieldTakesEveryAngle_data();
    void rotationFieldTakesEveryAngle();
    void dragOnlyInsideTheTurnedOutline();
    void contextMenu();
    void copyFrameContent();
    void clipToOutline();
    void newDocumentTakesTheFirstOutline();
    void modelChangesReachTheWindow();

private:
    LMScreenMsgHandlerArtFrameSetting *openPanel();
    LMArtFrameFactory *catalogue() const { return m_window->artFrameFactory(); }
    QStringList menuTexts(const QPoint &at);
};

void TestOutlineTool::initTestCase()
{
    lmInitResources();
}

void TestOutlineTool::init()
{
    openWindow();
    // Let the start-up centring (200 ms after start) pass, so that it cannot
    // move the outline in the middle of a test on a slow machine.
    QTest::qWait(250);
}

void TestOutlineTool::cleanup()
{
    closeWindow();
}

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

void TestOutlineTool::panelPages()
{
    LMScreenMsgHandlerArtFrameSetting *panel = openPanel();
    QVERIFY(panel);
    QCOMPARE(canvas()->currentHandler()->objectName(), QStringLiteral("ls"));
    QVERIFY(canvas()->outlineEditing());
    QVERIFY(ui()->b0->isChecked());
    QToolBox *pages = panel->toolBox();
    QCOMPARE(pages->count(), 6);
    QCOMPARE(pages->itemText(0), QStringLiteral("Letter (LS01–LS15)"));
    QCOMPARE(pages->itemText(5), QStringLiteral("Pocket (POCKET01–POCKET04)"));
    QTRY_COMPARE(qobject_cast<ArtFramePan *>(pages->widget(0))->buttons().size(), 15);
    QVERIFY(qobject_cast<ArtFramePan *>(pages->widget(0))->buttons().first()->isChecked());
    // Inside the settings column, however long the captions.
    QVERIFY(panel->geometry().right() < ui()->left->width());
    QTest::mouseClick(ui()->d01, Qt::LeftButton);
    QVERIFY(!canvas()->outlineEditing());
}

void TestOutlineTool::pageLayout_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("cellWidth");
    QTest::addColumn<int>("height");
    QTest::newRow("200 pixels: 5 columns, 3 rows") << 200 << 40 << 141;
    QTest::newRow("100 pixels: 2 columns of 50") << 100 << 50 << 8 * 45 + 6;
    QTest::newRow("239 pixels: 5 columns of 47") << 239 << 47 << 141;
}

void TestOutlineTool::pageLayout()
{
    QFETCH(int, width);
    QFETCH(int, cellWidth);
    QFETCH(int, height);
    QButtonGroup group;
    ArtFramePan page(design(), 0, &group);
    page.resize(width, 10);
    page.show();
    QCOMPARE(page.buttons().size(), 15);
    QCOMPARE(page.height(), height);
    QCOMPARE(page.buttons()[1]->geometry(), QRect(cellWidth, 0, cellWidth, 45));
    const int columns = width / cellWidth;
    QCOMPARE(page.buttons()[columns]->geometry().topLeft(), QPoint(0, 45));
}

void TestOutlineTool::pressingAnOutlineSelectsIt()
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
}

void TestOutlineTool::rotationWaitsAndTakesTheLatest()
{
    LMScreenMsgHandlerArtFrameSetting *panel = openPanel();
    for (int v : {30, 60, 90})
        panel->rotationSlider()->setValue(v);
    QCOMPARE(panel->rotationEdit()->text(), QStringLiteral("90"));
    QCOMPARE(design()->flags().outlineRotation(), 0); // not yet
    QTRY_COMPARE_WITH_TIMEOUT(design()->flags().outlineRotation(), 90, 1000);
    // A later change starts a new delay; typed text counts as well.
    panel->rotationEdit()->setText(QStringLiteral("-45"));
    QCOMPARE(panel->rotationSlider()->value(), -45);
    QCOMPARE(design()->flags().outlineRotation(), 90);
    QTRY_COMPARE_WITH_TIMEOUT(design()->flags().outlineRotation(), -45, 1000);
    panel->rotationEdit()->setText(QStringLiteral("-"));
    QTRY_COMPARE_WITH_TIMEOUT(design()->flags().outlineRotation(), 0, 1000); // not a number: 0
}

void TestOutlineTool::rotationFieldTakesEveryAngle_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("degrees");
    QTest::newRow("negative") << "-45" << -45;
    QTest::newRow("the lowest") << "-180" << -180;
    QTest::newRow("the highest") << "180" << 180;
    QTest::newRow("above the range: clamped") << "200" << 180;
}

// Typed key by key, as a user types: field, slider and outline agree.
void TestOutlineTool::rotationFieldTakesEveryAngle()
{
    QFETCH(QString, typed);
    QFETCH(int, degrees);
    LMScreenMsgHandlerArtFrameSetting *panel = openPanel();
    panel->rotationSlider()->setValue(30); // a turned outline to start from
    QLineEdit *field = panel->rotationEdit();
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, typed);
    QCOMPARE(field->text(), QString::number(degrees));
    QCOMPARE(panel->rotationSlider()->value(), degrees);
    QTRY_COMPARE_WITH_TIMEOUT(design()->flags().outlineRotation(), degrees, 1000);
}

void TestOutlineTool::dragOnlyInsideTheTurnedOutline()
{
    openPanel();
    LMScreenMsgHandlerInf *tool = canvas()->currentHandler();
    design()->setOutlineRotation(90); // 737 x 557 stands on end: 557 wide, 737 high
    const QPoint centre = design()->outlineOffset();
    const QPoint start = design()->outlineOffset();
    // Inside the upright outline but outside the turned one: nothing moves.
    QPoint p = centre + QPoint(-340, 0);
    tool->onMousePress(QPoint(), p);
    tool->onMouseMove(QPoint(), p + QPoint(30, 30));
    tool->onMouseRelease(QPoint(), p + QPoint(30, 30));
    QCOMPARE(design()->outlineOffset(), start);
    // Inside the turned outline: it follows the pointer.
    p = centre + QPoint(0, -340);
    tool->onMousePress(QPoint(), p);
    QCOMPARE(canvas()->cursor().shape(), Qt::ClosedHandCursor);
    tool->onMouseMove(QPoint(), p + QPoint(30, 20));
    tool->onMouseRelease(QPoint(), p + QPoint(30, 20));
    QCOMPARE(design()->outlineOffset(), start + QPoint(30, 20));
}

void TestOutlineTool::contextMenu()
{
    const QPoint inside =
        canvas()->transform(Matrix::OutlineToWidget).map(QPoint(0, 0)); // the outline's middle
    const QPoint outside(5, 5);
    QCOMPARE(menuTexts(outside),
             (QStringList{"Show the Contents Inside The Pouch Only", "Start Pouch Shape Editing"}));
    QCOMPARE(menuTexts(inside).value(2), QStringLiteral("Copy Frame Content"));
    QMenu menu;
    canvas()->fillContextMenu(&menu, outside);
    menu.actions().at(1)->trigger(); // starts the outline tool
    QCOMPARE(canvas()->currentHandler()->objectName(), QStringLiteral("ls"));
    QCOMPARE(menuTexts(outside).value(1), QStringLiteral("End Frame Shape Editing"));
    // Moved and turned: offered where the outline now is, not where it was.
    design()->setOutlineRotation(90);
    const QPoint leftEnd =
        canvas()->transform(Matrix::DocToWidget).map(design()->outlineOffset() + QPoint(-340, 0));
    QCOMPARE(menuTexts(leftEnd).size(), 2);
}

void TestOutlineTool::copyFrameContent()
{
    paint([](QPainter &painter) { painter.fillRect(painter.window(), Qt::red); });
    QMenu menu;
    canvas()->fillContextMenu(&menu,
                              canvas()->transform(Matrix::OutlineToWidget).map(QPoint(0, 0)));
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

void TestOutlineTool::clipToOutline()
{
    LMScreenMsgHandlerArtFrameSetting *panel = openPanel();
    QTest::mouseClick(panel->clipCheckBox(), Qt::LeftButton);
    QVERIFY(design()->flags().clipToOutline());
    QMenu menu;
    canvas()->fillContextMenu(&menu, QPoint(5, 5));
    QVERIFY(menu.actions().at(0)->isChecked());
    menu.actions().at(0)->trigger(); // the menu keeps the panel in step
    QVERIFY(!design()->flags().clipToOutline());
    QVERIFY(!panel->clipCheckBox()->isChecked());
    // Drawn outside the outline, the page still holds it; the screen hides it.
    paint([](QPainter &painter) { painter.fillRect(painter.window(), Qt::blue); });
    design()->setClipToOutline(true);
    const QImage shot = canvas()->grab().toImage();
    QCOMPARE(shot.pixelColor(canvas()->transform(Matrix::DocToWidget).map(QPoint(5, 5))),
             QColor(Qt::white));
    QCOMPARE(shot.pixelColor(canvas()->transform(Matrix::OutlineToWidget).map(QPoint(0, 0))),
             QColor(Qt::blue));
}

void TestOutlineTool::newDocumentTakesTheFirstOutline()
{
    design()->selectOutline(4, 2);
    design()->setOutlineOffset(QPoint(10, 10));
    canvas()->clearDocument();
    QCOMPARE(design()->outlineGroup(), 0);
    QCOMPARE(design()->outlineIndex(), 0);
    QCOMPARE(design()->outlineOffset(), QPoint(418, 323));
    QVERIFY(!design()->isModified());
}

// Changes made in the canvas and the catalogue, not through the window's own
// controls, still show in the title, the tool buttons and the open panel.
void TestOutlineTool::modelChangesReachTheWindow()
{
    LMScreenMsgHandlerArtFrameSetting *panel = openPanel();
    QVERIFY(panel);
    design()->setModified(false);
    QVERIFY(!m_window->windowTitle().contains(QLatin1Char('*')));

    design()->selectOutline(3, 1);
    panel->toolBox()->setCurrentIndex(3);
    auto *page = qobject_cast<ArtFramePan *>(panel->toolBox()->widget(3));
    QTRY_COMPARE(page->buttons().size(), 3);
    QVERIFY(page->buttons()[1]->isChecked());
    QVERIFY(m_window->windowTitle().contains(QLatin1Char('*')));
    design()->selectOutline(3, 2);
    QVERIFY(page->buttons()[2]->isChecked());

    design()->setClipToOutline(true);
    QVERIFY(panel->clipCheckBox()->isChecked());
    design()->setClipToOutline(false);
    QVERIFY(!panel->clipCheckBox()->isChecked());

    canvas()->setStripMode(true);
    QVERIFY(ui()->lab_print_tip->isHidden());
    canvas()->setStripMode(false);
    QVERIFY(!ui()->lab_print_tip->isHidden());

    QPointer<QWidget> outlinePanel = panel;
    canvas()->setHandlerByName(QStringLiteral("line"));
    QVERIFY(ui()->d00->isChecked());
    QVERIFY(m_window->settingsPanel() && m_window->settingsPanel() != outlinePanel);
    QTRY_VERIFY(!outlinePanel);

    design()->setModified(false);
    QVERIFY(!m_window->windowTitle().contains(QLatin1Char('*')));
}

QTEST_MAIN(TestOutlineTool)
#include "tst_outlinetool.moc"
