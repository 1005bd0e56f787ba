#include "widgets/LMFileDialog.h"

#include "model/LMFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QScreen>
#include <QSettings>

namespace {
QSettings settings()
{
    return QSettings(QStringLiteral("Lumetra"), QStringLiteral("Lumetra"));
}

// Wide enough for the name, size, type and date columns side by side.
const QSize Roomy(900, 560);

QString run(QFileDialog &dialog, const QString &start, QString *chosenFilter)
{
    QSettings stored = settings();
    dialog.restoreState(stored.value(QStringLiteral("fileDialog/state")).toByteArray());
    // After the state, which brings a folder of its own.
    const QFileInfo at(start);
    if (at.isDir()) {
        dialog.setDirectory(start);
    } else if (!start.isEmpty()) {
        dialog.setDirectory(at.absolutePath());
        dialog.selectFile(at.fileName());
    }
    QSize size = stored.value(QStringLiteral("fileDialog/size")).toSize();
    if (!size.isValid())
        size = Roomy;
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size());
    dialog.resize(size);
    const bool chosen = dialog.exec() == QDialog::Accepted;
    stored.setValue(QStringLiteral("fileDialog/size"), dialog.size());
    stored.setValue(QStringLiteral("fileDialog/state"), dialog.saveState());
    if (!chosen || dialog.selectedFiles().isEmpty())
        return QString();
    if (chosenFilter)
        *chosenFilter = dialog.selectedNameFilter();
    return dialog.selectedFiles().first();
}
} // namespace

namespace LMFileDialog {

QString askOpen(QWidget *parent, const QString &title, const QString &folder,
                const QString &filters)
{
    QFileDialog dialog(parent, title, QString(), filters);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return run(dialog, folder, nullptr);
}

QString askSave(QWidget *parent, const QString &title, const QString &suggested,
                const QString &filters, QString *chosenFilter)
{
    QFileDialog dialog(parent, title, QString(), filters);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    return run(dialog, suggested, chosenFilter);
}

QString askPicture(QWidget *parent, const QString &title)
{
    // Every pattern of the per-format filters, gathered into the first one.
    const QString perFormat = LMFiles::pictureFilters();
    QStringList patterns;
    const QRegularExpression inBrackets(QStringLiteral("\\(([^)]*)\\)"));
    for (auto match = inBrackets.globalMatch(perFormat); match.hasNext();)
        patterns << match.next().captured(1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const QString filters =
        QCoreApplication::translate("LMFileDialog", "All pictures") + QStringLiteral(" (") +
        patterns.join(QLatin1Char(' ')) + QStringLiteral(");;") + perFormat + QStringLiteral(";;") +
        QCoreApplication::translate("LMFileDialog", "All files") + QStringLiteral(" (*)");
    const QString key = QStringLiteral("pictures/lastFolder");
    QString folder = settings().value(key).toString();
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    const QString name = askOpen(parent, title, folder, filters);
    if (!name.isEmpty())
        settings().setValue(key, QFileInfo(name).absolutePath());
    return name;
}

} // namespace LMFileDialog
