#include "core/messages/messages.h"

#include <cerrno>

#include "core/system/system_row.h"
#include "core/text/conversions.h"

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

namespace {

// A problem with numbers typed on the command line names its option; on the page, where the
// option is empty, it stands beside its field and needs no name.
std::string numberLead(std::string_view option) {
    return option.empty() ? std::string() : std::string(option) + ": ";
}

}  // namespace

std::string numberOutOfRangeText(std::string_view option, std::string_view field) {
    return numberLead(option) + std::string(field) + " liegt nicht zwischen 1 und 49.";
}

std::string notANumberText(std::string_view option, std::string_view field) {
    return numberLead(option) + "\"" + std::string(field) +
           "\" ist keine Zahl (erlaubt sind Zahlen von 1 bis 49, getrennt durch Leerzeichen, "
           "Tabulatoren, \",\", \";\" oder \"-\").";
}

std::string numberTwiceText(std::string_view option, std::string_view field) {
    return numberLead(option) + std::string(field) + " steht mehr als einmal da.";
}

std::string numbersExpectedText(std::string_view option) {
    if (option.empty()) return "Bitte Zahlen von 1 bis 49 eingeben.";
    return std::string(option) + " erwartet Zahlen von 1 bis 49.";
}

std::string sixDrawnNumbersExpectedText(std::string_view option, std::size_t given) {
    const std::string count = FormatInteger(std::int64_t(given));
    if (option.empty()) return "Bitte sechs verschiedene Zahlen eingeben, nicht " + count + ".";
    return std::string(option) + " erwartet sechs verschiedene Zahlen, nicht " + count + ".";
}

std::string ownNumbersCountText(std::string_view option, std::size_t given, int highestNumber) {
    const std::string typed =
        option.empty()
            ? counted(std::int64_t(given), "eigene Zahl", "eigene Zahlen") + " eingegeben"
            : std::string(option) + " nennt " + counted(std::int64_t(given), "Zahl", "Zahlen");
    return typed + ", das System hat aber " + counted(highestNumber, "Systemzahl", "Systemzahlen") +
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
    std::string reason =
        action == FileAction::Save ? writeErrorText(errorNumber) : SystemErrorText(errorNumber);
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

std::string writeErrorText(int errorNumber) {
    const std::string_view text = writeFailureText(errorNumber);
    return text.empty() ? SystemErrorText(errorNumber) : std::string(text);
}

std::string outputNotWrittenText(int error) {
    if (error == 0) return std::string(OUTPUT_NOT_WRITTEN);
    return std::string(OUTPUT_NOT_WRITTEN) + " " + writeErrorText(error);
}

std::string euroText(std::int64_t cents) {
    return GroupedInteger(cents / 100) + "," + PadLeft(FormatInteger(cents % 100), 2, "0") + " €";
}

std::string priceText(std::int64_t rows) {
    return euroText(rows * ROW_PRICE_CENTS) + " je Ziehung";
}

}  // namespace lorvex

// --- The answers' and the web page's messages ------------------------------------------------

