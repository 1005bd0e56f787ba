#include "update/LMUpdateTexts.h"

#include "base/LMText.h"

namespace {
constexpr int Spanish = 6;

struct Text {
    int line; // in the language tables; -1 for the texts kept here
    const char *english;
    const char *spanish;
};

QString pick(const Text &text, bool english)
{
    if (!english && text.line >= 0) {
        const QString fromTable = lmText(text.line);
        if (!fromTable.isEmpty())
            return fromTable;
    }
    const LMTextSource *source = LMTextSource::current();
    const bool spanish = !english && source && source->languageIndex() == Spanish;
    return QString::fromUtf8(spanish ? text.spanish : text.english);
}

Text statusText(LMUpdateTexts::Status status)
{
    using S = LMUpdateTexts::Status;
    switch (status) {
    case S::Prompt:
        return {-1, "Please Click 'Check' button for checking version",
                "Haga clic en «Comprobar» para buscar una versión nueva"};
    case S::Checking:
        return {82, "Checking for updates ...", "Buscando actualizaciones..."};
    case S::Updating:
        return {83, "updating ...", "Actualizando..."};
    case S::LoggedIn:
        return {-1, "Logged onto server.", "Conectado al servidor."};
    case S::Downloading:
        return {78, "Downloading %1...", "Descargando %1..."};
    case S::Downloaded:
        return {-1, "Downloaded %1.", "Descargado %1."};
    case S::Latest:
        return {81, "Your version is already the latest version!",
                "¡Ya tiene la versión más reciente!"};
    case S::Newer:
        return {80, "There is a latest version!<br>Please click to \"Update\" button for updates!",
                "¡Hay una versión más reciente!<br>Haga clic en el botón «Actualizar» para "
                "instalarla."};
    case S::CannotStart:
        return {-1, "The installer %1 could not be started. Lumetra keeps running.",
                "No se ha podido iniciar el instalador %1. Lumetra sigue abierto."};
    case S::HeldBack:
        return {-1, "The update was cancelled; your work is still open.",
                "Se ha cancelado la actualización; su trabajo sigue abierto."};
    }
    return {-1, "", ""};
}

Text failureText(LMUpdateFailure failure)
{
    using F = LMUpdateFailure;
    switch (failure) {
    case F::NotConfigured:
        return {-1, "No update server is set up for this installation.",
                "No hay ningún servidor de actualizaciones configurado en esta instalación."};
    case F::BadAddress:
        return {-1, "The update server's address is not a valid ftp:// address.",
                "La dirección del servidor de actualizaciones no es una dirección ftp:// válida."};
    case F::Unreachable:
        return {79, "Unable to connect to a server. Please check that your network is normal.",
                "No se puede conectar con el servidor. Compruebe que la conexión de red funciona "
                "correctamente."};
    case F::LoginRefused:
        return {-1, "The update server refused the login.",
                "El servidor de actualizaciones ha rechazado el inicio de sesión."};
    case F::MissingFile:
        return {-1, "%1 is not on the update server.",
                "%1 no está en el servidor de actualizaciones."};
    case F::Untrusted:
        return {-1, "The update server's certificate is not trusted.",
                "El certificado del servidor de actualizaciones no es de confianza."};
    case F::Broken:
        return {-1, "The transfer of %1 broke off.", "La transferencia de %1 se ha interrumpido."};
    case F::Incomplete:
        return {-1, "%1 arrived incomplete and was deleted.",
                "%1 llegó incompleto y se ha borrado."};
    case F::Timeout:
        return {-1, "The update server stopped answering.",
                "El servidor de actualizaciones ha dejado de responder."};
    case F::LocalFile:
        return {-1, "Unable to save the file %1.", "No se puede guardar el archivo %1."};
    case F::Aborted:
        return {-1, "Canceled download of %1.", "Descarga de %1 cancelada."};
    }
    return {-1, "", ""};
}

QString withArgument(const QString &text, const QString &argument)
{
    return text.contains(QLatin1String("%1")) ? text.arg(argument) : text;
}
} // namespace

namespace LMUpdateTexts {

QString status(Status status, const QString &argument, bool english)
{
    return withArgument(pick(statusText(status), english), argument);
}

QString failure(LMUpdateFailure failure, const QString &file, bool english)
{
    return withArgument(pick(failureText(failure), english), file);
}

} // namespace LMUpdateTexts
