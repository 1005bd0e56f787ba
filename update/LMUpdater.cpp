#include "update/LMUpdater.h"

#include "base/LMLogging.h"
#include "update/LMFtpClient.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

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
    if (!QDir().mkpath(m_config.localFolder))
        return fail(LMUpdateFailure::LocalFile, m_config.localFolder);
    // Written beside the target and renamed over it only when complete, so
    // neither a stale tail nor a partial installer is ever left under the name.
    m_file = std::make_unique<QSaveFile>(localPath(file));
    if (!m_file->open(QIODevice::WriteOnly))
        return fail(LMUpdateFailure::LocalFile, m_file->errorString());
    if (!m_client->download(*m_config.address, file, m_file.get()))
        return fail(LMUpdateFailure::Broken, QStringLiteral("the transfer could not be set up"));
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
    const qint64 expected = m_client->remoteSize();
    if (expected < 0 || m_client->received() != expected)
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
    QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner | QFile::ExeGroup |
                                    QFile::ExeOther);
    Q_EMIT signal_installerReady(path);
}
