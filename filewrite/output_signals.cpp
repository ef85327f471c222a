#include "output_signals.h"

#include <pthread.h>

#include <vector>

namespace lorvex {

namespace {

// Every signal whose usual effect ends the program and that may come from outside, the
// real-time signals too; the faults (SIGSEGV, SIGBUS...) come from the program itself and
// cannot wait.
const std::vector<int>& endSignals() {
    static const std::vector<int> signals = [] {
        std::vector<int> all{SIGINT,  SIGTERM, SIGHUP,  SIGQUIT, SIGXCPU,  SIGALRM,
                             SIGUSR1, SIGUSR2, SIGPIPE, SIGPROF, SIGIO,    SIGVTALRM,
                             SIGPWR,  SIGABRT, SIGTRAP, SIGSYS,  SIGSTKFLT};
        for (int signal = SIGRTMIN; signal <= SIGRTMAX; ++signal) all.push_back(signal);
        return all;
    }();
    return signals;
}

}  // namespace

EndSignalsHeld::EndSignalsHeld() {
    sigset_t previous;
    ::pthread_sigmask(SIG_SETMASK, nullptr, &previous);
    ::sigemptyset(&watched_);
    for (const int signal : endSignals()) {
        struct sigaction action {};
        ::sigaction(signal, nullptr, &action);
        if (::sigismember(&previous, signal) != 1 && action.sa_handler != SIG_IGN) {
            ::sigaddset(&watched_, signal);
        }
    }
    ::pthread_sigmask(SIG_BLOCK, &watched_, nullptr);
}

EndSignalsHeld::~EndSignalsHeld() {
    ::pthread_sigmask(SIG_UNBLOCK, &watched_, nullptr);
}

bool EndSignalsHeld::arrived() const {
    sigset_t pending;
    if (::sigpending(&pending) != 0) return false;
    for (const int signal : endSignals()) {
        if (::sigismember(&pending, signal) == 1 && ::sigismember(&watched_, signal) == 1) {
            return true;
        }
    }
    return false;
}

FileSizeSignalIgnored::FileSizeSignalIgnored() {
    struct sigaction action {};
    if (::sigaction(SIGXFSZ, nullptr, &action) != 0 || action.sa_handler != SIG_DFL) return;
    action.sa_handler = SIG_IGN;
    changed_ = ::sigaction(SIGXFSZ, &action, nullptr) == 0;
}

FileSizeSignalIgnored::~FileSizeSignalIgnored() {
    if (!changed_) return;
    struct sigaction action {};
    ::sigaction(SIGXFSZ, nullptr, &action);
    action.sa_handler = SIG_DFL;
    ::sigaction(SIGXFSZ, &action, nullptr);
}

}  // namespace lorvex
