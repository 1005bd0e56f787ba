#include "update/LMFtpClient.h"

#include "base/LMLogging.h"

#include <QIODevice>
#include <QSocketNotifier>

#include "update/_LMCurl.h"

namespace {
CURLM *multiOf(void *p)
{
    return static_cast<CURLM *>(p);
}
CURL *easyOf(void *p)
{
    return static_cast<CURL *>(p);
}

// Only called while a transfer's handles exist, so the library is open.
const _LMCurl &curl()
{
    return *_LMCurl::get();
}

std::optional<LMUpdateFailure> failureOf(CURLcode code)
{
    switch (code) {
    case CURLE_OK:
        return std::nullopt;
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_CONNECT:
    case CURLE_FTP_WEIRD_SERVER_REPLY:
        return LMUpdateFailure::Unreachable;
    case CURLE_LOGIN_DENIED:
        return LMUpdateFailure::LoginRefused;
    case CURLE_REMOTE_ACCESS_DENIED: // the directory could not be entered
    case CURLE_REMOTE_FILE_NOT_FOUND:
    case CURLE_FTP_COULDNT_RETR_FILE:
        return LMUpdateFailure::MissingFile;
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_CONNECT_ERROR:
        return LMUpdateFailure::Untrusted;
    case CURLE_OPERATION_TIMEDOUT:
        return LMUpdateFailure::Timeout;
    case CURLE_WRITE_ERROR:
        return LMUpdateFailure::LocalFile;
    case CURLE_ABORTED_BY_CALLBACK:
        return LMUpdateFailure::Aborted;
    default:
        return LMUpdateFailure::Broken;
    }
}
} // namespace

LMFtpClient::LMFtpClient(QObject *parent) : QObject(parent)
{
    m_curlTimer.setSingleShot(true);
    connect(&m_curlTimer, &QTimer::timeout, this, [this] { drive(CURL_SOCKET_TIMEOUT, 0); });
    m_stall.setSingleShot(true);
    m_stall.setInterval(20000);
    connect(&m_stall, &QTimer::timeout, this, [this] {
        qCDebug(lcUpdate) << "no progress for" << m_stall.interval() << "ms";
        finish(LMUpdateFailure::Timeout,
               QStringLiteral("no progress for %1 seconds").arg(m_stall.interval() / 1000.0));
    });
}

LMFtpClient::~LMFtpClient()
{
    release();
}

bool LMFtpClient::available()
{
    return _LMCurl::get() != nullptr;
}

bool LMFtpClient::download(const LMUpdateAddress &address, const QString &remoteFile,
                           QIODevice *sink)
{
    if (m_easy || !sink || !_LMCurl::get())
        return false;
    m_multi = curl().multi_init();
    m_easy = curl().easy_init();
    if (!m_multi || !m_easy) {
        release();
        return false;
    }
    m_sink = sink;
    m_tls = false;
    m_tlsAccepted = false;
    m_received = 0;
    m_remoteSize = -1;
    m_serverLine.clear();
    m_error[0] = 0;
    m_abortPending = false;
    m_lastProgress = {0, 0};

    CURL *easy = easyOf(m_easy);
    const QByteArray url = address.urlOf(remoteFile);
    // Credentials go separately, so no URL that might be echoed carries them.
    const QByteArray user =
        address.user.isEmpty() ? QByteArray("anonymous") : address.user.toUtf8();
    const QByteArray password = address.password.toUtf8();
    curl().easy_setopt(easy, CURLOPT_URL, url.constData());
    curl().easy_setopt(easy, CURLOPT_USERNAME, user.constData());
    curl().easy_setopt(easy, CURLOPT_PASSWORD, password.constData());
    curl().easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "ftp");
    curl().easy_setopt(easy, CURLOPT_USE_SSL, long(CURLUSESSL_TRY));
    curl().easy_setopt(easy, CURLOPT_FTPSSLAUTH, long(CURLFTPAUTH_TLS));
    curl().easy_setopt(easy, CURLOPT_SSL_VERIFYPEER, 1L);
    curl().easy_setopt(easy, CURLOPT_SSL_VERIFYHOST, 2L);
    if (!m_caFile.isEmpty())
        curl().easy_setopt(easy, CURLOPT_CAINFO, m_caFile.toLocal8Bit().constData());
    curl().easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    curl().easy_setopt(easy, CURLOPT_ERRORBUFFER, m_error);
    curl().easy_setopt(easy, CURLOPT_WRITEFUNCTION, &LMFtpClient::onData);
    curl().easy_setopt(easy, CURLOPT_WRITEDATA, this);
    curl().easy_setopt(easy, CURLOPT_XFERINFOFUNCTION, &LMFtpClient::onProgress);
    curl().easy_setopt(easy, CURLOPT_XFERINFODATA, this);
    curl().easy_setopt(easy, CURLOPT_NOPROGRESS, 0L);
    // The server's replies tell the stages apart; the trace also feeds the stall watch.
    curl().easy_setopt(easy, CURLOPT_DEBUGFUNCTION, &LMFtpClient::onDebug);
    curl().easy_setopt(easy, CURLOPT_DEBUGDATA, this);
    curl().easy_setopt(easy, CURLOPT_VERBOSE, 1L);

    CURLM *multi = multiOf(m_multi);
    curl().multi_setopt(multi, CURLMOPT_SOCKETFUNCTION, &LMFtpClient::onSocket);
    curl().multi_setopt(multi, CURLMOPT_SOCKETDATA, this);
    curl().multi_setopt(multi, CURLMOPT_TIMERFUNCTION, &LMFtpClient::onTimer);
    curl().multi_setopt(multi, CURLMOPT_TIMERDATA, this);
    qCDebug(lcUpdate).noquote() << "fetching" << remoteFile << "from" << address.redacted();
    if (curl().multi_add_handle(multi, easy) != CURLM_OK) {
        release();
        return false;
    }
    m_stall.start();
    return true;
}

