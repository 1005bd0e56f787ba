#include "update/LMUpdater.h"

#include "base/LMLogging.h"
#include "update/LMFtpClient.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

LMUpdater::LMUpdater(const LMUpdateConfig &config, QObject *parent)
    : QObject(parent), m_config(config), m_client(new LMFtpClient(this))
{
    m_client->setStallTimeout(config.stallTimeoutMs);
    m_client->setCaFile(config.caFile);
    connect(m_client, &LMFtpClient::signal_loggedIn, this, &LMUpdater::signal_loggedIn);
    connect(m_client, &LMFtpClient::signal_downloadStarted, this,
            [this] { Q_EMIT signal_downloading(m_fileName); });
    connect(m_client, &LMFtpClient::signal_progress, this, &LMUpdater::signal_progress);
    connect(m_client, &LMFtpClient::signal_finished, this, &LMUpdater::transferEnded);
}

LMUpdater::~LMUpdater()
{
    // The client goes first, so it never writes into a file that is gone.
    delete m_client;
}

bool LMUpdater::isRunning() const
{
    return m_client->isRunning();
}

bool LMUpdater::usedTls() const
{
    return m_client->usedTls();
}

void LMUpdater::check()
{
    start(m_config.versionFile);
}

void LMUpdater::downloadInstaller()
{
    start(m_config.installerName);
}

void LMUpdater::cancel()
{
    m_client->abort();
}

QString LMUpdater::versionFrom(const QByteArray &bytes)
{
    const qsizetype zero = bytes.indexOf('\0');
    return QString::fromLatin1(zero >= 0 ? bytes.left(zero) : bytes).trimmed();
}

void LMUpdater::start(const QString &file)
{
    m_client->abort();
    m_fileName = file;
    if (!m_config.address)
        return fail(m_config.addressText.isEmpty() ? LMUpdateFailure::NotConfigured
                                                   : LMUpdateFailure::BadAddress,
                    QString());
    if (!ownFolder(m_config.localFolder))
        return fail(LMUpdateFailure::LocalFile, m_config.localFolder);
    // Written beside the target and renamed over it only when complete, so
    // neither a stale tail nor a partial installer is ever left under the name.
    m_file = std::make_unique<QSaveFile>(localPath(file));
    if (!m_file->open(QIODevice::WriteOnly))
        return fail(LMUpdateFailure::LocalFile, m_file->errorString());
    if (!m_client->download(*m_config.address, file, m_file.get()))
        return fail(LMUpdateFailure::Broken,
                    LMFtpClient::available()
                        ? QStringLiteral("the transfer could not be set up")
                        : QStringLiteral("libcurl (package libcurl4) could not be opened"));
}

void LMUpdater::fail(LMUpdateFailure failure, const QString &detail)
{
    m_file.reset(); // an uncommitted save file takes its temporary file with it
    qCDebug(lcUpdate).noquote() << "failed:" << int(failure) << detail;
    Q_EMIT signal_failed(failure, detail);
}

void LMUpdater::transferEnded(std::optional<LMUpdateFailure> failure, const QString &detail)
{
    if (failure)
        return fail(*failure, detail);
    // A server that tells no size has sent the whole file when it closed the
    // transfer cleanly; one that told a size must have sent exactly that.
    const qint64 expected = m_client->remoteSize();
    if (expected >= 0 && m_client->received() != expected)
        return fail(LMUpdateFailure::Incomplete,
                    QStringLiteral("%1 of %2 bytes").arg(m_client->received()).arg(expected));
    if (!m_file->commit()) {
        const QString why = m_file->errorString();
        return fail(LMUpdateFailure::LocalFile, why);
    }
    m_file.reset();
    const QString path = localPath(m_fileName);
    if (m_fileName == m_config.versionFile) {
        QFile version(path);
        if (!version.open(QIODevice::ReadOnly))
            return fail(LMUpdateFailure::LocalFile, version.errorString());
        const QString server = versionFrom(version.readAll());
        if (server.isEmpty())
            return fail(LMUpdateFailure::Broken, QStringLiteral("the version file is empty"));
        Q_EMIT signal_checked(server != m_config.ownVersion, server);
        return;
    }
    // Runnable by its owner only, and remembered as it arrived.
    QFile::setPermissions(path, OwnerOnly);
    m_installerSize = QFileInfo(path).size();
    Q_EMIT signal_installerReady(path);
}

bool LMUpdater::ownFolder(const QString &folder)
{
    // Only this user may write where an installer is kept, or another
    // could swap it before it runs.
    if (!QDir().mkpath(folder))
        return false;
    QFile::setPermissions(folder, OwnerOnly);
    const QFileInfo info(folder);
#ifdef Q_OS_UNIX
    if (info.ownerId() != ::getuid())
        return false;
#endif
    return info.isDir() && !(info.permissions() & (QFile::WriteGroup | QFile::WriteOther));
}

bool LMUpdater::installerUnchanged(const QString &path) const
{
    const QFileInfo info(path);
    return m_installerSize >= 0 && info.size() == m_installerSize &&
           !(info.permissions() & (QFile::WriteGroup | QFile::WriteOther)) &&
           ownFolder(info.absolutePath());
}
