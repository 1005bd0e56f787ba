#include "update/LMUpdateTexts.h"

#include "base/LMText.h"

#include <QCoreApplication>

namespace {
struct Text {
    int line; // in the language tables; -1 for the texts translated here
    const char *english;
};

QString pick(const Text &text)
{
    if (text.line >= 0) {
        const QString fromTable = lmText(text.line);
        if (!fromTable.isEmpty())
            return fromTable;
    }
    return QCoreApplication::translate("LMUpdateTexts", text.english);
}

Text statusText(LMUpdateTexts::Status status)
{
    using S = LMUpdateTexts::Status;
    switch (status) {
    case S::Prompt:
        return {-1, QT_TRANSLATE_NOOP("LMUpdateTexts",
                                      "Please Click 'Check' button for checking version")};
    case S::Checking:
        return {82, "Checking for updates ..."};
    case S::Updating:
        return {83, "updating ..."};
    case S::LoggedIn:
        return {-1, QT_TRANSLATE_NOOP("LMUpdateTexts", "Logged onto server.")};
    case S::Downloading:
        return {78, "Downloading %1..."};
    case S::Downloaded:
        return {-1, QT_TRANSLATE_NOOP("LMUpdateTexts", "Downloaded %1.")};
    case S::Latest:
        return {81, "Your version is already the latest version!"};
    case S::Newer:
        return {80, "There is a latest version!<br>Please click to \"Update\" button for updates!"};
    case S::CannotStart:
        return {-1, QT_TRANSLATE_NOOP("LMUpdateTexts", "The installer %1 could not be started. "
                                                       "Lumetra keeps running.")};
    case S::HeldBack:
        return {-1, QT_TRANSLATE_NOOP("LMUpdateTexts",
                                      "The update was cancelled; your work is still open.")};
    }
    return {-1, ""};
}

Text failureText(LMUpdateFailure failure)
{
    using F = LMUpdateFailure;
    switch (failure) {
    case F::NotConfigured:
        return {-1, QT_TRANSLATE_NOOP("LMUpdateTexts",
                                      "No update server is set up for this installation.")};
    case F::BadAddress:
        return {-1,
                QT_TRANSLATE_NOOP("LMUpdateTexts",
                                  "The update server's address is not a valid ftp:// address.")};
    case F::Unreachable:
        return {79, "Unable to connect to a server. Please check that your network is normal."};
    case F::LoginRefused:
        return {-1, QT_TRANSLATE_NOOP("LMUpdateTexts", "The update server refused the login.")};
    case F::MissingFile:
        return {-1, QT_TRANSLATE_NOOP("LMUpdateTexts", "%1 is not on the update server.")};
    case F::Untrusted:
        return {-1, QT_TRANSLATE_NOOP("LMUpdateTexts",
                                      "The update server's certificate is not trusted.")};
    case F::Broken:
        return {-1, QT_TRANSLATE_NOOP("LMUpdateTexts", "The transfer of %1 broke off.")};
    case F::Incomplete:
        return {-1, QT_TRANSLATE_NOOP("LMUpdateTexts", "%1 arrived incomplete and was deleted.")};
    case F::Timeout:
        return {-1, QT_TRANSLATE_NOOP("LMUpdateTexts", "The update server stopped answering.")};
    case F::LocalFile:
        return {-1, QT_TRANSLATE_NOOP("LMUpdateTexts", "Unable to save the file %1.")};
    case F::Aborted:
        return {-1, QT_TRANSLATE_NOOP("LMUpdateTexts", "Canceled download of %1.")};
    }
    return {-1, ""};
}

QString withArgument(const QString &text, const QString &argument)
{
    return text.contains(QLatin1String("%1")) ? text.arg(argument) : text;
}
} // namespace

namespace LMUpdateTexts {

QString status(Status status, const QString &argument)
{
    return withArgument(pick(statusText(status)), argument);
}

QString failure(LMUpdateFailure failure, const QString &file)
{
    return withArgument(pick(failureText(failure)), file);
}

} // namespace LMUpdateTexts
