#include "TestFtpServer.h"
#include "update/LMUpdater.h"
#include "update/_LMCurl.h"

#include <QFileInfo>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

Q_DECLARE_METATYPE(LMUpdateFailure)

// The check and the installer download, run against a real FTP server.
class TestUpdater : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void check_data();
    void check();
    void installerArrivesWhole_data();
    void installerArrivesWhole();
    void interruptedDownloadLeavesNothing_data();
    void interruptedDownloadLeavesNothing();
    void tls_data();
    void tls();

private:
    // The folder's entries, temporary ones included.
    QStringList downloads() const
    {
        return QDir(m_config.localFolder).entryList(QDir::Files | QDir::Hidden);
    }
    void serve(const QString &name, const QByteArray &bytes)
    {
        QFile file(m_served.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    // Runs until the updater reports an end; the failure, if it was one.
    struct Ending {
        int ends = 0;
        std::optional<LMUpdateFailure> failure;
        bool newer = false;
        QString version, installer;
    };
    Ending runToEnd(LMUpdater &updater, void (LMUpdater::*start)());

    QTemporaryDir m_served;
    std::unique_ptr<QTemporaryDir> m_local;
    LMUpdateConfig m_config;
};

void TestUpdater::initTestCase()
{
    qRegisterMetaType<LMUpdateFailure>();
    qunsetenv("LUMETRA_UPDATE_URL");
    QVERIFY(m_served.isValid());
}

void TestUpdater::init()
{
    m_local = std::make_unique<QTemporaryDir>();
    m_config = LMUpdateConfig::fromDeployment();
    m_config.localFolder = m_local->filePath(QStringLiteral("lumetra/"));
    m_config.stallTimeoutMs = 1500;
    for (const QString &name : QDir(m_served.path()).entryList(QDir::Files))
        QFile::remove(m_served.filePath(name));
}

void TestUpdater::cleanup()
{
    m_local.reset();
}

TestUpdater::Ending TestUpdater::runToEnd(LMUpdater &updater, void (LMUpdater::*start)())
{
    auto ending = std::make_shared<Ending>();
    connect(&updater, &LMUpdater::signal_checked, this, [ending](bool newer, const QString &v) {
        ++ending->ends;
        ending->newer = newer;
        ending->version = v;
    });
    connect(&updater, &LMUpdater::signal_installerReady, this, [ending](const QString &path) {
        ++ending->ends;
        ending->installer = path;
    });
    connect(&updater, &LMUpdater::signal_failed, this, [ending](LMUpdateFailure f) {
        ++ending->ends;
        ending->failure = f;
    });
    (updater.*start)();
    [&] { QTRY_VERIFY_WITH_TIMEOUT(ending->ends > 0, 20000); }();
    QTest::qWait(50); // a second ending would show up now
    return *ending;
}

void TestUpdater::check_data()
{
    QTest::addColumn<QByteArray>("served"); // the version file; empty: none
    QTest::addColumn<QString>("server");    // "up", "stall", "blank line", "none", "refused"
    QTest::addColumn<QString>("directory");
    QTest::addColumn<int>("failure"); // -1: the check completes
    QTest::addColumn<bool>("newer");
    const QByteArray same("01.00.00.07");
    const QString up = QStringLiteral("up"), none;
    const int ok = -1;
    // How the text is read from the file is LMUpdater::versionFrom's own table
    // (tst_updateaddress); refusals and failures as the user meets them are the
    // dialog's and the command's (tst_updatedialog, tst_updatecommand).
    QTest::newRow("same version") << same << up << none << ok << false;
    // Some servers welcome with several lines, one of them a bare line feed.
    QTest::newRow("another version, a welcome with an empty line")
        << QByteArray("01.00.00.08\n") << QStringLiteral("blank line") << none << ok << true;
    QTest::newRow("empty version file")
        << QByteArray("\n") << up << none << int(LMUpdateFailure::Broken) << false;
    QTest::newRow("missing directory")
        << same << up << QStringLiteral("releases/") << int(LMUpdateFailure::MissingFile) << false;
    QTest::newRow("server stalls")
        << same << QStringLiteral("stall") << none << int(LMUpdateFailure::Timeout) << false;
    QTest::newRow("libcurl refuses the transfer")
        << same << QStringLiteral("refused") << none << int(LMUpdateFailure::Broken) << false;
}

void TestUpdater::check()
{
    QFETCH(QByteArray, served);
    QFETCH(QString, server);
    QFETCH(QString, directory);
    QFETCH(int, failure);
    QFETCH(bool, newer);
    if (!served.isEmpty())
        serve(m_config.versionFile, served);
    // A stale, longer file from an earlier check: a success replaces it whole.
    QVERIFY(QDir().mkpath(m_config.localFolder));
    QFile old(m_config.localFolder + m_config.versionFile);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("01.00.00.06 and a long tail from some older file");
    old.close();
    TestFtpServer ftp(m_served.path());
    QStringList options;
    if (server == QLatin1String("stall"))
        options << QStringLiteral("--stall");
    else if (server == QLatin1String("blank line"))
        options << QStringLiteral("--blankline");
    QVERIFY(ftp.start(options));
    m_config.address = LMUpdateAddress::parse(ftp.address(TestFtpServer::password(), directory));
    QVERIFY(m_config.address);
    // libcurl turning the transfer down (out of memory, say) before it begins.
    auto *curl = const_cast<_LMCurl *>(_LMCurl::get());
    QVERIFY(curl);
    const auto addHandle = curl->multi_add_handle;
    const auto restore = qScopeGuard([&] { curl->multi_add_handle = addHandle; });
    if (server == QLatin1String("refused"))
        curl->multi_add_handle = [](CURLM *, CURL *) { return CURLM_OUT_OF_MEMORY; };

    LMUpdater updater(m_config);
    QSignalSpy loggedIn(&updater, &LMUpdater::signal_loggedIn);
    const Ending end = runToEnd(updater, &LMUpdater::check);
    QCOMPARE(end.ends, 1);
    QCOMPARE(end.failure ? int(*end.failure) : -1, failure);
    QVERIFY(!updater.isRunning());
    if (failure < 0) {
        QCOMPARE(end.newer, newer);
        QCOMPARE(end.version, LMUpdater::versionFrom(served));
        QCOMPARE(loggedIn.count(), 1);
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), served);
        QCOMPARE(downloads(), QStringList{m_config.versionFile});
    } else {
        // A failed check leaves no half-written file behind.
        for (const QString &name : downloads())
            QVERIFY2(!name.startsWith(m_config.versionFile + QLatin1Char('.')), qPrintable(name));
    }
}

