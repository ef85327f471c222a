#pragma once

#include <signal.h>

namespace lorvex {

// Holds back, while it lives, the signals that end a program from outside (Ctrl+C, kill, a
// closed terminal, the CPU and timer limits, the user signals...). A write asks arrived()
// between its pieces and gives up; once this object is gone the signal takes its usual effect,
// after the temporary file has been removed. Signals that the caller ignores or holds back
// itself are left alone.
class EndSignalsHeld {
public:
    EndSignalsHeld();
    ~EndSignalsHeld();
    EndSignalsHeld(const EndSignalsHeld&) = delete;
    EndSignalsHeld& operator=(const EndSignalsHeld&) = delete;

    bool arrived() const;

private:
    sigset_t watched_{};
};

// Ignores SIGXFSZ while it lives, where nobody handles it: beyond the file size limit
// (`ulimit -f`) a write then fails with EFBIG, which is said, instead of ending the program
// without a word.
class FileSizeSignalIgnored {
public:
    FileSizeSignalIgnored();
    ~FileSizeSignalIgnored();
    FileSizeSignalIgnored(const FileSizeSignalIgnored&) = delete;
    FileSizeSignalIgnored& operator=(const FileSizeSignalIgnored&) = delete;

private:
    bool changed_ = false;
};

}  // namespace lorvex
