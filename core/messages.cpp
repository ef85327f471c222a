#include "messages.h"

#include <locale.h>

#include <cerrno>
#include <cstring>

#include "conversions.h"
#include "system_row.h"

namespace lorvex {

std::string overflowText() {
    return "System über " + FormatInteger(MAX_SYSTEM_ROWS) + " Reihen oder " +
           FormatInteger(MAX_SYSTEM_NUMBER) + " Zahlen";
}

std::string noRowText(std::string_view inputName) {
    return "Keine gültige Systemreihe gefunden in " + std::string(inputName) +
           " (je Zeile sechs Zahlen von 1 bis 49).";
}

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
            return "Kein Speicherplatz mehr auf dem Datenträger.";
        case EROFS:
            return "Der Datenträger ist schreibgeschützt.";
        case ENAMETOOLONG:
            return "Der Dateiname ist zu lang.";
        case EFBIG:
            return "Die Datei ist zu groß.";
        case ENOMEM:
            return "Nicht genug Arbeitsspeicher.";
        case EIO:
            return "Ein-/Ausgabefehler beim Zugriff auf den Datenträger.";
        case EMFILE:
        case ENFILE:
            return "Zu viele offene Dateien.";
        case ELOOP:
            return "Zu viele symbolische Verknüpfungen im Pfad.";
        case EBUSY:
        case ETXTBSY:
            return "Die Datei wird gerade benutzt.";
        default:
            if (const std::string_view text = writeFailureText(errorNumber); !text.empty()) {
                return std::string(text);
            }
            return "Systemfehler " + FormatInteger(errorNumber) + " (" +
                   cLocaleErrorText(errorNumber) + ").";
    }
}

namespace {

enum class FileAction { Open, Save };

constexpr std::string_view kCloseOtherPrograms = CLOSE_OTHER_PROGRAMS;
constexpr std::string_view kCheckThePath = "Bitte den Pfad prüfen.";
constexpr std::string_view kCheckTheDisk = "Bitte den Datenträger prüfen und es erneut versuchen.";
constexpr std::string_view kOtherPlace = "Bitte einen anderen Ort wählen.";

std::string_view openAdvice(int errorNumber) {
    switch (errorNumber) {
        case ENOENT:
            return "Bitte Namen und Ordner der Datei prüfen.";
        case EISDIR:
        case EFBIG:  // most likely some other file, taken by mistake
            return "Bitte eine Textdatei mit einem System wählen.";
        case EACCES:
        case EPERM:
            return "Die Datei darf nicht gelesen werden; bitte ihre Zugriffsrechte prüfen.";
        case ENAMETOOLONG:
            return "Bitte die Datei in einen Ordner mit kürzerem Pfad kopieren.";
        case EBUSY:
        case ETXTBSY:
            return "Bitte es später erneut versuchen.";
        default:
            return {};
    }
}

std::string_view saveAdvice(int errorNumber) {
    switch (errorNumber) {
        case ENOENT:
            return "Bitte einen vorhandenen Ordner wählen.";
        case EISDIR:
            return "Bitte einen Dateinamen angeben.";
        case EACCES:
        case EPERM:
            return "Die Datei oder der Ordner ist schreibgeschützt; bitte einen anderen Ordner "
                   "oder Namen wählen.";
        case ENOSPC:
        case EDQUOT:
            return "Bitte Platz schaffen oder einen anderen Ort wählen.";
        case EROFS:
        case EFBIG:
            return kOtherPlace;
        case ENAMETOOLONG:
            return "Bitte einen kürzeren Namen wählen.";
        case EBUSY:
        case ETXTBSY:
            return "Bitte das Programm beenden, das die Datei benutzt, oder einen anderen Namen "
                   "wählen.";
        default:
            return {};
    }
}

std::string_view advice(FileAction action, int errorNumber) {
    switch (errorNumber) {
        case ENOTDIR:
        case ELOOP:
            return kCheckThePath;
        case EIO:
            return kCheckTheDisk;
        case ENOMEM:
        case EMFILE:
        case ENFILE:
            return kCloseOtherPrograms;
        default:
            return action == FileAction::Open ? openAdvice(errorNumber) : saveAdvice(errorNumber);
    }
}

std::string reasonWithAdvice(FileAction action, int errorNumber) {
    std::string reason = SystemErrorText(errorNumber);
    const std::string_view what = advice(action, errorNumber);
    if (what.empty()) return reason;
    return reason + " " + std::string(what);
}

}  // namespace

std::string openFailureReason(int errorNumber) {
    return reasonWithAdvice(FileAction::Open, errorNumber);
}

std::string saveFailureReason(int errorNumber) {
    return reasonWithAdvice(FileAction::Save, errorNumber);
}

// Writing files: what the file-writing module meets beyond the common reasons above.
std::string_view writeFailureText(int errorNumber) {
    switch (errorNumber) {
        case ENXIO:  // opened without waiting, so that a FIFO without reader cannot block
            return "Kein Programm liest aus dieser FIFO (benannten Pipe).";
        case EPIPE:
            return "Das lesende Programm hat die Verbindung beendet.";
        case EBADF:
            return "Der Datei-Deskriptor ist nicht zum Schreiben geöffnet.";
        case EINTR:  // a signal to end the program, where it has a handler
            return "Das Schreiben wurde abgebrochen.";
        default:
            return {};
    }
}

}  // namespace lorvex
