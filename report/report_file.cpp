#include "report_file.h"

#include <fcntl.h>
#include <limits.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>

#include "core/file_bytes.h"
#include "core/file_descriptor.h"

namespace lorvex {

namespace {

// Small enough that a signal is answered at once, large enough to cost nothing.
constexpr std::size_t kChunkBytes = std::size_t{1} << 20;
constexpr int kMaxLinkHops = 40;  // the kernel's own limit

WriteResult failed(int error) {
    return {false, error};
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Holds back the signals that end a program from outside while it lives. The write asks
// arrived() between its chunks and gives up; once this object is gone the signal takes its
// usual effect. Signals that the caller ignores or holds back itself are not watched.
class EndSignalsHeld {
public:
    EndSignalsHeld() {
        sigset_t previous;
        ::pthread_sigmask(SIG_SETMASK, nullptr, &previous);
        ::sigemptyset(&watched_);
        for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
            struct sigaction action {};
            ::sigaction(signal, nullptr, &action);
            if (::sigismember(&previous, signal) != 1 && action.sa_handler != SIG_IGN) {
                ::sigaddset(&watched_, signal);
            }
        }
        ::pthread_sigmask(SIG_BLOCK, &watched_, nullptr);
    }
    ~EndSignalsHeld() { ::pthread_sigmask(SIG_UNBLOCK, &watched_, nullptr); }
    EndSignalsHeld(const EndSignalsHeld&) = delete;
    EndSignalsHeld& operator=(const EndSignalsHeld&) = delete;

    bool arrived() const {
        sigset_t pending;
        if (::sigpending(&pending) != 0) return false;
        for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
            if (::sigismember(&pending, signal) == 1 && ::sigismember(&watched_, signal) == 1) {
                return true;
            }
        }
        return false;
    }

private:
    sigset_t watched_{};
};

// A hidden file beside the target, removed again unless it has become the target.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::string& folder)
        : path_(folder + "/.lorvex-XXXXXX"),
          file_(::mkstemp(path_.data())),
          error_(file_.get() < 0 ? errno : 0) {
        if (error_ != 0) path_.clear();
    }
    ~TemporaryFile() {
        if (!path_.empty()) ::unlink(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int error() const { return error_; }  // why it could not be created
    int fd() const { return file_.get(); }
    int close() { return file_.close() == 0 ? 0 : errno; }
    int renameTo(const std::string& target) {
        if (::rename(path_.c_str(), target.c_str()) != 0) return errno;
        path_.clear();
        return 0;
    }

private:
    std::string path_;
    FileDescriptor file_;
    int error_;
};

// All of `bytes` in chunks; EINTR as soon as `held` reports a signal to end the program.
int writeAll(int fd, std::string_view bytes, const EndSignalsHeld* held) {
    while (!bytes.empty()) {
        if (held != nullptr && held->arrived()) return EINTR;
        const ssize_t written = ::write(fd, bytes.data(), std::min(bytes.size(), kChunkBytes));
        if (written < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

// Follows the symbolic links that `path` ends in, so that the file they lead to is replaced
// and the links stay. Folders on the way are the kernel's business.
int followLinks(std::string& path) {
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return 0;
        // Links under /proc report no length, so the buffer is the largest path.
        std::array<char, PATH_MAX> target{};
        const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
        if (length < 0) return errno;
        if (static_cast<std::size_t>(length) == target.size()) return ENAMETOOLONG;
        const std::string_view next(target.data(), static_cast<std::size_t>(length));
        path = next.starts_with('/') ? std::string(next) : folderOf(path) + "/" + std::string(next);
    }
    return ELOOP;
}

bool sameFile(const std::string& path, const struct stat& expected) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && info.st_dev == expected.st_dev &&
           info.st_ino == expected.st_ino;
}

// The program's own standard output or error when `target` is the same pipe, terminal or
// device: opening it anew is refused for a socket, and for a pipe that another user made.
int standardStream(const struct stat& target) {
    for (const int fd : {STDOUT_FILENO, STDERR_FILENO}) {
        struct stat stream {};
        if (::fstat(fd, &stream) == 0 && stream.st_dev == target.st_dev &&
            stream.st_ino == target.st_ino) {
            return fd;
        }
    }
    return -1;
}

struct Target {
    // Written into as it is: a device, a FIFO, a terminal, or a regular file known only
    // through /proc (such as the deleted file behind /proc/self/fd/1).
    bool direct = false;
    bool exists = false;
    std::string file;  // the path to write or replace, links followed
    struct stat info {};
    int stream = -1;  // the descriptor already open for a direct target, if any
    int error = 0;    // why nothing can be written there
};

Target findTarget(const std::string& path) {
    Target target{.file = path};
    if (::stat(path.c_str(), &target.info) != 0) {
        target.error = errno == ENOENT ? followLinks(target.file) : errno;
        return target;
    }
    if (S_ISDIR(target.info.st_mode)) {
        target.error = EISDIR;
        return target;
    }
    target.exists = true;
    if (!S_ISREG(target.info.st_mode)) {
        target.direct = true;
        target.stream = standardStream(target.info);
    }
    // A write-protected file is not replaced behind its owner's back, rename would allow it.
    if (target.stream < 0 && ::access(path.c_str(), W_OK) != 0) target.error = errno;
    if (target.error != 0 || target.direct) return target;
    target.error = followLinks(target.file);
    if (target.error == 0 && !sameFile(target.file, target.info)) {
        target.direct = true;
        target.file = path;
    }
    return target;
}

// Every piece the producer makes, until the first failure: its errno, or 0.
int writeProduced(int fd, const ByteProducer& produce, const EndSignalsHeld* held) {
    int error = 0;
    produce([&](std::string_view bytes) {
        error = writeAll(fd, bytes, held);
        return error == 0;
    });
    return error;
}

std::string gathered(const ByteProducer& produce) {
    std::string bytes;
    produce([&bytes](std::string_view piece) {
        bytes += piece;
        return true;
    });
    return bytes;
}

// Nothing is created, renamed or truncated, except a regular file behind /proc. Signals are
// not held: opening a FIFO waits for its reader, and Ctrl+C has to end that wait.
WriteResult writeDirectly(const Target& target, const ByteProducer& produce) {
    if (target.stream >= 0) {
        const int error = writeProduced(target.stream, produce, nullptr);
        return error == 0 ? WriteResult{} : failed(error);
    }
    const int truncate = S_ISREG(target.info.st_mode) ? O_TRUNC : 0;
    FileDescriptor file(::open(target.file.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC | truncate));
    if (file.get() < 0) return failed(errno);
    if (const int error = writeProduced(file.get(), produce, nullptr)) return failed(error);
    if (file.close() != 0) return failed(errno);
    return {};
}

// The new bytes over the old ones, from the start, in room secured beforehand.
int writeOver(int fd, std::string_view bytes, const EndSignalsHeld& held) {
    const auto size = static_cast<off_t>(bytes.size());
    if (size > 0) {
        if (const int error = ::posix_fallocate(fd, 0, size)) return error;
    }
    if (::lseek(fd, 0, SEEK_SET) < 0) return errno;
    if (const int error = writeAll(fd, bytes, &held)) return error;
    if (::ftruncate(fd, size) != 0) return errno;
    if (::fsync(fd) != 0 && errno != EINVAL) return errno;
    return 0;
}

void putBack(int fd, std::string_view old) {
    ::lseek(fd, 0, SEEK_SET);
    writeAll(fd, old, nullptr);
    ::ftruncate(fd, static_cast<off_t>(old.size()));
}

WriteResult overwriteInPlace(const std::string& path, std::string_view bytes,
                             const EndSignalsHeld& held) {
    FileDescriptor file(::open(path.c_str(), O_RDWR | O_CLOEXEC));
    if (file.get() < 0) return failed(errno);
    const FileBytes old = readOpenFileBytes(file.get());
    if (old.error != 0) return failed(old.error);
    if (const int error = writeOver(file.get(), bytes, held)) {
        putBack(file.get(), old.bytes);
        return failed(error);
    }
    if (file.close() != 0) return failed(errno);
    return {};
}

mode_t newFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

WriteResult replaceFile(const Target& target, const ByteProducer& produce,
                        DirectFallback fallback) {
    // A new file gets the usual permissions; a replaced one keeps its own.
    const mode_t mode = target.exists ? (target.info.st_mode & 07777) : newFileMode();
    // Declared first, so that the temporary file is gone before a held signal acts.
    const EndSignalsHeld held;
    TemporaryFile temporary(folderOf(target.file));
    if (const int error = temporary.error()) {
        // Only a folder that refuses new files may be worked around; a full disk may not.
        const bool noPermission = error == EACCES || error == EPERM;
        if (fallback == DirectFallback::Allowed && target.exists && noPermission) {
            return overwriteInPlace(target.file, gathered(produce), held);
        }
        return failed(error);
    }
    ::fchmod(temporary.fd(), mode);
    if (const int error = writeProduced(temporary.fd(), produce, &held)) return failed(error);
    if (::fsync(temporary.fd()) != 0 && errno != EINVAL && errno != EROFS) return failed(errno);
    if (const int error = temporary.close()) return failed(error);
    if (const int error = temporary.renameTo(target.file)) return failed(error);
    return {};
}

}  // namespace

WriteResult writeFileReplacing(const std::string& path, std::string_view bytes,
                               DirectFallback fallback) {
    return writeFileReplacing(
        path, [bytes](const ChunkSink& sink) { return sink(bytes); }, fallback);
}

WriteResult writeFileReplacing(const std::string& path, const ByteProducer& produce,
                               DirectFallback fallback) {
    const Target target = findTarget(path);
    if (target.error != 0) return failed(target.error);
    if (target.direct) return writeDirectly(target, produce);
    return replaceFile(target, produce, fallback);
}

int writeTargetProblem(const std::string& path) {
    const Target target = findTarget(path);
    if (target.error != 0 || target.direct) return target.error;
    // A new or replaced file is first created beside the target.
    if (::access(folderOf(target.file).c_str(), W_OK | X_OK) != 0) return errno;
    return 0;
}

}  // namespace lorvex
