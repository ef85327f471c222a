#include "error_text.h"

#include <locale.h>

#include <cerrno>
#include <cstring>

#include "conversions.h"

namespace lorvex {

namespace {

// The C library's own text for an error, always from the "C" locale: the process locale, which
// the desktop toolkit sets from the environment, may give another language or character set.
std::string cLocaleErrorText(int errorNumber) {
    const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    if (cLocale == static_cast<locale_t>(0)) return "unbekannt";
    std::string text = strerror_l(errorNumber, cLocale);
    freelocale(cLocale);
    return text;
}

}  // namespace

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
                   Utf8ToLatin1(cLocaleErrorText(errorNumber)) + ").";
    }
}

}  // namespace lorvex
