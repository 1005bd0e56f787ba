#include "../common/RunLumetra.h"
#include "TestFtpServer.h"

#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

// lumetra --check-update as a script runs it: no display, one line, an exit code.
class TestUpdateCommand : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void answers_data();
    void answers();

private:
    QTemporaryDir m_served;
};

void TestUpdateCommand::initTestCase()
{
    QVERIFY(m_served.isValid());
}

void TestUpdateCommand::answers_data()
{
    QTest::addColumn<QByteArray>("served"); // the version file; empty: none
    QTest::addColumn<QString>("how");       // how the address is given
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("line"); // standard output for 0 and 3, the last error line for 1
    QTest::newRow("latest") << QByteArray("01.00.00.07") << "environment" << 0
                            << "Lumetra 01.00.00.07 is the latest version";
    QTest::newRow("latest, with a line break") << QByteArray("01.00.00.07\r\n") << "settings" << 0
                                               << "Lumetra 01.00.00.07 is the latest version";
    QTest::newRow("another release") << QByteArray("01.00.00.08\n") << "environment" << 3
                                     << "Lumetra 01.00.00.08 is available (this is 01.00.00.07)";
    QTest::newRow("wrong password") << QByteArray("01.00.00.07") << "wrong password" << 1
                                    << "lumetra: update check failed: The update server refused "
                                       "the login.";
    QTest::newRow("no server") << QByteArray("01.00.00.07") << "no server" << 1
                               << "lumetra: update check failed: Unable to connect to a server.";
    QTest::newRow("nothing configured")
        << QByteArray("01.00.00.07") << "none" << 1
        << "lumetra: update check failed: No update server is set up for this installation.";
    QTest::newRow("not an ftp address")
        << QByteArray("01.00.00.07") << "bad address" << 1
        << "lumetra: update check failed: The update server's address is not a valid ftp://";
}

void TestUpdateCommand::answers()
{
    QFETCH(QByteArray, served);
    QFETCH(QString, how);
    QFETCH(int, code);
    QFETCH(QString, line);
    QFile::remove(m_served.filePath(QStringLiteral("version_win_enu.txt")));
    if (!served.isEmpty()) {
        QFile file(m_served.filePath(QStringLiteral("version_win_enu.txt")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(served);
    }
    TestFtpServer ftp(m_served.path());
    if (how != QLatin1String("none") && how != QLatin1String("bad address") &&
        how != QLatin1String("no server"))
        QVERIFY(ftp.start());
    QString address = ftp.address();
    if (how == QLatin1String("wrong password"))
        address = ftp.address(QStringLiteral("not-the-password"));
    else if (how == QLatin1String("no server"))
        address = QStringLiteral("ftp://%1:%2@127.0.0.1:%3/")
                      .arg(QString::fromLatin1(QUrl::toPercentEncoding(TestFtpServer::user())),
                           QStringLiteral("whatever"),
                           QString::number(TestFtpServer::freePort(m_served.path())));
    else if (how == QLatin1String("bad address"))
        address = QStringLiteral("ftps//127.0.0.1/");

    QSettings settings(QStringLiteral("Lumetra"), QStringLiteral("Lumetra"));
    settings.clear();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("LUMETRA_UPDATE_URL"));
    // With the trace on: not even the trace may show the password.
    env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("lumetra.update.debug=true"));
    if (how == QLatin1String("settings") || how == QLatin1String("bad address"))
        settings.setValue(QStringLiteral("update/address"), address);
    else if (how != QLatin1String("none"))
        env.insert(QStringLiteral("LUMETRA_UPDATE_URL"), address);
    settings.sync();

    const LumetraRun run = runLumetra({QStringLiteral("--check-update")}, env);
    const QString &out = run.out, &err = run.err;
    QCOMPARE(run.code, code);
    if (code == 1) {
        QVERIFY(out.isEmpty());
        const QStringList lines = err.trimmed().split(QLatin1Char('\n'));
        QVERIFY2(lines.last().startsWith(line), qPrintable(err));
        QCOMPARE(err.count(QStringLiteral("update check failed")), 1);
    } else {
        QCOMPARE(out, line + QLatin1Char('\n'));
    }
    for (const QString &secret :
         {TestFtpServer::password(), QStringLiteral("not-the-password"),
          QString::fromLatin1(QUrl::toPercentEncoding(TestFtpServer::password()))}) {
        QVERIFY2(!out.contains(secret), qPrintable(out));
        QVERIFY2(!err.contains(secret), qPrintable(err));
    }
    // The trace did run: the check was really made against the server.
    if (ftp.port() > 0)
        QVERIFY(err.contains(QStringLiteral("lumetra.update")));
}

QTEST_GUILESS_MAIN(TestUpdateCommand)
#include "tst_updatecommand.moc"
