#include "ui/failure_reason.h"

#include <cerrno>
#include <string_view>

#include "core/error_text.h"

namespace lorvex {

namespace {

enum class FileAction { Open, Save };

constexpr std::string_view kCloseOtherPrograms =
    "Bitte andere Programme beenden und es erneut versuchen.";
constexpr std::string_view kCheckThePath =
    "Bitte den Pfad pr\xFC"
    "fen.";
constexpr std::string_view kCheckTheDisk =
    "Bitte den Datentr\xE4ger pr\xFC"
    "fen und es erneut versuchen.";
constexpr std::string_view kOtherPlace = "Bitte einen anderen Ort w\xE4hlen.";

std::string_view openAdvice(int errorNumber) {
    switch (errorNumber) {
        case ENOENT:
            return "Bitte Namen und Ordner der Datei pr\xFC"
                   "fen.";
        case EISDIR:
        case EFBIG:  // most likely some other file, taken by mistake
            return "Bitte eine Textdatei mit einem System w\xE4hlen.";
        case EACCES:
        case EPERM:
            return "Die Datei darf nicht gelesen werden; bitte ihre Zugriffsrechte pr\xFC"
                   "fen.";
        case ENAMETOOLONG:
            return "Bitte die Datei in einen Ordner mit k\xFCrzerem Pfad kopieren.";
        case EBUSY:
        case ETXTBSY:
            return "Bitte es sp\xE4ter erneut versuchen.";
        default:
            return {};
    }
}

std::string_view saveAdvice(int errorNumber) {
    switch (errorNumber) {
        case ENOENT:
            return "Bitte einen vorhandenen Ordner w\xE4hlen.";
        case EISDIR:
            return "Bitte einen Dateinamen angeben.";
        case EACCES:
        case EPERM:
            return "Die Datei oder der Ordner ist schreibgesch\xFCtzt; bitte einen anderen Ordner "
                   "oder Namen w\xE4hlen.";
        case ENOSPC:
        case EDQUOT:
            return "Bitte Platz schaffen oder einen anderen Ort w\xE4hlen.";
        case EROFS:
        case EFBIG:
            return kOtherPlace;
        case ENAMETOOLONG:
            return "Bitte einen k\xFCrzeren Namen w\xE4hlen.";
        case EBUSY:
        case ETXTBSY:
            return "Bitte das Programm beenden, das die Datei benutzt, oder einen anderen Namen "
                   "w\xE4hlen.";
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