void LMFtpClient::abort()
{
    if (!m_easy)
        return;
    if (m_inCurl) {
        // Inside one of curl's callbacks the handle must stay; end it on the way out.
        m_abortPending = true;
        return;
    }
    finish(LMUpdateFailure::Aborted, QStringLiteral("stopped"));
}

int LMFtpClient::onSocket(void *, int socket, int what, void *client, void *)
{
    static_cast<LMFtpClient *>(client)->watchSocket(socket, what);
    return 0;
}

int LMFtpClient::onTimer(void *, long timeoutMs, void *client)
{
    auto *self = static_cast<LMFtpClient *>(client);
    if (timeoutMs < 0)
        self->m_curlTimer.stop();
    else
        self->m_curlTimer.start(int(timeoutMs));
    return 0;
}

size_t LMFtpClient::onData(char *data, size_t size, size_t count, void *client)
{
    auto *self = static_cast<LMFtpClient *>(client);
    const qint64 bytes = qint64(size * count);
    if (self->m_abortPending || self->m_sink->write(data, bytes) != bytes)
        return 0; // curl ends the transfer with a write error
    self->m_received += bytes;
    self->m_stall.start();
    return size_t(bytes);
}

int LMFtpClient::onProgress(void *client, qint64 total, qint64 now, qint64, qint64)
{
    auto *self = static_cast<LMFtpClient *>(client);
    if (self->m_abortPending)
        return 1;
    if (total > 0 && self->m_remoteSize < 0)
        self->m_remoteSize = total;
    if (now != self->m_lastProgress.first || total != self->m_lastProgress.second) {
        self->m_lastProgress = {now, total};
        Q_EMIT self->signal_progress(now, total);
    }
    return 0;
}

int LMFtpClient::onDebug(void *, int type, char *data, size_t size, void *client)
{
    auto *self = static_cast<LMFtpClient *>(client);
    switch (type) {
    case CURLINFO_HEADER_IN: {
        self->m_stall.start();
        self->m_serverLine += QByteArray(data, qsizetype(size));
        qsizetype end;
        while ((end = self->m_serverLine.indexOf('\n')) >= 0) {
            const QByteArray line = self->m_serverLine.left(end).trimmed();
            self->m_serverLine.remove(0, end + 1);
            self->serverSaid(line);
        }
        break;
    }
    case CURLINFO_HEADER_OUT: {
        const QByteArray line = QByteArray(data, qsizetype(size)).trimmed();
        // The password never reaches a log.
        qCDebug(lcUpdate).noquote()
            << ">" << (line.startsWith("PASS") ? QByteArray("PASS ****") : line);
        break;
    }
    case CURLINFO_SSL_DATA_IN:
    case CURLINFO_SSL_DATA_OUT:
    case CURLINFO_DATA_OUT:
        self->m_stall.start();
        break;
    default:
        break;
    }
    return 0;
}

