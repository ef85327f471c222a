#include "error_text.h"

#include <cerrno>
#include <cstring>

#include "conversions.h"

namespace lorvex {

std::string SystemErrorText(int errorNumber) {
    switch (errorNumber) {
        case ENOENT:
            return "Datei oder Ordner nicht gefunden.";
        case EACCES:
        case EPERM:
            return "Zugriff verweigert.";
        case EISDIR:
            return "Das ist ein Ordner, keine Datei.";
        case ENOTDIR:
            return "Ein Teil des Pfades ist kein Ordner.";
        case ENOSPC:
        case EDQUOT:
            return "Kein Speicherplatz mehr auf dem Datentr\xE4ger.";
        case EROFS:
            return "Der Datentr\xE4ger ist schreibgesch\xFCtzt.";
        case ENAMETOOLONG:
            return "Der Dateiname ist zu lang.";
        case EFBIG:
            return "Die Datei ist zu gro\xDF.";
        case ENOMEM:
            return "Nicht genug Arbeitsspeicher.";
        case EIO:
            return "Ein-/Ausgabefehler beim Zugriff auf den Datentr\xE4ger.";
        case EMFILE:
        case ENFILE:
            return "Zu viele offene Dateien.";
        case ELOOP:
            return "Zu viele symbolische Verkn\xFCpfungen im Pfad.";
        case EBUSY:
        case ETXTBSY:
            return "Die Datei wird gerade benutzt.";
        default:
            return "Systemfehler " + FormatInteger(errorNumber) + " (" +
                   Utf8ToLatin1(std::strerror(errorNumber)) + ").";
    }
}

}  // namespace lorvex
