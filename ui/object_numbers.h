#pragma once

// The fixed numbers of the program's commands and of the controls the commands reach. Commands
// and objects share one range; a menu item and its toolbar button issue the same command.
namespace lorvex {

enum class Command {
    CMD_OPEN = 3,
    CMD_PASTE = 4,
    CMD_SAVE_TXT = 5,
    CMD_SAVE_HTML = 6,
    CMD_EXIT = 7,
    CMD_ANALYSE_ALL = 8,
    CMD_ANALYSE_6 = 9,
    CMD_ANALYSE_5 = 10,
    CMD_ANALYSE_4 = 11,
    CMD_ANALYSE_3 = 12,
    CMD_LINK_1 = 13,
    CMD_LINK_2 = 14,
    CMD_LINK_3 = 15,
    CMD_HELP = 16,
    CMD_HOMEPAGE = 17,
    CMD_INFO = 18,
};

inline constexpr Command FIRST_COMMAND = Command::CMD_OPEN;
inline constexpr Command LAST_COMMAND = Command::CMD_INFO;
inline constexpr int COMMAND_COUNT = int(LAST_COMMAND) - int(FIRST_COMMAND) + 1;

// 0 for CMD_OPEN up to COMMAND_COUNT - 1 for CMD_INFO.
constexpr int commandIndex(Command command) {
    return int(command) - int(FIRST_COMMAND);
}

inline constexpr int SYSTEM_LIST = 27;
inline constexpr int HIT_LIST = 28;
inline constexpr int PROGRESS_BAR_TOP = 29;
inline constexpr int PROGRESS_BAR_MIDDLE = 30;
inline constexpr int PROGRESS_BAR_BOTTOM = 31;

}  // namespace lorvex
