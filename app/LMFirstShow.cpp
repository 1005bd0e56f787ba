#include "app/LMFirstShow.h"

#include <QCoreApplication>
#include <QStringList>
#include <QWidget>

void lmShowFirstWindow(QWidget &window)
{
    const QStringList paths = QCoreApplication::libraryPaths();
    QCoreApplication::setLibraryPaths({});
    window.show();
    QCoreApplication::setLibraryPaths(paths);
}
