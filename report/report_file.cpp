#include "report_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "core/file_descriptor.h"

namespace lorvex {

std::string reportBytes(std::span<const std::string> lines) {
    std::size_t size = 0;
    for (const std::string& line : lines) size += line.size() + 2;
    std::string bytes;
    bytes.reserve(size);
    for (const std::string& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

namespace {

int writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

WriteResult failed(int error) {
    return {false, error};
}

WriteResult finishFile(FileDescriptor& file, std::string_view bytes) {
    if (const int error = writeAll(file.get(), bytes)) return failed(error);
    if (::fsync(file.get()) != 0 && errno != EINVAL && errno != EROFS) return failed(errno);
    if (file.close() != 0) return failed(errno);
    return {};
}

WriteResult writeInPlace(const std::string& path, std::string_view bytes) {
    FileDescriptor file(::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC));
    if (file.get() < 0) return failed(errno);
    return finishFile(file, bytes);
}

}  // namespace

WriteResult writeFileReplacing(const std::string& path, std::string_view bytes,
                               DirectFallback fallback) {
    struct stat target {};
    const bool exists = ::stat(path.c_str(), &target) == 0;
    if (exists && S_ISDIR(target.st_mode)) return failed(EISDIR);
    // A write-protected file is not replaced behind its owner's back, rename would allow it.
    if (exists && ::access(path.c_str(), W_OK) != 0) return failed(errno);
    // A new file gets the usual permissions; a replaced one keeps its own.
    const mode_t mode = exists ? (target.st_mode & 07777) : 0666 & ~[] {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        return mask;
    }();

    std::string temporary = folderOf(path) + "/.lorvex-XXXXXX";
    FileDescriptor file(::mkstemp(temporary.data()));
    if (file.get() < 0) {
        const int error = errno;
        const bool inPlaceAllowed =
            fallback == DirectFallback::Allowed && exists && ::access(path.c_str(), W_OK) == 0;
        return inPlaceAllowed ? writeInPlace(path, bytes) : failed(error);
    }
    ::fchmod(file.get(), mode);
    WriteResult result = finishFile(file, bytes);
    if (result.ok && ::rename(temporary.c_str(), path.c_str()) != 0) result = failed(errno);
    if (!result.ok) ::unlink(temporary.c_str());
    return result;
}

}  // namespace lorvex
