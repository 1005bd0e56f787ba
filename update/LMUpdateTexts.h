#pragma once

#include "update/LMUpdateFailure.h"

#include <QString>

// The update's messages. Those the language tables hold come from the
// current table; the others are kept here in English and Spanish, the two
// languages the window offers, and fall back to English elsewhere.
namespace LMUpdateTexts {

enum class Status {
    Prompt,      // before anything ran
    Checking,    // table line 82
    Updating,    // table line 83
    LoggedIn,    //
    Downloading, // table line 78, %1 the file
    Downloaded,  // %1 the local file
    Latest,      // table line 81
    Newer,       // table line 80
    CannotStart, // %1 the installer
    HeldBack,    // the save-changes prompt was cancelled
};

// In the current language, or in English when `english` (the command line).
QString status(Status status, const QString &argument = QString(), bool english = false);
// %1 in the texts that need it is the file's name.
QString failure(LMUpdateFailure failure, const QString &file, bool english = false);

} // namespace LMUpdateTexts
