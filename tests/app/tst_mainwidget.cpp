#include "app/LMFirstShow.h"
#include "app/LMLanguageTable.h"
#include "app/LMMainWidget.h"
#include "app/LMResources.h"
#include "app/LMToolTable.h"
#include "app/QVTLanguageManager.h"
#include "canvas/LMGraphView.h"
#include "model/LMDesign.h"
#include "tools/LMScreenMsgHandlerInf.h"
#include "ui_LMMainWidget.h"

#include <QApplication>
#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSettings>
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
    void initTestCase() { lmInitResources(); }

    void init()
    {
        // Every case is a first start unless it remembers a language itself.
        QSettings(QStringLiteral("Lumetra"), QStringLiteral("Lumetra"))
            .remove(QStringLiteral("language"));
        m_window = new LMMainWidget;
        ui = m_window->form();
    }

    void cleanup()
    {
        delete m_window;
        m_window = nullptr;
        QApplication::setLayoutDirection(Qt::LeftToRight);
        QLocale::setDefault(QLocale::c());
    }

    // A first start (no window size remembered) opens as tall as the screen and
    // shows the whole page, and the red print tip never takes room from the view.
    void firstWindowShowsTheWholePage()
    {
        delete m_window;
        QSettings(QStringLiteral("Lumetra"), QStringLiteral("Lumetra"))
            .remove(QStringLiteral("geometry"));
        m_window = new LMMainWidget;
        ui = m_window->form();
        // The image plugins held back while showing are back for the user's pictures.
        const QStringList pluginPaths = QCoreApplication::libraryPaths();
        lmShowFirstWindow(*m_window);
        QCOMPARE(QCoreApplication::libraryPaths(), pluginPaths);
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
        const QRect screen = m_window->screen()->availableGeometry();
        QVERIFY(m_window->frameGeometry().height() <= screen.height());
        QVERIFY(m_window->height() >= screen.height() - 60);
        QWidget *view = ui->scroll_graph->viewport();
        const QSize canvas = m_window->graphView()->size();
        QVERIFY2(canvas.width() <= view->width() && canvas.height() <= view->height(),
                 qPrintable(QStringLiteral("%1 x %2 in %3 x %4")
                                .arg(canvas.width())
                                .arg(canvas.height())
                                .arg(view->width())
                                .arg(view->height())));
        const QSize before = view->size();
        Q_EMIT m_window->graphView()->signal_printTipVisible(true);
        QVERIFY(ui->lab_print_tip->isVisible());
        QCoreApplication::processEvents();
        QCOMPARE(view->size(), before);
    }

    void pageControls_data()
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

    // Drives the three page controls the way a user does and checks the page,
    // which starts as Letter landscape at its fine detail, unchanged.
    void pageControls()
    {
        QFETCH(int, paper);
        QFETCH(bool, landscape);
        QFETCH(int, zoom);
        QFETCH(QSize, raster);
        QFETCH(QSize, widget);
        QFETCH(int, paperId);
        QCOMPARE(m_window->windowTitle(), QStringLiteral("   Lumetra"));
        m_window->show();
        QSignalSpy resized(m_window, &LMMainWidget::signal_Resized);
        ui->cob_pasesetting->setCurrentIndex(paper);
        if (ui->chk_horizonal->isChecked() != landscape)
            QTest::mouseClick(ui->chk_horizonal, Qt::LeftButton, {},
                              QPoint(8, ui->chk_horizonal->height() / 2));
        QCOMPARE(ui->chk_horizonal->isChecked(), landscape);
        ui->spin_size->setValue(zoom);
        LMGraphView *view = m_window->graphView();
        QCOMPARE(m_window->design()->pageSize(), raster);
        QCOMPARE(view->rasterImage().size(), raster * 4); // a new design is fine
        QCOMPARE(view->size(), widget);
        QCOMPARE(m_window->design()->flags().paperId(), qint16(paperId));
        QCOMPARE(m_window->design()->flags().landscape(), landscape);
        QVERIFY(!resized.isEmpty());
        // Another paper or orientation changes the design; a zoom alone does not.
        const bool changed = paper != 0 || !landscape;
        QCOMPARE(m_window->design()->isModified(), changed);
        QCOMPARE(m_window->windowTitle().startsWith(QStringLiteral("*")), changed);
    }

    void everyLanguageFromTheCombo_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("folder");
        const char *const entries[][2] = {
            {"English", "enu"},  {"Español", "esp"},     {"Deutsch", "deu"},
            {"Svenska", "sve"},  {"Français", "fra"},    {"Nederlands", "nld"},
            {"Italiano", "ita"}, {"Dansk", "dan"},       {"Suomi", "fin"},
            {"Norsk", "nor"},    {"Ελληνικά", "ell"},    {"Português", "ptb"},
            {"Русский", "rus"},  {"Polski", "plk"},      {"Magyar", "hun"},
            {"Čeština", "csy"},  {"Slovenščina", "slv"}, {"Slovenčina", "sky"},
            {"Română", "rom"},   {"简体中文", "chs"},    {"한국어", "kor"},
            {"日本語", "jpn"},   {"العربية", "ara"},     {"Türkçe", "tur"},
        };
        int index = 0;
        for (const auto &e : entries)
            QTest::newRow(e[1]) << index++ << QString::fromUtf8(e[0]) << QString::fromLatin1(e[1]);
    }

    // Each entry of the combo, under its own name and in its place, shows its
    // table in the window, the tool tips with their keys and the Update link, and
    // in the open text panel; mirrors the window for Arabic only, and gives way to
    // English again. The hint, once the first tool click removed it, is skipped.
    void everyLanguageFromTheCombo()
    {
        QFETCH(int, index);
        QFETCH(QString, name);
        QFETCH(QString, folder);
        QCOMPARE(ui->cob_lan->count(), 24);
        QCOMPARE(ui->cob_lan->itemText(index), name);

        m_window->show();
        QTest::mouseClick(ui->d13, Qt::LeftButton); // the text panel is open, the hint gone
        QWidget *panel = m_window->settingsPanel();
        QVERIFY(panel);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!ui->label_comment);
        ui->cob_lan->setCurrentIndex(index);
        QCOMPARE(QVTLanguageManager::folderOf(m_window->languageManager()->language()), folder);

        const QStringList t = tableOf(folder);
        QCOMPARE(ui->btn_new->toolTip(),
                 t[1] + QStringLiteral(" (") +
                     QKeySequence(QKeySequence::New).toString(QKeySequence::NativeText) + ")");
        QCOMPARE(ui->d16->toolTip(), t[75]);
        QVERIFY(ui->update->text().contains(QStringLiteral(">%1</span>").arg(t[77])));
        QCOMPARE(ui->l1->text(), t[26]);
        QCOMPARE(ui->l2->text(), t[27]);
        QCOMPARE(ui->ll0->text(), t[16]);
        QCOMPARE(ui->chk_horizonal->text(), t[18]);
        QCOMPARE(ui->btn_padding->text(), t[67]);
        QCOMPARE(ui->d00->toolTip(), t[7]);
        QCOMPARE(ui->lab_print_tip->text(), t[96]);
        QStringList panelTexts;
        for (QAbstractButton *b : panel->findChildren<QAbstractButton *>())
            panelTexts << b->text();
        QVERIFY2(panelTexts.contains(t[49]), qPrintable(panelTexts.join(QLatin1Char('|'))));

        const Qt::LayoutDirection mirrored =
            folder == QLatin1String("ara") ? Qt::RightToLeft : Qt::LeftToRight;
        QCOMPARE(QApplication::layoutDirection(), mirrored);
        QCOMPARE(m_window->layoutDirection(), mirrored);
        QCOMPARE(panel->layoutDirection(), mirrored);

        ui->cob_lan->setCurrentIndex(0);
        QCOMPARE(ui->l2->text(), QStringLiteral("Draw/Add Text/Edit"));
        QCOMPARE(ui->btn_saveas->toolTip(), QStringLiteral("Save As (Ctrl+Shift+S)"));
        QCOMPARE(m_window->layoutDirection(), Qt::LeftToRight);
    }

    void captionsFitTheColumn_data() { everyLanguageFromTheCombo_data(); }

    // In every language the settings column shows each caption whole, with the
    // text panel and with the outline panel open: nothing wider than its place,
    // nothing past the column's edge.
    void captionsFitTheColumn()
    {
        QFETCH(int, index);
        m_window->resize(1309, 800);
        m_window->show();
        ui->cob_lan->setCurrentIndex(index);
        QWidget *viewport = ui->scrollArea->viewport();
        for (QPushButton *tool : {ui->d13, ui->b0}) {
            QTest::mouseClick(tool, Qt::LeftButton);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(m_window->settingsPanel());
            QCoreApplication::processEvents();
            QList<QWidget *> captions;
            for (QLabel *label : ui->left->findChildren<QLabel *>())
                captions << label;
            for (QAbstractButton *button : ui->left->findChildren<QAbstractButton *>())
                captions << button;
            for (QWidget *w : std::as_const(captions)) {
                if (!w->isVisibleTo(ui->left) || w->width() == 0)
                    continue;
                const auto *label = qobject_cast<QLabel *>(w);
                const QString text =
                    label ? label->text() : qobject_cast<QAbstractButton *>(w)->text();
                if (text.isEmpty())
                    continue; // swatches and outline buttons draw their own faces
                const QString what = w->objectName() + QLatin1Char(' ') + text;
                QVERIFY2(w->sizeHint().width() <= w->width(),
                         qPrintable(QStringLiteral("%1: %2 > %3")
                                        .arg(what)
                                        .arg(w->sizeHint().width())
                                        .arg(w->width())));
                const int right = w->mapTo(viewport, QPoint(w->width(), 0)).x();
                QVERIFY2(right <= viewport->width(), qPrintable(what));
            }
        }
    }

    void firstStartFollowsTheSystem_data()
    {
        QTest::addColumn<QString>("chosen"); // in the window before; empty: nothing remembered
        QTest::addColumn<QLocale>("system");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("folder");
        const QLocale german(QLocale::German, QLocale::Austria);
        QTest::newRow("German") << "" << german << "Deutsch"
                                << "deu";
        QTest::newRow("Arabic") << "" << QLocale(QLocale::Arabic, QLocale::Morocco)
                                << QStringLiteral("العربية") << "ara";
        QTest::newRow("Turkish chosen") << "Türkçe" << german << "Türkçe"
                                        << "tur";
        // Back to English is a choice too.
        QTest::newRow("English chosen") << "English" << german << "English"
                                        << "enu";
    }

    // With nothing remembered the window opens in the system's language, mirrored
    // for Arabic; which locale takes which table is LMLanguageList's own table.
    // The reader's choice outlives the window and wins over the system language.
    void firstStartFollowsTheSystem()
    {
        QFETCH(QString, chosen);
        QFETCH(QLocale, system);
        QFETCH(QString, shown);
        QFETCH(QString, folder);
        if (!chosen.isEmpty()) {
            ui->cob_lan->setCurrentIndex(ui->cob_lan->findText(QStringLiteral("Русский")));
            ui->cob_lan->setCurrentIndex(ui->cob_lan->findText(chosen));
        }
        delete m_window;
        QLocale::setDefault(system);
        m_window = new LMMainWidget;
        ui = m_window->form();
        QCOMPARE(ui->cob_lan->currentText(), shown);
        QCOMPARE(QVTLanguageManager::folderOf(m_window->languageManager()->language()), folder);
        QCOMPARE(ui->l2->text(), tableOf(folder)[27]);
        QCOMPARE(ui->label_comment->text(), tableOf(folder)[95]); // the hint, before any tool
        QCOMPARE(QApplication::layoutDirection() == Qt::RightToLeft,
                 folder == QLatin1String("ara"));
    }

    void toolButtonsAreExclusive()
    {
        QVERIFY(ui->d01->isChecked()); // the hand tool is current at start
        m_window->show();
        QTest::mouseClick(ui->btn_padding, Qt::LeftButton);
        QVERIFY(ui->btn_padding->isChecked());
        QVERIFY(!ui->d01->isChecked());
        m_window->checkToolButton(QStringLiteral("line"));
        QVERIFY(ui->d00->isChecked());
        QVERIFY(!ui->btn_padding->isChecked());
    }

    // The tool table and the window's buttons agree, each button selects its
    // tool, and a mismatch either way is found.
    void everyToolHasItsButton()
    {
        const QStringList found = LMToolTable::mismatches(m_window);
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
        for (const LMToolTable::Entry &entry : LMToolTable::entries()) {
            auto *button = m_window->findChild<QPushButton *>(QLatin1String(entry.button));
            button->click();
            QCOMPARE(m_window->graphView()->currentHandler()->objectName(),
                     QLatin1String(entry.id));
            if (entry.tipLine >= 0)
                QCOMPARE(button->toolTip(), m_window->languageManager()->text(entry.tipLine));
            QVERIFY2(!button->toolTip().isEmpty() || !button->text().isEmpty(), entry.button);
        }
        // The two text tools say how they differ.
        QVERIFY(m_window->form()->d14->toolTip() != m_window->form()->d13->toolTip());

        QWidget bare;
        QCOMPARE(LMToolTable::mismatches(&bare).size(), int(LMToolTable::entries().size()));
        auto *stray = new QPushButton(m_window);
        stray->setObjectName(QStringLiteral("stray"));
        stray->setProperty("func", QStringLiteral("triangle"));
        QCOMPARE(LMToolTable::mismatches(m_window),
                 QStringList{QStringLiteral("button stray names \"triangle\", which is no tool")});
        delete stray;
    }

    void styleSheetImagesExist()
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
        QVERIFY(!m_window->windowIcon().pixmap(32, 32).isNull());
        QVERIFY(!QImage(QStringLiteral(":/background.png")).isNull());
    }

private:
    LMMainWidget *m_window = nullptr;
    Ui::LMMainWidget *ui = nullptr;
};

QTEST_MAIN(TestMainWidget)

#include "tst_mainwidget.moc"
