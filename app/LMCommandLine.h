#pragma once

#include <QString>
#include <QStringList>

// What the command line asks for: the window (optionally opening a file),
// help, the version, or a headless conversion of one file into another.
namespace LMCommandLine {

enum class Mode { Window, Help, Version, Export, Thumbnail, CheckUpdate, Mistake };

struct Request {
    Mode mode = Mode::Window;
    QString in;
    QString out;
    QString mistake;       // what was wrong with the arguments
    bool strips = false;   // export the strip-pattern sheet
    int size = 0;          // the thumbnail's longest side
    QString namesFile;     // one insert per name in it, in the frame text's place
    int sheetPaperId = -1; // inserts laid out several to a sheet of this paper
};

Request parse(const QStringList &arguments);
QString usage();

// The command line's bytes as names. A name is decoded as the file system
// encodes names; one that would not encode back to the same bytes (not valid
// UTF-8) names a file Lumetra cannot reach, so it is reported in `undecodable`
// (printable, its odd bytes as \xNN) instead of naming another file.
QStringList decodeArguments(int argc, char *argv[], QString *undecodable);

// Why Lumetra refuses `printableName`, for the user.
QString undecodableMessage(const QString &printableName);

// Loads `in` as Open does and writes `out` as Save does, with no window shown.
// Needs a QApplication. Returns the process exit code; failures print one line.
// With `strips`, `out` is the design's strip-pattern sheet; a names file
// gives an insert per name (a PDF page, or a numbered picture each); a sheet
// paper lays the inserts out on sheets of it.
int runExport(const Request &request);

// Writes a PNG of the design in `in` (the page with its cutting line and
// frame, as exported) to `out`, scaled to fit `size` x `size` pixels. Needs a
// QApplication. Returns the process exit code; failures print one line.
int runThumbnail(const QString &in, const QString &out, int size);

// Asks the update server for the current release, with no window: prints one
// line and returns 0 (this is the latest), 3 (another release is available)
// or 1 (the check failed). Needs a QCoreApplication.
int runCheckUpdate();

} // namespace LMCommandLine
