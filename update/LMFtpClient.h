#pragma once

#include "update/LMUpdateAddress.h"
#include "update/LMUpdateFailure.h"

#include <QHash>
#include <QObject>
#include <QPair>
#include <QTimer>

#include <optional>

class QIODevice;
class QSocketNotifier;

// One FTP download at a time on libcurl's multi interface, driven by the
// event loop through socket notifiers and a timer: the caller's thread never
// waits on the network, and abort() ends a transfer at once. TLS is asked for
// (explicit FTPS) and used when the server offers it; certificates are always
// verified.
class LMFtpClient : public QObject {
    Q_OBJECT
public:
    explicit LMFtpClient(QObject *parent = nullptr);
    ~LMFtpClient() override;

    void setStallTimeout(int ms) { m_stall.setInterval(ms); }
    void setCaFile(const QString &path) { m_caFile = path; }

    // Logs in, changes to the address's directory and writes `remoteFile`
    // into `sink`. Ends with signal_finished. False when a transfer is
    // already running or curl could not set one up.
    bool download(const LMUpdateAddress &address, const QString &remoteFile, QIODevice *sink);
    // Ends the running transfer now; signal_finished reports Aborted.
    void abort();
    bool isRunning() const { return m_easy != nullptr; }
    // Whether libcurl, opened on the first transfer, is there.
    static bool available();

    // Whether the login went over TLS.
    bool usedTls() const { return m_tls; }
    // The file's size as the server gave it, -1 when it did not.
    qint64 remoteSize() const { return m_remoteSize; }
    qint64 received() const { return m_received; }

Q_SIGNALS:
    void signal_loggedIn();
    void signal_downloadStarted();
    void signal_progress(qint64 received, qint64 total);
    // No failure: the whole file arrived.
    void signal_finished(std::optional<LMUpdateFailure> failure, const QString &detail);

private:
    static int onSocket(void *easy, int socket, int what, void *client, void *);
    static int onTimer(void *multi, long timeoutMs, void *client);
    static size_t onData(char *data, size_t size, size_t count, void *client);
    static int onDebug(void *easy, int type, char *data, size_t size, void *client);
    static int onProgress(void *client, qint64 total, qint64 now, qint64, qint64);

    void watchSocket(int socket, int what);
    void drive(int socket, int events);
    void collectFinished();
    void finish(std::optional<LMUpdateFailure> failure, const QString &detail);
    void release();
    void serverSaid(const QByteArray &line);

    void *m_multi = nullptr;
    void *m_easy = nullptr;
    QIODevice *m_sink = nullptr;
    struct Watch {
        QSocketNotifier *read = nullptr;
        QSocketNotifier *write = nullptr;
    };
    QHash<int, Watch> m_sockets;
    QTimer m_curlTimer;
    QTimer m_stall;
    QString m_caFile;
    QByteArray m_serverLine; // a reply line split across debug calls
    char m_error[256] = {};
    qint64 m_remoteSize = -1;
    qint64 m_received = 0;
    QPair<qint64, qint64> m_lastProgress;
    bool m_tls = false;
    bool m_tlsAccepted = false; // the server answered AUTH TLS with 234
    bool m_inCurl = false;
    bool m_abortPending = false;
};