void TestUpdater::installerArrivesWhole_data()
{
    QTest::addColumn<QStringList>("server");
    QTest::newRow("a server that tells sizes") << QStringList();
    QTest::newRow("a server that tells none") << QStringList{"--nosize"};
}

// The installer arrives whole, into a folder only this user may write, and
// runnable by its owner alone; a change to it afterwards is noticed.
void TestUpdater::installerArrivesWhole()
{
    QFETCH(QStringList, server);
    QByteArray installer = "#!/bin/sh\nexit 0\n";
    for (int i = 0; installer.size() < 3 * 1024 * 1024; ++i)
        installer += QByteArray::number(qint64(i) * 7919) + ' ';
    serve(m_config.installerName, installer);
    TestFtpServer ftp(m_served.path());
    QVERIFY(ftp.start(server));
    m_config.address = LMUpdateAddress::parse(ftp.address());
    LMUpdater updater(m_config);
    QSignalSpy progress(&updater, &LMUpdater::signal_progress);
    QSignalSpy downloading(&updater, &LMUpdater::signal_downloading);
    const Ending end = runToEnd(updater, &LMUpdater::downloadInstaller);
    QVERIFY(!end.failure);
    QCOMPARE(end.installer, m_config.localFolder + m_config.installerName);
    QFile arrived(end.installer);
    QVERIFY(arrived.open(QIODevice::ReadOnly));
    QCOMPARE(arrived.readAll(), installer);
    const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                      QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    QVERIFY(arrived.permissions() & QFile::ExeOwner);
    QCOMPARE(arrived.permissions() & others, QFile::Permissions());
    QCOMPARE(QFileInfo(m_config.localFolder).permissions() & others, QFile::Permissions());
    QVERIFY(updater.installerUnchanged(end.installer));
    arrived.close();
    QVERIFY(arrived.open(QIODevice::Append));
    arrived.write("echo swapped\n");
    arrived.close();
    QVERIFY(!updater.installerUnchanged(end.installer));
    QCOMPARE(downloads(), QStringList{m_config.installerName});
    QCOMPARE(downloading.count(), 1);
    QCOMPARE(downloading.first().first().toString(), m_config.installerName);
    QVERIFY(!progress.isEmpty());
    QCOMPARE(progress.last().at(0).toLongLong(), qint64(installer.size()));
    // A server that tells no size leaves the total unknown on the way.
    QCOMPARE(progress.last().at(1).toLongLong(), server.isEmpty() ? qint64(installer.size()) : 0);
}