void LMFtpClient::serverSaid(const QByteArray &line)
{
    qCDebug(lcUpdate).noquote() << "<" << line;
    if (line.startsWith("234 ")) {
        m_tlsAccepted = true;
    } else if (line.startsWith("230 ")) {
        // The handshake follows the 234 at once; a login that got this far went over it.
        m_tls = m_tlsAccepted;
        Q_EMIT signal_loggedIn();
    } else if (line.startsWith("150 ") || line.startsWith("125 "))
        Q_EMIT signal_downloadStarted();
}

void LMFtpClient::watchSocket(int socket, int what)
{
    Watch &watch = m_sockets[socket];
    const auto retire = [](QSocketNotifier *&notifier) {
        // It may be the notifier whose signal is being delivered right now.
        if (notifier) {
            notifier->setEnabled(false);
            notifier->deleteLater();
            notifier = nullptr;
        }
    };
    if (what == CURL_POLL_REMOVE) {
        retire(watch.read);
        retire(watch.write);
        m_sockets.remove(socket);
        return;
    }
    const bool wantRead = what == CURL_POLL_IN || what == CURL_POLL_INOUT;
    const bool wantWrite = what == CURL_POLL_OUT || what == CURL_POLL_INOUT;
    if (wantRead && !watch.read) {
        watch.read = new QSocketNotifier(qintptr(socket), QSocketNotifier::Read, this);
        connect(watch.read, &QSocketNotifier::activated, this,
                [this, socket] { drive(socket, CURL_CSELECT_IN); });
    } else if (!wantRead) {
        retire(watch.read);
    }
    if (wantWrite && !watch.write) {
        watch.write = new QSocketNotifier(qintptr(socket), QSocketNotifier::Write, this);
        connect(watch.write, &QSocketNotifier::activated, this,
                [this, socket] { drive(socket, CURL_CSELECT_OUT); });
    } else if (!wantWrite) {
        retire(watch.write);
    }
}

void LMFtpClient::drive(int socket, int events)
{
    if (!m_multi)
        return;
    int running = 0;
    m_inCurl = true;
    curl().multi_socket_action(multiOf(m_multi), curl_socket_t(socket), events, &running);
    m_inCurl = false;
    if (m_abortPending)
        finish(LMUpdateFailure::Aborted, QStringLiteral("stopped"));
    else
        collectFinished();
}

void LMFtpClient::collectFinished()
{
    int left = 0;
    while (m_multi) {
        CURLMsg *message = curl().multi_info_read(multiOf(m_multi), &left);
        if (!message)
            break;
        if (message->msg != CURLMSG_DONE || message->easy_handle != m_easy)
            continue;
        const CURLcode code = message->data.result;
        curl_off_t size = -1;
        curl().easy_getinfo(easyOf(m_easy), CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &size);
        if (size >= 0)
            m_remoteSize = size;
        QString detail = QString::fromLocal8Bit(m_error);
        if (detail.isEmpty())
            detail = QString::fromLatin1(curl().easy_strerror(code));
        finish(failureOf(code), code == CURLE_OK ? QString() : detail);
        return;
    }
}

void LMFtpClient::finish(std::optional<LMUpdateFailure> failure, const QString &detail)
{
    if (!m_easy)
        return;
    release();
    qCDebug(lcUpdate).noquote() << "finished:" << (failure ? detail : QStringLiteral("complete"))
                                << m_received << "of" << m_remoteSize << "bytes";
    Q_EMIT signal_finished(failure, detail);
}

void LMFtpClient::release()
{
    if (m_multi && m_easy)
        curl().multi_remove_handle(multiOf(m_multi), easyOf(m_easy));
    if (m_easy)
        curl().easy_cleanup(easyOf(m_easy));
    if (m_multi)
        curl().multi_cleanup(multiOf(m_multi));
    m_easy = nullptr;
    m_multi = nullptr;
    m_sink = nullptr;
    m_stall.stop();
    m_curlTimer.stop();
    // This may run inside a notifier's own signal: retire them, never delete them here.
    for (Watch &watch : m_sockets) {
        for (QSocketNotifier *notifier : {watch.read, watch.write}) {
            if (notifier) {
                notifier->setEnabled(false);
                notifier->deleteLater();
            }
        }
    }
    m_sockets.clear();
}
