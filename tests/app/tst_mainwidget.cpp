#include "app/LMFirstShow.h"
#include "app/LMLanguageTable.h"
#include "app/LMMainWidget.h"
#include "app/LMResources.h"
#include "app/LMToolTable.h"
#include "app/QVTLanguageManager.h"
#include "canvas/LMGraphView.h"
#include "tools/LMScreenMsgHandlerInf.h"
#include "ui_LMMainWidget.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QSettings>
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

private:
    LMMainWidget *m_window = nullptr;
    Ui::LMMainWidget *ui = nullptr;
};

QTEST_MAIN(TestMainWidget)

#include "tst_mainwidget.moc"
