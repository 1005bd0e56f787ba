#pragma once

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

// A real FTP server on 127.0.0.1 for one test: Debian's pyftpdlib, started on
// a free port with a real user and password, serving a folder of its own.
class TestFtpServer {
public:
    static QString user() { return QStringLiteral("updates@lumetra.test"); }
    static QString password() { return QStringLiteral("Pa55:w@rd/x!"); }

    ~TestFtpServer() { stop(); }

    // Puts a file on the server, before or after it starts.
    bool serve(const QString &name, const QByteArray &bytes) const
    {
        QFile file(m_root.filePath(name));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }

    // Options as ftpserver.py takes them (--tls CERT KEY, --rate N, --stall).
    bool start(const QStringList &options = {})
    {
        stop();
        const QString script = qEnvironmentVariable("LUMETRA_SOURCE_DIR") +
                               QStringLiteral("/tests/update/ftpserver.py");
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        // Debian's interpreter: it is the one the server package installs into.
        m_process.start(QStringLiteral("/usr/bin/python3"),
                        QStringList{script, m_root.path(), user(), password()} + options);
        if (!m_process.waitForStarted(5000))
            return false;
        while (m_process.waitForReadyRead(10000)) {
            const QByteArray line = m_process.readLine().trimmed();
            if (line.startsWith("PORT ")) {
                m_port = line.mid(5).toInt();
                return m_port > 0;
            }
        }
        return false;
    }

    void stop()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }

    int port() const { return m_port; }

    // The address with this server's credentials (percent-encoded) and `directory`.
    QString address(const QString &pass = password(), const QString &directory = QString()) const
    {
        // One pass: the encoded password's own "%2F" must not be taken for a placeholder.
        return QStringLiteral("ftp://%1:%2@127.0.0.1:%3/%4")
            .arg(QString::fromLatin1(QUrl::toPercentEncoding(user())),
                 QString::fromLatin1(QUrl::toPercentEncoding(pass)), QString::number(m_port),
                 directory);
    }

    // A port nothing listens on: one this kind of server just gave up.
    static int freePort()
    {
        TestFtpServer server;
        return server.start() ? server.port() : 1;
    }

    // A self-signed certificate for 127.0.0.1, made with openssl.
    static bool makeCertificate(const QString &cert, const QString &key)
    {
        QProcess openssl;
        openssl.start(QStringLiteral("openssl"),
                      {"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "1", "-subj",
                       "/CN=127.0.0.1", "-addext", "subjectAltName=IP:127.0.0.1", "-keyout", key,
                       "-out", cert});
        return openssl.waitForFinished(30000) && openssl.exitCode() == 0;
    }

private:
    QTemporaryDir m_root;
    QProcess m_process;
    int m_port = 0;
};
