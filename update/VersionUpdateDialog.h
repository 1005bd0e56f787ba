#pragma once

#include "update/LMUpdateFailure.h"

#include <QDialog>

#include <functional>

class LMUpdater;
class QLabel;
class QProgressBar;
class QPushButton;

// Asks the update server whether another release exists, as soon as it
// opens; on request downloads the installer and starts it.
class VersionUpdateDialog : public QDialog {
    Q_OBJECT
public:
    // The exec() result after the installer was started: the program should end.
    enum { InstallerStarted = 2 };

    explicit VersionUpdateDialog(QWidget *parent = nullptr, Qt::WindowFlags flags = {});
    ~VersionUpdateDialog() override;

    // Runs before the installer starts; false (the user cancelled the
    // save-changes prompt) cancels the update and nothing is started.
    void setBeforeInstall(std::function<bool()> check) { m_beforeInstall = std::move(check); }

    LMUpdater *updater() const { return m_updater; }
    QLabel *statusLabel() const { return m_status; }
    QProgressBar *progressBar() const { return m_progress; }
    QPushButton *checkButton() const { return m_check; }
    QPushButton *updateButton() const { return m_update; }
    QPushButton *cancelButton() const { return m_cancel; }

public Q_SLOTS:
    void cancelDownload();
    void updateDataTransferProgress(qint64 received, qint64 total);
    void on_check_clicked();
    void on_update_clicked();
    void on_cancel_clicked();

protected:
    void changeEvent(QEvent *event) override;

private:
    void buildForm();
    void retranslate();
    void setStatus(std::function<QString()> text);
    void showChecked(bool newer);
    void showFailure(LMUpdateFailure failure);
    void startInstaller(const QString &path);
    void endTransfer();

    LMUpdater *m_updater;
    std::function<bool()> m_beforeInstall;
    std::function<QString()> m_statusText; // kept to show it again in a new language
    bool m_newerFound = false;
    QLabel *m_status = nullptr;
    QProgressBar *m_progress = nullptr;
    QPushButton *m_check = nullptr;
    QPushButton *m_update = nullptr;
    QPushButton *m_cancel = nullptr;
};
