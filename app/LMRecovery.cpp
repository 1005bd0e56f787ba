#include "app/LMRecovery.h"

#include "base/LMLogging.h"
#include "model/LMFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>

namespace {
QString lockPathOf(const QString &copyPath)
{
    const QFileInfo info(copyPath);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral(".lock"));
}
} // namespace

LMRecovery::LMRecovery(std::function<LMDocument()> design, QObject *parent, const QString &folder)
    : QObject(parent), m_design(std::move(design)), m_folder(folder),
      // Unique per session even where process ids come round again.
      m_name(QStringLiteral("%1-%2.lmx")
                 .arg(QCoreApplication::applicationPid())
                 .arg(QDateTime::currentMSecsSinceEpoch()))
{
    m_timer.setInterval(DefaultIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        if (m_changes > 0)
            writeNow();
    });
}

LMRecovery::~LMRecovery()
{
    slot_discard();
}

QString LMRecovery::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/recovery");
}

void LMRecovery::setInterval(int ms)
{
    m_timer.setInterval(ms);
}

QString LMRecovery::copyPath() const
{
    return QDir(m_folder).filePath(m_name);
}

bool LMRecovery::ownLock()
{
    if (m_lock)
        return true;
    if (!QDir().mkpath(m_folder))
        return false;
    // The user's work, for the user's eyes only.
    QFile::setPermissions(m_folder,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    auto lock = std::make_unique<QLockFile>(lockPathOf(copyPath()));
    // Held for the whole session, however long: only a dead owner makes it stale.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return false;
    m_lock = std::move(lock);
    return true;
}

bool LMRecovery::writeNow()
{
    QString error;
    if (!ownLock() || !LMFiles::saveDesign(copyPath(), m_design(), &error)) {
        // Nothing to tell the user now: the work itself is still there.
        qCWarning(lcApp) << "recovery copy not written:" << copyPath() << error;
        return false;
    }
    m_changes = 0;
    qCDebug(lcApp) << "recovery copy written:" << copyPath();
    return true;
}

void LMRecovery::slot_modifiedChanged(bool modified)
{
    if (!modified)
        slot_discard();
    else if (!m_timer.isActive())
        m_timer.start();
}

void LMRecovery::slot_changed()
{
    if (!m_timer.isActive())
        m_timer.start();
    if (++m_changes >= ChangesPerCopy)
        writeNow();
}

void LMRecovery::slot_discard()
{
    m_timer.stop();
    m_changes = 0;
    if (!m_lock)
        return;
    QFile::remove(copyPath());
    m_lock.reset(); // unlocking removes the lock file
}

QList<LMRecovery::Leftover> LMRecovery::leftovers() const
{
    QList<Leftover> found;
    const QFileInfoList copies =
        QDir(m_folder).entryInfoList({QStringLiteral("*.lmx")}, QDir::Files, QDir::Time);
    for (const QFileInfo &copy : copies) {
        if (copy.fileName() == m_name)
            continue;
        QLockFile owner(lockPathOf(copy.filePath()));
        owner.setStaleLockTime(0);
        qint64 pid = 0;
        QString host;
        QString application;
        // A lock we could take (its owner is gone), or one naming this very
        // process (an earlier session with the same id), marks a copy left behind.
        const bool ownerGone = owner.tryLock(0) || (owner.getLockInfo(&pid, &host, &application) &&
                                                    pid == QCoreApplication::applicationPid());
        if (ownerGone)
            found << Leftover{copy.filePath(), copy.lastModified()};
    }
    return found;
}

void LMRecovery::dismiss(const Leftover &leftover) const
{
    QFile::remove(leftover.path);
    QFile::remove(lockPathOf(leftover.path));
}