namespace lorvex {

std::string skippedLinesText(std::int64_t lines) {
    return FormatInteger(lines) + (lines == 1 ? " Zeile" : " Zeilen") +
           " ohne gültige Reihe übersprungen";
}

std::vector<PageMessage> pageMessages() {
    return {
        {"overflowTitle", std::string(OVERFLOW_TITLE)},
        {"overflow", overflowText()},
        {"saveTitle", std::string(SAVE_TITLE)},
        {"nothingToSave", std::string(NO_ANALYSIS_TO_SAVE)},
        {"openTitle", std::string(OPEN_TITLE)},
        {"cannotOpen", std::string(CANNOT_OPEN)},
        {"tooLarge", SystemErrorText(EFBIG)},
        {"readFailed", "Der Browser konnte die Datei nicht lesen. Bitte die Datei prüfen."},
        {"noRow",
         "Keine gültige Systemreihe gefunden (je Zeile sechs Zahlen von 1 bis 49); das geladene "
         "System bleibt."},
        {"engineFailedTitle", "Lorvex"},
        {"engineFailed",
         "Die Rechnung konnte nicht beendet werden (zu wenig Speicher im Browser?). Das geladene "
         "System bleibt; bitte erneut versuchen."},
        {"numberCount", "{1} Zahlen"},
        {"loaded", "System geladen: {1} Reihen, {2} Zahlen."},
        {"playedFewer", "Die Reihen enthalten nur {1} der Zahlen 1 bis {2}."},
        {"playUsed", "Über die {1} Zahlen rechnen, die im System vorkommen"},
        {"playAll", "Über die Zahlen 1 bis {1} rechnen"},
        {"noSystem", "Kein System geladen. Bitte zuerst ein System öffnen oder einfügen."},
        {"analysing", "Analyse läuft..."},
        {"analysisCancelled", "Analyse abgebrochen."},
        {"analysed", "Analyse fertig: {1} Zeilen in der Treffertabelle."},
        {"analysedNothing",
         "Analyse fertig: keine Zeilen, das System hat weniger Zahlen als Treffer."},
        {"reportDownload", "Bericht {1} wird heruntergeladen."},
        {"calculationCancelled", "Berechnung abgebrochen."},
        {"coverageRunning", "Abdeckung wird berechnet..."},
        {"coverageDone", "Abdeckung berechnet."},
        {"oddsRunning", "Gewinnchancen werden berechnet..."},
        {"oddsDone", "Gewinnchancen berechnet."},
        {"mappedRows", "Das System auf den eigenen Zahlen: {1} Reihen."},
        {"mappedRow", "Das System auf den eigenen Zahlen: 1 Reihe."},
        {"checkedMapped", "Geprüft wurde das System auf den eigenen Zahlen."},
        {"checkedSystem", "Geprüft wurde das System."},
        {"mappedDownload", "Das umgesetzte System eigene_Zahlen.txt wird heruntergeladen."},
        {"drawsChecked", "{1} Ziehungen geprüft."},
        {"drawsFile", "Geprüft wurden die Ziehungen aus {1}."},
        {"drawsDownload", "Die Gewinne je Ziehung Ziehungen.csv werden heruntergeladen."},
        {"drawsRun", "Ziehungen {1} bis {2}: {3} Gewinnreihen"},
        {"drawsChartLabel",
         "Balkendiagramm: Gewinnreihen je Ziehung in der Reihenfolge der Liste, höchstens {1}"},
        {"drawsChartNote", "Höhe = Gewinnreihen je Ziehung (Klasse 1 bis 9)"},
        {"drawsChartNoteRuns", "je Balken bis zu {1} Ziehungen, Höhe = ihre Gewinnreihen"},
        {"noWin", "kein 3er oder besser"},
        {"either", "entweder"},
        {"or", "oder"},
        {"outcomeBar", "{1} {2}: {3} Fälle, {4} %"},
        {"outcomeRun", "Ergebnisse {1} bis {2}: {3} Fälle, {4} %"},
        {"chartLabel",
         "Balkendiagramm: {1} verschiedene Ergebnisse bei {2} Treffern; der höchste Balken steht "
         "für {3} % der Ziehungen"},
        {"chartNoteOne", "1 Ergebnis, Höhe = Anteil der Ziehungen"},
        {"chartNote", "{1} Ergebnisse, Höhe = Anteil der Ziehungen"},
        {"chartNoteRuns", "{1} Ergebnisse, je Balken bis zu {2}, Höhe = Anteil der Ziehungen"},
        {"blockTitle", "{1} Treffer"},
        {"balanceLabel",
         "Balkendiagramm: in wie vielen Reihen jede Zahl vorkommt, von {1} bis {2} Reihen"},
        {"balanceBar", "Zahl {1}: {2}"},
        {"rowsOne", "1 Reihe"},
        {"rowsMany", "{1} Reihen"},
        // "System bauen"
        {"buildRunning", "System wird gebaut..."},
        {"buildSoFar", "System wird gebaut: bisher {1}."},
        {"buildCancelled", "Bauen abgebrochen."},
        {"buildKept", "Bauen abgebrochen; das beste System bis dahin ist geprüft: {1}."},
        {"built", "System gebaut: {1}."},
        {"buildDownload", "Das System {1} wird heruntergeladen."},
        {"plugRunning", "Lücken werden geschlossen..."},
        {"trimRunning", "System wird gekürzt..."},
    };
}

std::string rowsAboveLimitText(std::int64_t rows, std::int64_t rowsAtMost) {
    return "Das System hat schon " + FormatInteger(rows) + (rows == 1 ? " Reihe" : " Reihen") +
           ", mehr als die höchstens erlaubten " + FormatInteger(rowsAtMost) + ".";
}

std::string keyNotAmongOwnNumbersText(int key) {
    return "Die Bankzahl " + FormatInteger(key) + " ist keine der eigenen Zahlen.";
}

}  // namespace lorvex
