#include "update/VersionUpdateDialog.h"

#include "base/LMLogging.h"
#include "base/LMText.h"
#include "update/LMUpdateTexts.h"
#include "update/LMUpdater.h"

#include <QBoxLayout>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>

#include <limits>

using LMUpdateTexts::Status;

VersionUpdateDialog::VersionUpdateDialog(QWidget *parent, Qt::WindowFlags flags)
    : QDialog(parent, flags), m_updater(new LMUpdater(LMUpdateConfig::fromDeployment(), this))
{
    buildForm();
    m_progress->hide();
    retranslate();
    setStatus([] { return LMUpdateTexts::status(Status::Prompt); });
    connect(m_updater, &LMUpdater::signal_loggedIn, this,
            [this] { setStatus([] { return LMUpdateTexts::status(Status::LoggedIn); }); });
    connect(m_updater, &LMUpdater::signal_downloading, this, [this](const QString &file) {
        setStatus([file] { return LMUpdateTexts::status(Status::Downloading, file); });
    });
    connect(m_updater, &LMUpdater::signal_progress, this,
            &VersionUpdateDialog::updateDataTransferProgress);
    connect(m_updater, &LMUpdater::signal_checked, this,
            [this](bool newer, const QString &) { showChecked(newer); });
    // Queued: the save-changes prompt runs its own event loop, which must not
    // start inside the transfer's socket handling.
    connect(m_updater, &LMUpdater::signal_installerReady, this,
            &VersionUpdateDialog::startInstaller, Qt::QueuedConnection);
    connect(m_updater, &LMUpdater::signal_failed, this,
            [this](LMUpdateFailure failure, const QString &) { showFailure(failure); });
    QMetaObject::connectSlotsByName(this);
    on_check_clicked();
}

VersionUpdateDialog::~VersionUpdateDialog() = default;

void VersionUpdateDialog::buildForm()
{
    resize(400, 226);
    setWindowTitle(QString());
    auto *outer = new QVBoxLayout(this);
    outer->setObjectName(QStringLiteral("verticalLayout_2"));
    auto *inner = new QVBoxLayout;
    inner->setObjectName(QStringLiteral("verticalLayout"));
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("status"));
    m_status->setAlignment(Qt::AlignCenter);
    m_status->setWordWrap(true);
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("progressBar"));
    m_progress->setValue(0);
    inner->addWidget(m_status);
    inner->addWidget(m_progress);
    outer->addLayout(inner);
    auto *buttons = new QHBoxLayout;
    buttons->setObjectName(QStringLiteral("horizontalLayout"));
    m_check = new QPushButton(this);
    m_check->setObjectName(QStringLiteral("check"));
    m_update = new QPushButton(this);
    m_update->setObjectName(QStringLiteral("update"));
    m_update->setEnabled(false);
    m_cancel = new QPushButton(this);
    m_cancel->setObjectName(QStringLiteral("cancel"));
    buttons->addWidget(m_check);
    buttons->addWidget(m_update);
    buttons->addWidget(m_cancel);
    outer->addLayout(buttons);
}

void VersionUpdateDialog::retranslate()
{
    m_cancel->setText(lmText(31));
    m_check->setText(lmText(76));
    m_update->setText(lmText(77));
    if (m_statusText)
        m_status->setText(m_statusText());
}

void VersionUpdateDialog::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

void VersionUpdateDialog::setStatus(std::function<QString()> text)
{
    m_statusText = std::move(text);
    m_status->setText(m_statusText());
    qCDebug(lcUpdate).noquote() << "status:" << m_status->text();
}

void VersionUpdateDialog::on_check_clicked()
{
    m_check->setEnabled(false);
    setStatus([] { return LMUpdateTexts::status(Status::Checking); });
    m_progress->setValue(0);
    m_progress->show();
    m_updater->check();
}

void VersionUpdateDialog::on_update_clicked()
{
    m_update->setEnabled(false);
    m_check->setEnabled(false);
    setStatus([] { return LMUpdateTexts::status(Status::Updating); });
    m_progress->setValue(0);
    m_progress->show();
    m_updater->downloadInstaller();
}

void VersionUpdateDialog::on_cancel_clicked()
{
    // Closing ends any transfer: the updater goes with the dialog, and a
    // partial file with it.
    cancelDownload();
    reject();
}

void VersionUpdateDialog::cancelDownload()
{
    m_updater->cancel();
}

void VersionUpdateDialog::updateDataTransferProgress(qint64 received, qint64 total)
{
    // A progress bar counts in int: very large files are shown in KiB.
    const int shift = total > std::numeric_limits<int>::max() ? 10 : 0;
    m_progress->setMaximum(int(qMax<qint64>(total, 0) >> shift));
    m_progress->setValue(int(received >> shift));
}

void VersionUpdateDialog::showChecked(bool newer)
{
    m_newerFound = newer;
    setStatus([newer] { return LMUpdateTexts::status(newer ? Status::Newer : Status::Latest); });
    m_update->setEnabled(newer);
    endTransfer();
}

void VersionUpdateDialog::showFailure(LMUpdateFailure failure)
{
    const QString file = m_updater->fileName();
    setStatus([failure, file] { return LMUpdateTexts::failure(failure, file); });
    // A failed check says nothing about the server's release; a failed
    // installer download leaves the found release to try again.
    if (file == m_updater->config().versionFile)
        m_newerFound = false;
    m_update->setEnabled(m_newerFound);
    endTransfer();
}

void VersionUpdateDialog::startInstaller(const QString &path)
{
    m_progress->hide();
    setStatus([path] { return LMUpdateTexts::status(Status::Downloaded, path); });
    // The controls come back only once it is settled whether the installer runs.
    if (m_beforeInstall && !m_beforeInstall()) {
        setStatus([] { return LMUpdateTexts::status(Status::HeldBack); });
    } else if (!m_updater->installerUnchanged(path)) {
        // The prompt may have stayed open for any time: what would run is
        // checked again, right before it runs.
        qCWarning(lcUpdate).noquote() << "the installer changed after its download:" << path;
        setStatus([path] { return LMUpdateTexts::status(Status::CannotStart, path); });
    } else if (!QProcess::startDetached(path, {}, QFileInfo(path).absolutePath())) {
        qCWarning(lcUpdate).noquote() << "the installer could not be started:" << path;
        setStatus([path] { return LMUpdateTexts::status(Status::CannotStart, path); });
    } else {
        done(InstallerStarted);
        return;
    }
    m_update->setEnabled(true);
    endTransfer();
}

void VersionUpdateDialog::endTransfer()
{
    m_progress->setValue(0);
    m_progress->hide();
    // Without a server there is nothing to check; the status line says why.
    m_check->setEnabled(bool(m_updater->config().address));
}
