#pragma once

#include <QString>
#include <QStringList>

// What the command line asks for: the window (optionally opening a file),
// help, the version, or a headless conversion of one file into another.
namespace LMCommandLine {

enum class Mode { Window, Help, Version, Export, CheckUpdate, Mistake };

struct Request {
    Mode mode = Mode::Window;
    QString in;
    QString out;
    QString mistake;     // what was wrong with the arguments
    bool strips = false; // export the strip-pattern sheet
};

Request parse(const QStringList &arguments);
QString usage();

// Loads `in` as Open does and writes `out` as Save does, with no window shown.
// Needs a QApplication. Returns the process exit code; failures print one line.
// With `strips`, `out` is the design's strip-pattern sheet.
int runExport(const QString &in, const QString &out, bool strips = false);

// Asks the update server for the current release, with no window: prints one
// line and returns 0 (this is the latest), 3 (another release is available)
// or 1 (the check failed). Needs a QCoreApplication.
int runCheckUpdate();

} // namespace LMCommandLine
