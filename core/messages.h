#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Every German message the programs show or print, once, in UTF-8. The desktop program turns
// them into ISO 8859-1 where it shows them; lorvex-report prints them as they are.
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
inline constexpr std::string_view NO_ANALYSIS_TO_SAVE = "Keine Analyse zum Speichern vorhanden";
inline constexpr std::string_view OUTPUT_NOT_WRITTEN =
    "Die Ausgabe konnte nicht geschrieben werden.";

inline constexpr std::string_view OUT_OF_MEMORY = "Nicht genug Arbeitsspeicher.";
inline constexpr std::string_view CLOSE_OTHER_PROGRAMS =
    "Bitte andere Programme beenden und es erneut versuchen.";
inline constexpr std::string_view NOTHING_CHANGED =
    "Das geladene System und die Treffertabelle sind unverändert.";

// "System über 9999 Reihen oder 49 Zahlen".
std::string overflowText();
// "Keine gültige Systemreihe gefunden in NAME (je Zeile sechs Zahlen von 1 bis 49)."
std::string noRowText(std::string_view inputName);

// A system error number as a short German reason.
std::string SystemErrorText(int errorNumber);

// The reason line of the messages that a file cannot be opened or saved: what the system
// reported and, where the user can do something about it, what to do.
std::string openFailureReason(int errorNumber);
std::string saveFailureReason(int errorNumber);

// Writing files: a FIFO that no program reads (ENXIO), a reader that went away (EPIPE), a
// descriptor not open for writing (EBADF); empty for other errors.
std::string_view writeFailureText(int errorNumber);

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

}  // namespace lorvex
