#pragma once

#include <QString>

class QWidget;

// Every file dialog of the program: large enough to show each file's name,
// size and date, and as the user last left it (size, columns, view).
namespace LMFileDialog {

// A file to open, starting in `folder`; empty when cancelled. `filters` as
// QFileDialog takes them, the first one chosen.
QString askOpen(QWidget *parent, const QString &title, const QString &folder,
                const QString &filters);

// A name to save under, starting at `suggested` (a folder or a file); empty
// when cancelled. `chosenFilter` gets the filter the user left chosen.
QString askSave(QWidget *parent, const QString &title, const QString &suggested,
                const QString &filters, QString *chosenFilter = nullptr);

// A picture to load: every format Lumetra reads in the first filter, one
// filter per format after it, and all files last; it starts in the folder
// the last picture came from.
QString askPicture(QWidget *parent, const QString &title);

} // namespace LMFileDialog
