#include "../common/ModalAnswer.h"
#include "TestFtpServer.h"
#include "app/LMMainWidget.h"
#include "app/LMResources.h"
#include "app/LMSaveDialog.h"
#include "app/QVTLanguageManager.h"
#include "model/LMDesign.h"
#include "ui_LMMainWidget.h"
#include "update/LMUpdateConfig.h"
#include "update/LMUpdater.h"
#include "update/VersionUpdateDialog.h"

#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <utility>

// The update dialog as the user meets it, in English and Spanish, and the
// update run from the main window with unsaved work.
class TestUpdateDialog : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        lmInitResources();
        qunsetenv("LUMETRA_UPDATE_URL");
        QApplication::setQuitOnLastWindowClosed(false);
    }

    void init()
    {
        // Downloads go to the user's cache: one of this test's own.
        m_tmp = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CACHE_HOME", m_tmp->path().toLocal8Bit());
        QSettings settings(QStringLiteral("Lumetra"), QStringLiteral("Lumetra"));
        settings.clear();
        settings.setValue(QStringLiteral("update/stallTimeoutMs"), 1500);
        m_marker = m_tmp->filePath(QStringLiteral("installer-ran"));
        m_language = std::make_unique<QVTLanguageManager>();
    }

    void cleanup()
    {
        m_ftp.reset();
        m_language.reset();
        qunsetenv("XDG_CACHE_HOME");
        m_tmp.reset();
    }

    void statuses_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QByteArray>("served"); // empty: no version file
        QTest::addColumn<QString>("server");    // "up", "wrong password", "stall", "none", "unset"
        QTest::addColumn<QStringList>("seen");  // the statuses, in order
        QTest::addColumn<bool>("update");       // Update enabled at the end

        const QString checking = "Checking for updates ...";
        const QString loggedIn = "Logged onto server.";
        const QString fetching = "Downloading version_win_enu.txt...";
        const QString buscando = "Buscando actualizaciones...";
        const QString conectado = "Conectado al servidor.";
        const QString descargando = "Descargando version_win_enu.txt...";
        const QByteArray same = "01.00.00.07\n";
        QTest::newRow("latest") << 0 << same << "up"
                                << QStringList{checking, loggedIn, fetching,
                                               "Your version is already the latest version!"}
                                << false;
        QTest::newRow("another release, Spanish")
            << 6 << QByteArray("01.00.00.08") << "up"
            << QStringList{buscando, conectado, descargando,
                           "¡Hay una versión más reciente!<br>Haga clic en el botón «Actualizar» "
                           "para "
                           "instalarla."}
            << true;
        QTest::newRow("wrong password")
            << 0 << same << "wrong password"
            << QStringList{checking, "The update server refused the login."} << false;
        QTest::newRow("missing file")
            << 0 << QByteArray() << "up"
            << QStringList{checking, loggedIn, "version_win_enu.txt is not on the update server."}
            << false;
        QTest::newRow("server stalls")
            << 0 << same << "stall"
            << QStringList{checking, loggedIn, fetching, "The update server stopped answering."}
            << false;
        QTest::newRow("no server") << 0 << same << "none"
                                   << QStringList{checking, "Unable to connect to a server. Please "
                                                            "check that your network is normal."}
                                   << false;
        // Said at once, without trying anything.
        QTest::newRow("nothing configured")
            << 0 << same << "unset"
            << QStringList{"No update server is set up for this installation."} << false;
        QTest::newRow("not an ftp address")
            << 0 << same << "bad address"
            << QStringList{"The update server's address is not a valid ftp:// address."} << false;
    }

    void statuses()
    {
        QFETCH(int, language);
        QFETCH(QByteArray, served);
        QFETCH(QString, server);
        QFETCH(QStringList, seen);
        QFETCH(bool, update);
        m_language->setLanguage(language);
        TestFtpServer ftp;
        if (!served.isEmpty())
            QVERIFY(ftp.serve(QStringLiteral("version_win_enu.txt"), served));
        if (server == QLatin1String("none")) {
            setAddress(QStringLiteral("ftp://u:p@127.0.0.1:%1/").arg(TestFtpServer::freePort()));
        } else if (server == QLatin1String("bad address")) {
            setAddress(QStringLiteral("sftp://u:p@127.0.0.1/"));
        } else if (server != QLatin1String("unset")) {
            QVERIFY(ftp.start(server == QLatin1String("stall") ? QStringList{"--stall"}
                                                               : QStringList()));
            setAddress(server == QLatin1String("wrong password") ? ftp.address("nope")
                                                                 : ftp.address());
        }

        VersionUpdateDialog dialog;
        QStringList statuses{dialog.statusLabel()->text()};
        const auto record = [&] { statuses << dialog.statusLabel()->text(); };
        connect(dialog.updater(), &LMUpdater::signal_loggedIn, this, record);
        connect(dialog.updater(), &LMUpdater::signal_downloading, this, record);
        dialog.show();
        // The check is under way: Check waits for it. Without a usable server
        // there is nothing to check, and Check stays off while the status says why.
        const bool configured =
            server != QLatin1String("unset") && server != QLatin1String("bad address");
        QCOMPARE(dialog.checkButton()->isEnabled(), configured && statuses.size() == seen.size());
        QTRY_VERIFY_WITH_TIMEOUT(dialog.progressBar()->isHidden(), 15000);
        QCOMPARE(dialog.checkButton()->isEnabled(), configured);
        record();
        statuses.removeDuplicates();
        QCOMPARE(statuses, seen);
        QCOMPARE(dialog.updateButton()->isEnabled(), update);
        QVERIFY(dialog.progressBar()->isHidden());

        // Check again in the other language: every status follows the table.
        if (server == QLatin1String("up") && !served.isEmpty()) {
            m_language->setLanguage(language == 0 ? 6 : 0);
            QTest::mouseClick(dialog.checkButton(), Qt::LeftButton);
            QVERIFY(!dialog.checkButton()->isEnabled());
            QCOMPARE(dialog.statusLabel()->text(), lmText(82));
            QTRY_VERIFY_WITH_TIMEOUT(dialog.checkButton()->isEnabled(), 15000);
            QCOMPARE(dialog.statusLabel()->text(), lmText(update ? 80 : 81));
            QCOMPARE(dialog.checkButton()->text(), lmText(76));
        }
    }

    void cancelDuringDownload()
    {
        QVERIFY(serveRelease(QByteArray(2 * 1024 * 1024, 'i'), {"--rate", "262144"}));
        VersionUpdateDialog dialog;
        dialog.show();
        QTRY_VERIFY_WITH_TIMEOUT(dialog.updateButton()->isEnabled(), 15000);
        QTest::mouseClick(dialog.updateButton(), Qt::LeftButton);
        QCOMPARE(dialog.statusLabel()->text(), lmText(83));
        QVERIFY(!dialog.checkButton()->isEnabled());
        QVERIFY(!dialog.updateButton()->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(dialog.progressBar()->value() > 100000, 15000);
        QVERIFY(dialog.progressBar()->isVisible());
        QCOMPARE(dialog.progressBar()->maximum(), 2 * 1024 * 1024);
        QCOMPARE(dialog.statusLabel()->text(),
                 QStringLiteral("Downloading %1...").arg(m_config.installerName));
        QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
        // Gone at once, the transfer with it, and no part of the installer left.
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!dialog.updater()->isRunning());
        QCOMPARE(QDir(downloads()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{m_config.versionFile});
    }

    void installerAfterThePrompt_data()
    {
        QTest::addColumn<bool>("runs");      // the installer is a program
        QTest::addColumn<int>("answer");     // to the save-changes prompt; -1: nothing to save
        QTest::addColumn<QString>("status"); // once settled, @ the installer; empty: it started
        QTest::newRow("Cancel keeps the program and the work")
            << true << int(LMSaveDialog::Cancel)
            << "The update was cancelled; your work is still open.";
        QTest::newRow("Don't lets the installer run") << true << int(LMSaveDialog::Dont) << "";
        QTest::newRow("an installer that cannot start")
            << false << -1 << "The installer @ could not be started. Lumetra keeps running.";
    }

    void installerAfterThePrompt()
    {
        QFETCH(bool, runs);
        QFETCH(int, answer);
        QFETCH(QString, status);
        // A stand-in installer that only records that it ran, or no program at all.
        QVERIFY(serveRelease(runs ? "#!/bin/sh\necho ran > '" + m_marker.toLocal8Bit() + "'\n"
                                  : QByteArray(4096, '\0')));
        LMMainWidget window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        bool prompted = false;
        if (answer >= 0) {
            window.setModified();
            answerNextModal<LMSaveDialog>([&](LMSaveDialog *prompt) {
                prompted = true;
                // Nothing has started before the answer.
                QVERIFY(!QFile::exists(m_marker));
                prompt
                    ->findChild<QPushButton *>(answer == LMSaveDialog::Cancel ? "btn_cancel"
                                                                              : "btn_dont")
                    ->click();
            });
        }
        QString settled;
        updateFromWindow(window, [&settled](auto *d) {
            settled = d->statusLabel()->text();
            QTest::mouseClick(d->cancelButton(), Qt::LeftButton);
        });
        QCOMPARE(prompted, answer >= 0);
        if (status.isEmpty()) {
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(m_marker), 10000);
            QVERIFY(!window.isVisible());
            return;
        }
        QCOMPARE(settled, status.replace(QLatin1Char('@'),
                                         downloads() + QLatin1Char('/') + m_config.installerName));
        // Still here after the prompt: the update was held back.
        QTest::qWait(300);
        QVERIFY(!QFile::exists(m_marker));
        QVERIFY(window.isVisible());
        QCOMPARE(window.design()->isModified(), answer >= 0);
    }

