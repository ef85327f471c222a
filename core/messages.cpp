#include "messages.h"

#include <cerrno>

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

// "1 Reihe", "4 Reihen": German counts one in the singular.
std::string counted(std::int64_t count, std::string_view one, std::string_view many) {
    return FormatInteger(count) + ' ' + std::string(count == 1 ? one : many);
}

}  // namespace

std::string systemRowsText(int rows) {
    return counted(rows, "Systemreihe", "Systemreihen");
}

std::string systemNumbersText(int numbers) {
    return counted(numbers, "Systemzahl", "Systemzahlen");
}

std::string helpNotShownText(std::string_view helpPath) {
    return "Kein Programm zum Anzeigen von Textdateien gefunden.\nDie Hilfe steht in der Datei\n" +
           std::string(helpPath);
}

std::string noDrawText(int blockSize, int highestNumber) {
    return "Keine Ziehung von " + FormatInteger(blockSize) + " Zahlen: das System hat nur " +
           counted(highestNumber, "Systemzahl.", "Systemzahlen.");
}

std::string numberOutOfRangeText(std::string_view option, std::string_view field) {
    return std::string(option) + ": " + std::string(field) + " liegt nicht zwischen 1 und 49.";
}

std::string notANumberText(std::string_view option, std::string_view field) {
    return std::string(option) + ": \"" + std::string(field) +
           "\" ist keine Zahl (erlaubt sind Zahlen von 1 bis 49, getrennt durch Leerzeichen, "
           "Tabulatoren, \",\", \";\" oder \"-\").";
}

std::string numberTwiceText(std::string_view option, std::string_view field) {
    return std::string(option) + ": " + std::string(field) + " steht mehr als einmal da.";
}

std::string numbersExpectedText(std::string_view option) {
    return std::string(option) + " erwartet Zahlen von 1 bis 49.";
}

std::string sixDrawnNumbersExpectedText(std::size_t given) {
    return "--check erwartet sechs verschiedene Zahlen, nicht " +
           FormatInteger(std::int64_t(given)) + ".";
}

std::string ownNumbersCountText(std::size_t given, int highestNumber) {
    return "--map nennt " + counted(std::int64_t(given), "Zahl", "Zahlen") +
           ", das System hat aber " + counted(highestNumber, "Systemzahl", "Systemzahlen") +
           ": je Systemzahl eine eigene Zahl angeben.";
}

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
        case ENXIO:
        case ENODEV:
            return "Das Gerät ist nicht bereit (bei einer Pipe: niemand liest oder schreibt am "
                   "anderen Ende).";
        case EAGAIN:
            return "Die Datei ist gerade nicht bereit.";
        case EINTR:
            return "Der Zugriff wurde unterbrochen.";
        case EPIPE:
            return "Das Programm am anderen Ende der Pipe liest nicht mehr.";
        case EINVAL:
        case ESPIPE:
            return "Diese Art von Datei kann so nicht gelesen oder geschrieben werden.";
        case EOPNOTSUPP:
            return "Der Datenträger unterstützt diesen Zugriff nicht.";
        case EXDEV:
            return "Datei und Ziel liegen auf verschiedenen Datenträgern.";
        case EEXIST:
            return "Die Datei gibt es schon.";
        case EMLINK:
            return "Zu viele Verknüpfungen auf die Datei.";
        case EOVERFLOW:
            return "Die Datei ist für dieses Programm zu groß.";
        case ESTALE:
        case ETIMEDOUT:
        case EHOSTDOWN:
        case EHOSTUNREACH:
        case ENETDOWN:
        case ENETUNREACH:
        case ECONNRESET:
        case ECONNABORTED:
        case ENOTCONN:
        case EREMOTEIO:
            return "Die Verbindung zum Netzlaufwerk ist gestört.";
        case ENOLCK:
            return "Die Datei kann nicht gesperrt werden.";
        case EBADF:
            return "Die Datei ist nicht (mehr) geöffnet.";
        case ENOBUFS:
            return "Nicht genug Systemspeicher.";
        case EDEADLK:
            return "Die Datei ist von einem anderen Programm gesperrt.";
        case ECANCELED:
            return "Der Zugriff wurde abgebrochen.";
        default:
            // No C library text: it is English, or in the language of whatever locale is set.
            return "Unbekannter Systemfehler " + FormatInteger(errorNumber) + ".";
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

}  // namespace lorvex
