#pragma once

// The fixed numbers of the program's windows, controls and commands. Commands and objects share
// one range; a menu item and its toolbar button issue the same command number.
namespace lorvex {

inline constexpr int MAIN_WINDOW = 0;
inline constexpr int WAIT_WINDOW = 1;
inline constexpr int MAIN_MENU = 2;

inline constexpr int CMD_OPEN = 3;
inline constexpr int CMD_PASTE = 4;
inline constexpr int CMD_SAVE_TXT = 5;
inline constexpr int CMD_SAVE_HTML = 6;
inline constexpr int CMD_EXIT = 7;
inline constexpr int CMD_ANALYSE_ALL = 8;
inline constexpr int CMD_ANALYSE_6 = 9;
inline constexpr int CMD_ANALYSE_5 = 10;
inline constexpr int CMD_ANALYSE_4 = 11;
inline constexpr int CMD_ANALYSE_3 = 12;
inline constexpr int CMD_LINK_1 = 13;
inline constexpr int CMD_LINK_2 = 14;
inline constexpr int CMD_LINK_3 = 15;
inline constexpr int CMD_HELP = 16;
inline constexpr int CMD_HOMEPAGE = 17;
inline constexpr int CMD_INFO = 18;

inline constexpr int MAIN_TOOLBAR = 19;

inline constexpr int IMG_OPEN = 20;
inline constexpr int IMG_PASTE = 21;
inline constexpr int IMG_SAVE_TXT = 22;
inline constexpr int IMG_SAVE_HTML = 23;
inline constexpr int IMG_ANALYSE = 24;
inline constexpr int IMG_HELP = 25;
inline constexpr int IMG_INFO = 26;

inline constexpr int SYSTEM_LIST = 27;
inline constexpr int HIT_LIST = 28;
inline constexpr int PROGRESS_BAR_TOP = 29;
inline constexpr int PROGRESS_BAR_MIDDLE = 30;
inline constexpr int PROGRESS_BAR_BOTTOM = 31;
inline constexpr int WAIT_LABEL = 32;
inline constexpr int STATUS_BAR = 33;

}  // namespace lorvex
