// The main window's file commands: New, Open, Save, Save As, the checks in
// front of loading, the save-changes prompt, closing, and the update that
// ends with closing.
#include "app/LMMainWidget.h"

#include "app/LMLanguageList.h"
#include "app/LMRecovery.h"
#include "app/LMSaveDialog.h"
#include "app/QVTLanguageManager.h"
#include "base/LMLogging.h"
#include "canvas/LMGraphView.h"
#include "model/LMDesign.h"
#include "model/LMFiles.h"
#include "update/VersionUpdateDialog.h"
#include "widgets/LMFileDialog.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QRegularExpression>

void LMMainWidget::warn(int line, const QString &reason)
{
    const QString text =
        reason.isEmpty() ? lmText(line) : lmText(line) + QLatin1Char('\n') + reason;
    QMessageBox::warning(nullptr, QStringLiteral("Lumetra"), text, QMessageBox::Ok);
}

// The file's own name on a line of its own: a message at start-up, or about
// one of several recent files, must say which file it means.
static QString naming(const QString &path, const QString &reason)
{
    const QString name = QDir::toNativeSeparators(path);
    return reason.isEmpty() ? name : name + QLatin1Char('\n') + reason;
}

bool LMMainWidget::validateFile(const QString &path)
{
    QString reason;
    const int problem = LMFiles::openProblem(path, &reason);
    if (problem)
        warn(problem, naming(path, reason));
    return problem == 0;
}

bool LMMainWidget::settleUnsavedChanges()
{
    // Work still being edited counts as unsaved work too.
    m_graphView->apply();
    if (!m_design->isModified())
        return true;
    switch (LMSaveDialog::ask(nullptr, m_currentPath)) {
    case LMSaveDialog::Save:
        return saveDocument(false); // a cancelled file dialog stops the caller too
    case LMSaveDialog::Dont:
        return true;
    default:
        return false;
    }
}

QString LMMainWidget::askSaveName()
{
    QString filter;
    const QString name = LMFileDialog::askSave(
        this, lmText(2), m_lastFolder,
        tr("Lumetra File") + QStringLiteral("(*.lmx);;") + LMFiles::pictureFilters() +
            QStringLiteral(";;") + tr("PDF document") + QStringLiteral("(*.pdf)"),
        &filter);
    return withChosenEnding(name, filter);
}

QString LMMainWidget::withChosenEnding(const QString &name, const QString &filter)
{
    // A name typed without an ending takes the chosen type's (a design by default).
    if (name.isEmpty() || !QFileInfo(name).suffix().isEmpty())
        return name;
    const QRegularExpressionMatch ending =
        QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(filter);
    return name + QLatin1Char('.') +
           (ending.hasMatch() ? ending.captured(1) : QStringLiteral("lmx"));
}

bool LMMainWidget::saveDocument(bool askForName)
{
    QString target = m_currentPath;
    if (target.isEmpty() || askForName)
        target = askSaveName();
    bool saved = false;
    if (!target.isEmpty()) {
        QString error;
        saved = m_graphView->save(target, &error);
        if (saved)
            rememberFile(target);
        if (saved && LMFiles::isDocumentName(target))
            m_currentPath = target;
        else if (!saved)
            warn(59, error); // "Can not open file!", and why: the old file is untouched
    }
    updateWindowTitle();
    return saved;
}

void LMMainWidget::on_btn_save_clicked()
{
    saveDocument(false);
}

void LMMainWidget::on_btn_saveas_clicked()
{
    saveDocument(true);
}

void LMMainWidget::on_btn_open_clicked()
{
    // Everything Open takes, offered first.
    const QString filters =
        tr("Lumetra File and pictures") +
        QStringLiteral(" (*.lmx *.jpeg *.jpg *.jpe *.gif *.bmp *.pbm *.xbm *.xpm *.tiff *.tif "
                       "*.png);;") +
        LMFiles::pictureFilters() + QStringLiteral(";;") + tr("Lumetra File") +
        QStringLiteral("(*.lmx);;") + tr("All files") + QStringLiteral("(*)");
    const QString path = LMFileDialog::askOpen(this, lmText(13), m_lastFolder, filters);
    if (!path.isEmpty())
        openFile(path);
}

bool LMMainWidget::openFile(const QString &path)
{
    if (!validateFile(path) || !settleUnsavedChanges())
        return false;
    QString reason;
    QString lost;
    if (!m_graphView->load(path, &reason, &lost)) {
        warn(LMFiles::isDocumentName(path) ? 60 : 61, naming(path, reason));
        return false;
    }
    if (!lost.isEmpty())
        QMessageBox::warning(this, QStringLiteral("Lumetra"), lost);
    // A design keeps its name; an imported picture is a new, unnamed design,
    // so that Save never writes it over the design that was open before.
    m_currentPath = LMFiles::isDocumentName(path) ? path : QString();
    rememberFile(path);
    updateWindowTitle();
    return true;
}

void LMMainWidget::on_btn_new_clicked()
{
    if (!settleUnsavedChanges())
        return;
    m_currentPath.clear();
    m_graphView->clearDocument();
    updateWindowTitle();
}

void LMMainWidget::closeEvent(QCloseEvent *event)
{
    if (m_changesSettled || settleUnsavedChanges()) {
        // Saved or dropped by the user's choice: nothing is left to recover.
        m_recovery->slot_discard();
        saveSettings();
        event->accept();
    } else {
        event->ignore();
    }
}

bool LMMainWidget::offerRecovery()
{
    const QList<LMRecovery::Leftover> leftovers = m_recovery->leftovers();
    if (leftovers.isEmpty())
        return false;
    const LMRecovery::Leftover &newest = leftovers.first();
    const QString question =
        tr("Lumetra ended without saving a design you were working on. A copy of it was "
           "kept at %1.\n\nRestore it?")
            .arg(LMLanguageList::locale(m_languageManager->language())
                     .toString(newest.written, QLocale::ShortFormat));
    if (QMessageBox::question(nullptr, QStringLiteral("Lumetra"), question,
                              QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::Yes) != QMessageBox::Yes) {
        m_recovery->dismiss(newest);
        return false;
    }
    QString reason;
    if (!m_graphView->load(newest.path, &reason)) {
        warn(60, reason);
        m_recovery->dismiss(newest);
        return false;
    }
    // Unnamed, so that Save asks where: the copy never takes the place of a file.
    m_currentPath.clear();
    m_design->setModified(true);
    // The restored work is this session's to keep before the old copy goes.
    if (m_recovery->writeNow())
        m_recovery->dismiss(newest);
    updateWindowTitle();
    return true;
}

void LMMainWidget::slot_updateversion(const QString &link)
{
    VersionUpdateDialog dialog(this, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint);
    // Unsaved work goes through the prompt before an installer replaces the program.
    dialog.setBeforeInstall([this] { return settleUnsavedChanges(); });
    const int result = dialog.exec();
    qCDebug(lcApp).noquote() << link;
    if (result == VersionUpdateDialog::InstallerStarted) {
        m_changesSettled = true;
        close();
    }
}
