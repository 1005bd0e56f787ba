#include "widgets/LMPictureWarning.h"

#include "base/LMText.h"
#include "model/LMFiles.h"

#include <QMessageBox>

bool lmPictureReadable(QWidget *parent, const QString &path)
{
    QString reason;
    const int problem = LMFiles::openProblem(path, &reason);
    if (!problem)
        return true;
    const QString text =
        reason.isEmpty() ? lmText(problem) : lmText(problem) + QLatin1Char('\n') + reason;
    QMessageBox::warning(parent, QStringLiteral("Lumetra"), text, QMessageBox::Ok);
    return false;
}
