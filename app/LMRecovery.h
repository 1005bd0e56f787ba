#pragma once

#include "model/LMDocument.h"

#include <QDateTime>
#include <QLockFile>
#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>

// Keeps a copy of unsaved work where a crash cannot take it: while the design
// has changes, it is written (atomically) into the user's data folder every
// two minutes and after every tenth change, and removed once the work is
// saved or dropped. Each running Lumetra holds a lock beside its copy, so a
// copy without a living owner is one an unclean exit left behind. A copy is
// only ever its own file: it never replaces the user's design.
class LMRecovery : public QObject {
    Q_OBJECT
public:
    static constexpr int DefaultIntervalMs = 2 * 60 * 1000;
    static constexpr int ChangesPerCopy = 10;

    // `design` gives the design as it is now, whenever a copy is due.
    explicit LMRecovery(std::function<LMDocument()> design, QObject *parent = nullptr,
                        const QString &folder = defaultFolder());
    // A controlled end (the window went away) takes its copy along.
    ~LMRecovery() override;

    // "recovery" in the user's data folder.
    static QString defaultFolder();

    void setInterval(int ms);
    int interval() const { return m_timer.interval(); }
    // This session's copy; it exists only while there is work to keep.
    QString copyPath() const;

    struct Leftover {
        QString path;
        QDateTime written;
    };
    // Copies whose session ended without closing, newest first.
    QList<Leftover> leftovers() const;
    // A leftover that was restored or declined goes for good.
    void dismiss(const Leftover &leftover) const;

    // Writes the copy now; false when it could not be written.
    bool writeNow();

public Q_SLOTS:
    // An unmodified design has nothing left to keep.
    void slot_modifiedChanged(bool modified);
    // One edit of the design; every tenth writes a copy.
    void slot_changed();
    // The work was saved or dropped: the copy goes.
    void slot_discard();

private:
    bool ownLock();

    std::function<LMDocument()> m_design;
    QString m_folder;
    QString m_name;
    std::unique_ptr<QLockFile> m_lock;
    QTimer m_timer;
    int m_changes = 0; // since the last copy
};
