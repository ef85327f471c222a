#include "write_target.h"

#include <fcntl.h>
#include <limits.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <string_view>

namespace lorvex {

namespace {

constexpr int kMaxLinkHops = 40;  // the kernel's own limit

// N when `path` is the link /proc/<this process>/fd/N, however it is reached (/dev/fd/N,
// /proc/self/fd/N, /proc/thread-self/fd/N), or -1.
int ownDescriptorNamed(const std::string& path) {
    const std::string name = nameOf(path);
    int fd = -1;
    const auto [end, problem] = std::from_chars(name.data(), name.data() + name.size(), fd);
    if (name.empty() || problem != std::errc{} || end != name.data() + name.size()) return -1;
    std::array<char, PATH_MAX> folder{};
    if (::realpath(folderOf(path).c_str(), folder.data()) == nullptr) return -1;
    const std::string_view resolved(folder.data());
    const std::string process = "/proc/" + std::to_string(::getpid());
    const bool ownTable = resolved == process + "/fd" ||
                          (resolved.starts_with(process + "/task/") && resolved.ends_with("/fd"));
    return ownTable ? fd : -1;
}

struct FollowedLinks {
    std::string file;
    int descriptor = -1;  // where the links end in one of the program's own descriptors
    int error = 0;
};

// Follows the symbolic links that `path` ends in, so that the file they lead to is replaced
// and the links stay. Folders on the way are the kernel's business.
FollowedLinks followLinks(std::string path) {
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        // Also a closed one, which is then refused as such.
        if (const int fd = ownDescriptorNamed(path); fd >= 0) return {path, fd};
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return {path};
        // Links under /proc report no length, so the buffer is the largest path.
        std::array<char, PATH_MAX> target{};
        const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
        if (length < 0) return {path, -1, errno};
        if (static_cast<std::size_t>(length) == target.size()) return {path, -1, ENAMETOOLONG};
        const std::string_view next(target.data(), static_cast<std::size_t>(length));
        path = next.starts_with('/') ? std::string(next) : folderOf(path) + "/" + std::string(next);
    }
    return {path, -1, ELOOP};
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

WriteTarget failed(int error) {
    WriteTarget target;
    target.error = WriteError(error);
    return target;
}

WriteTarget ownDescriptor(int fd) {
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || (flags & O_ACCMODE) == O_RDONLY) return failed(EBADF);
    WriteTarget target;
    target.kind = WriteTarget::Kind::Descriptor;
    target.descriptor = fd;
    return target;
}

}  // namespace

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

WriteTarget findWriteTarget(const std::string& path) {
    const FollowedLinks followed = followLinks(path);
    if (followed.error != 0) return failed(followed.error);
    if (followed.descriptor >= 0) return ownDescriptor(followed.descriptor);
    WriteTarget target;
    target.kind = WriteTarget::Kind::RegularFile;
    target.file = followed.file;
    if (::stat(path.c_str(), &target.info) != 0) {
        if (errno != ENOENT) return failed(errno);
        target.kind = WriteTarget::Kind::NewFile;
        return target;
    }
    if (S_ISDIR(target.info.st_mode)) return failed(EISDIR);
    if (!S_ISREG(target.info.st_mode)) {
        if (const int stream = standardStream(target.info); stream >= 0) {
            return ownDescriptor(stream);
        }
        target.kind = WriteTarget::Kind::Device;
    } else if (!sameFile(target.file, target.info)) {
        target.kind = WriteTarget::Kind::Device;
    }
    if (target.kind == WriteTarget::Kind::Device) target.file = path;
    // A write-protected file is not replaced behind its owner's back, rename would allow it.
    if (::access(path.c_str(), W_OK) != 0) return failed(errno);
    return target;
}

}  // namespace lorvex
