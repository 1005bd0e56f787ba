#pragma once

#include "update/LMUpdateConfig.h"
#include "update/LMUpdateFailure.h"

#include <QFile>
#include <QObject>

#include <memory>

class LMFtpClient;
class QSaveFile;

// The update check and the installer download, without any window: asks the
// server for the current release's version and compares it with this
// program's, or fetches the installer whole. The dialog and the command line
// both drive it.
class LMUpdater : public QObject {
    Q_OBJECT
public:
    explicit LMUpdater(const LMUpdateConfig &config, QObject *parent = nullptr);
    ~LMUpdater() override;

    const LMUpdateConfig &config() const { return m_config; }
    // The file the running or last transfer fetched.
    QString fileName() const { return m_fileName; }
    QString localPath(const QString &file) const { return m_config.localFolder + file; }
    // Whether the installer at `path` is still the one downloaded: its size,
    // and a folder and file only this user may write.
    bool installerUnchanged(const QString &path) const;
    // Makes `folder` if need be, for this user alone; false if it cannot be.
    static bool ownFolder(const QString &folder);
    bool isRunning() const;
    bool usedTls() const;

    // Both end in exactly one of signal_checked / signal_installerReady or
    // signal_failed, which may come before they return.
    void check();
    void downloadInstaller();
    // Stops the running transfer; its partial file is removed.
    void cancel();

    // The version as the server states it: surrounding white space is not part of it.
    static QString versionFrom(const QByteArray &bytes);

Q_SIGNALS:
    void signal_loggedIn();
    void signal_downloading(const QString &file);
    void signal_progress(qint64 received, qint64 total);
    // `newer`: the server names a release other than this one.
    void signal_checked(bool newer, const QString &serverVersion);
    void signal_installerReady(const QString &path);
    void signal_failed(LMUpdateFailure failure, const QString &detail);

private:
    void start(const QString &file);
    void transferEnded(std::optional<LMUpdateFailure> failure, const QString &detail);
    void fail(LMUpdateFailure failure, const QString &detail);

    LMUpdateConfig m_config;
    LMFtpClient *m_client;
    std::unique_ptr<QSaveFile> m_file;
    QString m_fileName;
    qint64 m_installerSize = -1; // as the last installer arrived

    static constexpr QFile::Permissions OwnerOnly = QFile::ReadOwner | QFile::WriteOwner |
                                                    QFile::ExeOwner | QFile::ReadUser |
                                                    QFile::WriteUser | QFile::ExeUser;
};