void TestUpdater::interruptedDownloadLeavesNothing_data()
{
    QTest::addColumn<bool>("cancel");
    QTest::newRow("the server goes away") << false;
    // From inside the transfer's own progress report: the end waits for curl's return.
    QTest::newRow("cancelled on the way") << true;
}

void TestUpdater::interruptedDownloadLeavesNothing()
{
    QFETCH(bool, cancel);
    serve(m_config.installerName, QByteArray(2 * 1024 * 1024, 'x'));
    TestFtpServer ftp(m_served.path());
    QVERIFY(ftp.start({"--rate", "262144"}));
    m_config.address = LMUpdateAddress::parse(ftp.address());
    LMUpdater updater(m_config);
    // A part of the way through.
    connect(&updater, &LMUpdater::signal_progress, this, [&](qint64 received) {
        if (received <= 300000)
            return;
        if (cancel)
            updater.cancel();
        else
            ftp.stop();
    });
    const Ending end = runToEnd(updater, &LMUpdater::downloadInstaller);
    QCOMPARE(end.ends, 1);
    QVERIFY(end.failure);
    if (cancel)
        QCOMPARE(*end.failure, LMUpdateFailure::Aborted);
    else
        QVERIFY2(*end.failure == LMUpdateFailure::Broken ||
                     *end.failure == LMUpdateFailure::Incomplete,
                 qPrintable(QString::number(int(*end.failure))));
    QVERIFY(!updater.isRunning());
    QCOMPARE(downloads(), QStringList());
}

void TestUpdater::tls_data()
{
    QTest::addColumn<bool>("serverTls");
    QTest::addColumn<bool>("trusted"); // the test's certificate is set as the CA file
    QTest::addColumn<int>("failure");
    QTest::addColumn<bool>("overTls");
    QTest::newRow("server offers TLS") << true << true << -1 << true;
    QTest::newRow("certificate not trusted")
        << true << false << int(LMUpdateFailure::Untrusted) << false;
    QTest::newRow("server without TLS") << false << true << -1 << false;
}

void TestUpdater::tls()
{
    QFETCH(bool, serverTls);
    QFETCH(bool, trusted);
    QFETCH(int, failure);
    QFETCH(bool, overTls);
    QTemporaryDir keys;
    const QString cert = keys.filePath(QStringLiteral("cert.pem"));
    const QString key = keys.filePath(QStringLiteral("key.pem"));
    QVERIFY(TestFtpServer::makeCertificate(cert, key));
    serve(m_config.versionFile, "01.00.00.07");
    TestFtpServer ftp(m_served.path());
    // This server refuses a login that is not made over TLS.
    QVERIFY(ftp.start(serverTls ? QStringList{"--tls", cert, key} : QStringList()));
    m_config.address = LMUpdateAddress::parse(ftp.address());
    m_config.caFile = trusted ? cert : QString();
    LMUpdater updater(m_config);
    const Ending end = runToEnd(updater, &LMUpdater::check);
    QCOMPARE(end.failure ? int(*end.failure) : -1, failure);
    QCOMPARE(updater.usedTls(), overTls);
}

QTEST_GUILESS_MAIN(TestUpdater)
#include "tst_updater.moc"