private:
    void setAddress(const QString &address)
    {
        QSettings settings(QStringLiteral("Lumetra"), QStringLiteral("Lumetra"));
        settings.setValue(QStringLiteral("update/address"), address);
    }
    // Where the dialog downloads to: the user's cache, here one of this test's own.
    QString downloads() const
    {
        return QDir(LMUpdateConfig::fromDeployment().localFolder).absolutePath();
    }
    // Release 01.00.00.08 with `installer`, served by a server of this test's own.
    bool serveRelease(const QByteArray &installer, const QStringList &options = {});
    // Opens the update dialog from the window's Update link and presses Update
    // once the check allows it; `then` runs on the dialog once the update has
    // settled without starting an installer. Returns when the dialog is gone.
    void updateFromWindow(LMMainWidget &window, std::function<void(VersionUpdateDialog *)> then);

    std::unique_ptr<QTemporaryDir> m_tmp;
    std::unique_ptr<QVTLanguageManager> m_language;
    QString m_marker;
    LMUpdateConfig m_config;
    std::unique_ptr<TestFtpServer> m_ftp;
};

bool TestUpdateDialog::serveRelease(const QByteArray &installer, const QStringList &options)
{
    m_config = LMUpdateConfig::fromDeployment();
    m_ftp = std::make_unique<TestFtpServer>();
    if (!m_ftp->serve(m_config.versionFile, "01.00.00.08\n") ||
        !m_ftp->serve(m_config.installerName, installer) || !m_ftp->start(options))
        return false;
    setAddress(m_ftp->address());
    return true;
}

void TestUpdateDialog::updateFromWindow(LMMainWidget &window,
                                        std::function<void(VersionUpdateDialog *)> then)
{
    // Polls from the event loop while `dialog` lives.
    const auto when = [](VersionUpdateDialog *dialog, auto test, auto action) {
        auto *poll = new QTimer(dialog);
        poll->setInterval(10);
        QObject::connect(poll, &QTimer::timeout, dialog, [poll, dialog, test, action] {
            if (!test(dialog))
                return;
            poll->stop();
            poll->deleteLater();
            action(dialog);
        });
        poll->start();
    };
    bool opened = false;
    answerNextModal<VersionUpdateDialog>([&](VersionUpdateDialog *dialog) {
        if (std::exchange(opened, true))
            return;
        when(
            dialog, [](auto *d) { return d->updateButton()->isEnabled(); },
            [when, then](auto *d) {
                QTest::mouseClick(d->updateButton(), Qt::LeftButton);
                when(
                    d, [](auto *d) { return d->checkButton()->isEnabled(); }, then);
            });
    });
    Q_EMIT window.form()->update->linkActivated(QStringLiteral("update"));
}

QTEST_MAIN(TestUpdateDialog)

#include "tst_updatedialog.moc"
