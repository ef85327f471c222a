#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Every German message the programs show or print, once, in UTF-8, as the desktop program hands
// them to Qt and lorvex-report prints them.
namespace lorvex {

inline constexpr std::string_view OPEN_TITLE = "Öffnen";
inline constexpr std::string_view SAVE_TITLE = "Speichern";
inline constexpr std::string_view OVERFLOW_TITLE = "Überlauf";
inline constexpr std::string_view MEMORY_TITLE = "Arbeitsspeicher";

inline constexpr std::string_view CANNOT_OPEN = "Datei kann nicht geöffnet werden:";
inline constexpr std::string_view CANNOT_SAVE = "Datei kann nicht gespeichert werden:";
inline constexpr std::string_view CANNOT_READ_INPUT = "Standardeingabe kann nicht gelesen werden:";
inline constexpr std::string_view INPUT_CLOSED = "Sie ist geschlossen.";
inline constexpr std::string_view STANDARD_INPUT = "Standardeingabe";
inline constexpr std::string_view CLIPBOARD = "der Zwischenablage";
inline constexpr std::string_view NO_ANALYSIS_TO_SAVE = "Keine Analyse zum Speichern vorhanden";
inline constexpr std::string_view OUTPUT_NOT_WRITTEN =
    "Die Ausgabe konnte nicht geschrieben werden.";
// OUTPUT_NOT_WRITTEN with the reason of `error` (an errno value; 0: none known).
std::string outputNotWrittenText(int error);

inline constexpr std::string_view OUT_OF_MEMORY = "Nicht genug Arbeitsspeicher.";
inline constexpr std::string_view CLOSE_OTHER_PROGRAMS =
    "Bitte andere Programme beenden und es erneut versuchen.";
inline constexpr std::string_view NOTHING_CHANGED =
    "Das geladene System und die Treffertabelle sind unverändert.";

// "System über 9999 Reihen oder 49 Zahlen".
std::string overflowText();
// "Keine gültige Systemreihe gefunden in NAME (je Zeile sechs Zahlen von 1 bis 49)."
std::string noRowText(std::string_view inputName);

// The window texts that carry a count: "1 Systemreihe", "12 Systemreihen".
std::string systemRowsText(int rows);
std::string systemNumbersText(int numbers);

// What the dialogs say.
inline constexpr std::string_view OPEN_DIALOG_TITLE = "System öffnen...";
inline constexpr std::string_view SAVE_DIALOG_TITLE = "Analyse speichern...";

// "Öffnen..." chose something that is no regular file (a FIFO, a device), whose reading could
// wait for ever.
inline constexpr std::string_view NOT_A_REGULAR_FILE =
    "Das ist keine gewöhnliche Datei (sondern etwa eine Pipe oder ein Gerät). Bitte eine "
    "Textdatei mit einem System wählen.";

inline constexpr std::string_view HELP_TITLE = "Hilfe";
inline constexpr std::string_view INFO_TITLE = "Info";

// "Hilfe" when no program could show the help file.
std::string helpNotShownText(std::string_view helpPath);

// The desktop program started without a display.
inline constexpr std::string_view NO_DISPLAY =
    "lorvex: Keine grafische Anzeige gefunden (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt). "
    "Bitte auf dem Desktop oder mit xvfb-run starten.";

// A block of K drawn numbers when the system has fewer than K numbers.
std::string noDrawText(int blockSize, int highestNumber);

// What is wrong with the numbers given to --map or --check (`option` names which; empty on the
// page, where the problem stands beside its field).
std::string numberOutOfRangeText(std::string_view option, std::string_view field);
std::string notANumberText(std::string_view option, std::string_view field);
std::string numberTwiceText(std::string_view option, std::string_view field);
std::string numbersExpectedText(std::string_view option);
std::string sixDrawnNumbersExpectedText(std::string_view option, std::size_t given);
std::string ownNumbersCountText(std::string_view option, std::size_t given, int highestNumber);

// A system error number as a short German reason.
std::string SystemErrorText(int errorNumber);

// The reason line of the messages that a file cannot be opened or saved: what the system
// reported and, where the user can do something about it, what to do.
std::string openFailureReason(int errorNumber);
std::string saveFailureReason(int errorNumber);

// Writing files: a FIFO that no program reads (ENXIO), a reader that went away (EPIPE), a
// descriptor not open for writing (EBADF); empty for other errors.
std::string_view writeFailureText(int errorNumber);
// A write's error number as a short German reason: those words where they exist, else the
// common ones.
std::string writeErrorText(int errorNumber);

// --- The answers' and the web page's messages ------------------------------------------------

// "3 Zeilen ohne gültige Reihe übersprungen", in the singular for one line.
std::string skippedLinesText(std::int64_t lines);

// The web page's own texts, by the names its script uses; "{1}", "{2}" stand for what the page
// puts in.
struct PageMessage {
    std::string_view name;
    std::string text;
};
std::vector<PageMessage> pageMessages();

// --- The web page's "System bauen" ----------------------------------------------------------

// What is wrong with a typed field; each stands beside its field.
inline constexpr std::string_view BUILD_NUMBERS_EXPECTED =
    "Bitte eingeben, wie viele Zahlen das System spielt (7 bis 49), oder Ihre Zahlen selbst.";
inline constexpr std::string_view BUILD_SECONDS_EXPECTED =
    "Bitte eine ganze Zahl von 0 bis 86400 Sekunden eingeben.";
inline constexpr std::string_view BUILD_ROWS_EXPECTED =
    "Bitte eine ganze Zahl von 1 bis 9999 Reihen eingeben oder das Feld leer lassen.";
// "Die Bankzahl 5 ist keine der eigenen Zahlen."
std::string keyNotAmongOwnNumbersText(int key);
// "Das System hat schon 20 Reihen, mehr als die höchstens erlaubten 15."
std::string rowsAboveLimitText(std::int64_t rows, std::int64_t rowsAtMost);
inline constexpr std::string_view SUPERZAHL_EXPECTED =
    "Die Superzahl ist eine Ziffer von 0 bis 9; ohne sie das Feld leer lassen.";
// What a row costs in one draw of 6 aus 49, in cents.
inline constexpr int ROW_PRICE_CENTS = 120;
// "16,80 € je Ziehung" for 14 rows.
std::string priceText(std::int64_t rows);
// "4.500,00 €".
std::string euroText(std::int64_t cents);

// Added to the reason why a system without the guarantee cannot be shortened.
inline constexpr std::string_view PLUG_FIRST = "Bitte zuerst \u201eLücken schließen\u201c wählen.";

}  // namespace lorvex
