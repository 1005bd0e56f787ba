#include "app/LMLanguageTable.h"
#include "app/LMMainWidget.h"
#include "app/LMResources.h"
#include "app/QVTLanguageManager.h"
#include "canvas/LMGraphView.h"
#include "ui_LMMainWidget.h"

#include <QApplication>
#include <QFile>
#include <QPointer>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

namespace {
QStringList tableOf(const QString &folder)
{
    QFile file(LMLanguageTable::resourcePath(folder));
    file.open(QIODevice::ReadOnly);
    return LMLanguageTable::parse(file.readAll());
}
} // namespace

class TestMainWidget : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void startState();
    void pageControls_data();
    void pageControls();
    void languageChoiceRetranslates();
    void toolButtonsAreExclusive();
    void styleSheetImagesExist();

private:
    LMMainWidget *m_window = nullptr;
    Ui::LMMainWidget *ui = nullptr;
};

void TestMainWidget::initTestCase()
{
    lmInitResources();
}

void TestMainWidget::init()
{
    m_window = new LMMainWidget;
    ui = m_window->form();
}

void TestMainWidget::cleanup()
{
    delete m_window;
    m_window = nullptr;
    QApplication::setLayoutDirection(Qt::LeftToRight);
}

void TestMainWidget::startState()
{
    LMGraphView *view = m_window->graphView();
    QCOMPARE(ui->cob_pasesetting->currentIndex(), 0); // Letter
    QVERIFY(ui->chk_horizonal->isChecked());
    QCOMPARE(view->rasterImage().size(), QSize(837, 648));
    QCOMPARE(view->flags().paperId(), qint16(2));
    QVERIFY(view->flags().landscape());
    QVERIFY(!view->flags().modified());
    QCOMPARE(m_window->windowTitle(), QStringLiteral("   Lumetra"));
    QVERIFY(ui->d01->isChecked()); // the hand tool is current at start
}

void TestMainWidget::pageControls_data()
{
    QTest::addColumn<int>("paper");
    QTest::addColumn<bool>("landscape");
    QTest::addColumn<int>("zoom");
    QTest::addColumn<QSize>("raster");
    QTest::addColumn<QSize>("widget");
    QTest::addColumn<int>("paperId");
    QTest::newRow("A5 portrait at 40%")
        << 8 << false << 40 << QSize(444, 630) << QSize(193, 272) << 9;
    QTest::newRow("Letter landscape at 60%")
        << 0 << true << 60 << QSize(837, 648) << QSize(526, 418) << 2;
    QTest::newRow("Ledger landscape at 20%")
        << 2 << true << 20 << QSize(837, 1296) << QSize(175, 269) << 28;
    QTest::newRow("A4 portrait at 100%")
        << 7 << false << 100 << QSize(630, 891) << QSize(670, 941) << 0;
}

// Drives the three page controls the way a user does and checks the page.
void TestMainWidget::pageControls()
{
    QFETCH(int, paper);
    QFETCH(bool, landscape);
    QFETCH(int, zoom);
    QFETCH(QSize, raster);
    QFETCH(QSize, widget);
    QFETCH(int, paperId);
    m_window->show();
    QSignalSpy resized(m_window, &LMMainWidget::signal_Resized);
    ui->cob_pasesetting->setCurrentIndex(paper);
    if (ui->chk_horizonal->isChecked() != landscape)
        QTest::mouseClick(ui->chk_horizonal, Qt::LeftButton, {},
                          QPoint(8, ui->chk_horizonal->height() / 2));
    QCOMPARE(ui->chk_horizonal->isChecked(), landscape);
    ui->spin_size->setValue(zoom);
    LMGraphView *view = m_window->graphView();
    QCOMPARE(view->rasterImage().size(), raster);
    QCOMPARE(view->size(), widget);
    QCOMPARE(view->flags().paperId(), qint16(paperId));
    QCOMPARE(view->flags().landscape(), landscape);
    QVERIFY(!resized.isEmpty());
    // Another paper or orientation changes the design; a zoom alone does not.
    const bool changed = paper != 0 || !landscape;
    QCOMPARE(view->flags().modified(), changed);
    QCOMPARE(m_window->windowTitle().startsWith(QStringLiteral("*")), changed);
}

// The language combo retranslates the window; the start hint, once the first
// tool click removed it, is skipped by later retranslations.
void TestMainWidget::languageChoiceRetranslates()
{
    const QStringList es = tableOf(QStringLiteral("esp"));
    ui->cob_lan->setCurrentIndex(1);
    QCOMPARE(m_window->languageManager()->language(), 6);
    QCOMPARE(ui->l2->text(), es[27]);
    QCOMPARE(ui->chk_horizonal->text(), es[18]);
    QCOMPARE(ui->btn_padding->text(), es[67]);
    QCOMPARE(ui->lab_print_tip->text(), es[96]);
    QCOMPARE(ui->label_comment->text(), es[95]);
    QCOMPARE(ui->btn_new->toolTip(),
             es[1] + QStringLiteral(" (") +
                 QKeySequence(QKeySequence::New).toString(QKeySequence::NativeText) + ")");
    QCOMPARE(ui->d16->toolTip(), es[75]);
    QVERIFY(ui->update->text().contains(QStringLiteral(">%1</span>").arg(es[77])));
    QCOMPARE(QApplication::layoutDirection(), Qt::LeftToRight);

    QPointer<QLabel> hint = ui->label_comment;
    m_window->show();
    QTest::mouseClick(ui->d02, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!hint);
    QVERIFY(!ui->label_comment);

    ui->cob_lan->setCurrentIndex(0);
    QVERIFY(!ui->label_comment);
    QCOMPARE(ui->l2->text(), QStringLiteral("Draw/Add Text/Edit"));
    QCOMPARE(ui->btn_saveas->toolTip(), QStringLiteral("Save As (Ctrl+Shift+S)"));
    QCOMPARE(ui->update->text(),
             QStringLiteral("<p><a href=\"update\"><span style=\" font-size:12pt; text-decoration: "
                            "underline; color:#0000ff;\">Update</span></a></p>"));
}

void TestMainWidget::toolButtonsAreExclusive()
{
    m_window->show();
    QTest::mouseClick(ui->btn_padding, Qt::LeftButton);
    QVERIFY(ui->btn_padding->isChecked());
    QVERIFY(!ui->d01->isChecked());
    m_window->checkToolButton(QStringLiteral("line"));
    QVERIFY(ui->d00->isChecked());
    QVERIFY(!ui->btn_padding->isChecked());
}

void TestMainWidget::styleSheetImagesExist()
{
    const QString qss = m_window->styleSheet();
    const QRegularExpression url(QStringLiteral("url\\((:/[^)]+)\\)"));
    QSet<QString> images;
    for (const QRegularExpressionMatch &m : url.globalMatch(qss))
        images.insert(m.captured(1));
    // Three states for 16 tool buttons, two for 7 command buttons, and the panel.
    QCOMPARE(images.size(), 16 * 3 + 7 * 2 + 1);
    for (const QString &image : std::as_const(images))
        QVERIFY2(!QImage(image).isNull(), qPrintable(image));
    QVERIFY(!QIcon(QStringLiteral(":/ico.svg")).pixmap(32, 32).isNull());
    QVERIFY(!QImage(QStringLiteral(":/background.png")).isNull());
}

QTEST_MAIN(TestMainWidget)
#include "tst_mainwidget.moc"
