#pragma once

#include "update/LMUpdateFailure.h"

#include <QString>

// The update's messages. Those the language tables hold come from the
// current table; the others from the current language's translation.
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

// In the current language.
QString status(Status status, const QString &argument = QString());
// %1 in the texts that need it is the file's name.
QString failure(LMUpdateFailure failure, const QString &file);

} // namespace LMUpdateTexts
