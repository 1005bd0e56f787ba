#include "../common/RunLumetra.h"
#include "TestFtpServer.h"

#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

// lumetra --check-update as a script runs it: no display, one line, an exit
// code; the address from the settings file, or from the environment over it.
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
    QTest::addColumn<QByteArray>("served");   // the version file
    QTest::addColumn<QString>("stored");      // the settings' address: "right", "wrong", "bad"
    QTest::addColumn<QString>("environment"); // LUMETRA_UPDATE_URL, the same way
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("line"); // standard output for 0 and 3, the last error line for 1
    const QString none;
    QTest::newRow("latest, with a line break") << QByteArray("01.00.00.07\r\n") << "right" << none
                                               << 0 << "Lumetra 01.00.00.07 is the latest version";
    QTest::newRow("another release, the environment over the settings")
        << QByteArray("01.00.00.08\n") << "bad"
        << "right" << 3 << "Lumetra 01.00.00.08 is available (this is 01.00.00.07)";
    QTest::newRow("wrong password")
        << QByteArray("01.00.00.07") << none << "wrong" << 1
        << "lumetra: update check failed: The update server refused the login.";
    // Refused before any transfer, so before the command waits for one.
    QTest::newRow("not an ftp address")
        << QByteArray("01.00.00.07") << "bad" << none << 1
        << "lumetra: update check failed: The update server's address is not a valid ftp://";
}

void TestUpdateCommand::answers()
{
    QFETCH(QByteArray, served);
    QFETCH(QString, stored);
    QFETCH(QString, environment);
    QFETCH(int, code);
    QFETCH(QString, line);
    QFile file(m_served.filePath(QStringLiteral("version_win_enu.txt")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(served);
    file.close();
    TestFtpServer ftp(m_served.path());
    QVERIFY(ftp.start());
    const auto address = [&ftp](const QString &how) {
        if (how == QLatin1String("bad"))
            return QStringLiteral("ftps//127.0.0.1/");
        return how == QLatin1String("wrong") ? ftp.address(QStringLiteral("not-the-password"))
                                             : ftp.address();
    };

    QSettings settings(QStringLiteral("Lumetra"), QStringLiteral("Lumetra"));
    settings.clear();
    if (!stored.isEmpty())
        settings.setValue(QStringLiteral("update/address"), address(stored));
    settings.sync();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("LUMETRA_UPDATE_URL"));
    if (!environment.isEmpty())
        env.insert(QStringLiteral("LUMETRA_UPDATE_URL"), address(environment));
    // With the trace on: not even the trace may show the password.
    env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("lumetra.update.debug=true"));

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
    // The trace did run: what was checked was really logged.
    QVERIFY2(err.contains(QStringLiteral("lumetra.update")), qPrintable(err));
}

QTEST_GUILESS_MAIN(TestUpdateCommand)
#include "tst_updatecommand.moc"
