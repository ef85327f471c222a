#include "write_file.h"

#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <iterator>
#include <optional>
#include <vector>

#include "core/system/file_bytes.h"
#include "core/system/file_descriptor.h"
#include "descriptor_output.h"
#include "output_signals.h"
#include "write_target.h"

namespace lorvex {

namespace {

WriteError lastError() {
    return WriteError(errno);
}

// The folder that holds the target, open, so that the temporary file, the rename and a write
// in place go by names relative to it, however long the whole path is.
class TargetFolder {
public:
    explicit TargetFolder(const std::string& file)
        : folder_(::open(folderOf(file).c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC)),
          error_(folder_.get() < 0 ? errno : 0),
          name_(nameOf(file)) {}

    WriteError error() const { return WriteError(error_); }
    int fd() const { return folder_.get(); }
    const std::string& name() const { return name_; }

private:
    FileDescriptor folder_;
    int error_;
    std::string name_;
};

// A hidden file ".lorvex-XXXXXX" beside the target, removed again unless it has become the
// target.
class TemporaryFile {
public:
    TemporaryFile(const TargetFolder& folder, mode_t mode) : folder_(folder.fd()) {
        constexpr std::string_view kLetters =
            "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
        for (int attempt = 0; attempt < 100; ++attempt) {
            std::array<unsigned char, 6> random{};
            if (::getrandom(random.data(), random.size(), 0) != std::ssize(random)) break;
            std::string name = ".lorvex-";
            for (const unsigned char byte : random) name += kLetters[byte % kLetters.size()];
            const int fd = ::openat(folder_, name.c_str(),
                                    O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, mode);
            if (fd >= 0) {
                fd_ = fd;
                name_ = std::move(name);
                return;
            }
            if (errno != EEXIST) break;
        }
        error_ = errno;
    }
    ~TemporaryFile() {
        if (fd_ >= 0) ::close(fd_);
        if (!name_.empty()) ::unlinkat(folder_, name_.c_str(), 0);
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int error() const { return error_; }  // why it could not be created
    int fd() const { return fd_; }
    int renameTo(const std::string& target) {
        if (::renameat(folder_, name_.c_str(), folder_, target.c_str()) != 0) return errno;
        name_.clear();
        return 0;
    }

private:
    int folder_;
    int fd_ = -1;
    std::string name_;
    int error_ = 0;
};

// The names that a listxattr-like call gives, or nothing where it fails.
template <typename List>
std::optional<std::vector<std::string>> attributeNames(const List& list) {
    const ssize_t size = list(nullptr, 0);
    if (size < 0 && errno == ENOTSUP) return std::vector<std::string>{};
    if (size < 0) return std::nullopt;
    std::string names(static_cast<std::size_t>(size), '\0');
    const ssize_t listed = list(names.data(), names.size());
    if (listed < 0) return std::nullopt;
    names.resize(static_cast<std::size_t>(listed));
    std::vector<std::string> result;
    for (std::size_t start = 0; start < names.size(); start += result.back().size() + 1) {
        result.emplace_back(names.c_str() + start);
    }
    return result;
}

// Exactly the extended attributes of `path`, the ACL ("system.posix_acl_access") among them,
// on `fd` too; false where one cannot be read, set or removed.
bool copyExtendedAttributes(const std::string& path, int fd) {
    const auto old = attributeNames(
        [&path](char* list, std::size_t size) { return ::llistxattr(path.c_str(), list, size); });
    const auto made =
        attributeNames([fd](char* list, std::size_t size) { return ::flistxattr(fd, list, size); });
    if (!old || !made) return false;
    // What the new file took from its folder (a default ACL) and the old one lacks goes again.
    for (const std::string& name : *made) {
        const bool extra = std::ranges::find(*old, name) == old->end();
        if (extra && ::fremovexattr(fd, name.c_str()) != 0) return false;
    }
    for (const std::string& name : *old) {
        const ssize_t length = ::lgetxattr(path.c_str(), name.c_str(), nullptr, 0);
        if (length < 0) return false;
        std::string value(static_cast<std::size_t>(length), '\0');
        const ssize_t read = ::lgetxattr(path.c_str(), name.c_str(), value.data(), value.size());
        if (read < 0) return false;
        const auto bytes = static_cast<std::size_t>(read);
        if (::fsetxattr(fd, name.c_str(), value.data(), bytes, 0) != 0) return false;
    }
    return true;
}

// Gives the new file what the old one has beyond its bytes; false where that cannot be kept,
// or where a rename would split the old file from its other hard links.
bool keepsWhatTheOldFileHas(const WriteTarget& target, int fd) {
    const struct stat& old = target.info;
    if (old.st_nlink != 1) return false;
    if (::fchown(fd, old.st_uid, old.st_gid) != 0) return false;
    if (!copyExtendedAttributes(target.file, fd)) return false;
    return ::fchmod(fd, old.st_mode & 07777) == 0;  // after fchown, which drops set-user-ID
}

// The bytes of a complete temporary file, for writing them over the old file after all.
FileProducer copiedFrom(int fd) {
    return [fd](FileSink& sink) {
        std::array<char, std::size_t{1} << 16> buffer{};
        for (off_t offset = 0;;) {
            const ssize_t count = ::pread(fd, buffer.data(), buffer.size(), offset);
            if (count < 0 && errno == EINTR) continue;
            if (count < 0) return lastError();
            if (count == 0) return WriteError{};
            const std::string_view piece(buffer.data(), static_cast<std::size_t>(count));
            if (const WriteError error = sink.write(piece)) return error;
            offset += count;
        }
    };
}

// The new bytes over the old ones, from the start, in room secured beforehand.
WriteError writeOver(int fd, off_t size, const FileProducer& produce, const EndSignalsHeld& held) {
    if (size > 0) {
        if (const int error = ::posix_fallocate(fd, 0, size)) return WriteError(error);
    }
    if (::lseek(fd, 0, SEEK_SET) < 0) return lastError();
    DescriptorSink sink(fd, &held);
    if (const WriteError error = produce(sink)) return error;
    if (::ftruncate(fd, size) != 0) return lastError();
    if (::fsync(fd) != 0 && errno != EINVAL) return lastError();
    return {};
}

void putBack(int fd, std::string_view old) {
    ::lseek(fd, 0, SEEK_SET);
    DescriptorSink(fd).write(old);
    ::ftruncate(fd, static_cast<off_t>(old.size()));
}

// Writes `size` bytes over the old file itself, which keeps its inode with everything on it.
WriteError overwriteInPlace(const TargetFolder& folder, off_t size, const FileProducer& produce,
                            const EndSignalsHeld& held) {
    FileDescriptor file(::openat(folder.fd(), folder.name().c_str(), O_RDWR | O_CLOEXEC));
    if (file.get() < 0) return lastError();
    const FileBytes old = readOpenFileBytes(file.get());
    if (old.error != 0) return WriteError(old.error);
    if (const WriteError error = writeOver(file.get(), size, produce, held)) {
        putBack(file.get(), old.bytes);
        return error;
    }
    if (file.close() != 0) return lastError();
    return {};
}

WriteError overwriteFromTemporary(const TargetFolder& folder, const TemporaryFile& temporary,
                                  const EndSignalsHeld& held) {
    struct stat info {};
    if (::fstat(temporary.fd(), &info) != 0) return lastError();
    return overwriteInPlace(folder, info.st_size, copiedFrom(temporary.fd()), held);
}

bool refusedForPermission(int error) {
    return error == EACCES || error == EPERM;
}

WriteError replaceFile(const WriteTarget& target, const FileProducer& produce) {
    const bool exists = target.kind == WriteTarget::Kind::RegularFile;
    const TargetFolder folder(target.file);
    if (const WriteError error = folder.error()) return error;
    // Beyond `ulimit -f` anywhere in the replacement (fsync too) the call fails and says so;
    // declared first, so that the temporary file is gone before a held signal acts.
    const FileSizeSignalIgnored sizeSignal;
    const EndSignalsHeld held;
    // A new file gets the usual permissions (umask, the folder's default ACL); a temporary
    // file for an existing one stays private until it has the old file's.
    TemporaryFile temporary(folder, exists ? 0600 : 0666);
    if (const int error = temporary.error()) {
        // Only a folder that refuses new files may be worked around; a full disk may not. A
        // folder of the kernel's (/proc) says ENOENT: the file itself then tells the reason.
        if (!exists || !(refusedForPermission(error) || error == ENOENT)) return WriteError(error);
        StringSink gathered;
        produce(gathered);
        const std::string& bytes = gathered.bytes();
        return overwriteInPlace(folder, static_cast<off_t>(bytes.size()), producerOf(bytes), held);
    }
    DescriptorSink sink(temporary.fd(), &held);
    if (const WriteError error = produce(sink)) return error;
    if (::fsync(temporary.fd()) != 0 && errno != EINVAL && errno != EROFS) return lastError();
    if (held.arrived()) return WriteError(EINTR);
    if (exists && !keepsWhatTheOldFileHas(target, temporary.fd())) {
        return overwriteFromTemporary(folder, temporary, held);
    }
    if (const int error = temporary.renameTo(folder.name())) {
        // A file mounted on its own (EBUSY), another's file in a sticky folder (EPERM).
        const bool inPlace = exists && (error == EBUSY || refusedForPermission(error));
        return inPlace ? overwriteFromTemporary(folder, temporary, held) : WriteError(error);
    }
    return {};
}

// Opening waits for a FIFO's reader only where asked to (ENXIO without one).
int openDevice(const WriteTarget& target, FifoReader fifoReader) {
    const int truncate = S_ISREG(target.info.st_mode) ? O_TRUNC : 0;
    const int flags = O_WRONLY | O_NOCTTY | O_CLOEXEC | truncate;
    const int fd = ::open(target.file.c_str(), flags | O_NONBLOCK);
    const bool wait = fifoReader == FifoReader::WaitedFor && S_ISFIFO(target.info.st_mode);
    return fd < 0 && errno == ENXIO && wait ? ::open(target.file.c_str(), flags) : fd;
}

// Writing may wait for the reader.
WriteError writeIntoDevice(const WriteTarget& target, const FileProducer& produce,
                           FifoReader fifoReader) {
    FileDescriptor file(openDevice(target, fifoReader));
    if (file.get() < 0) return lastError();
    ::fcntl(file.get(), F_SETFL, ::fcntl(file.get(), F_GETFL) & ~O_NONBLOCK);
    DescriptorSink sink(file.get());
    if (const WriteError error = produce(sink)) return error;
    if (file.close() != 0) return lastError();
    return {};
}

// Whether an existing regular file would be written in place rather than replaced.
bool writtenInPlace(const WriteTarget& target) {
    const uid_t user = ::geteuid();
    const bool foreign = user != 0 && target.info.st_uid != user;
    return foreign || target.info.st_nlink != 1 ||
           ::access(folderOf(target.file).c_str(), W_OK | X_OK) != 0;
}

}  // namespace

WriteError writeFile(const std::string& path, const FileProducer& produce, FifoReader fifoReader) {
    const WriteTarget target = findWriteTarget(path);
    if (target.error) return target.error;
    switch (target.kind) {
        case WriteTarget::Kind::Descriptor: {
            DescriptorSink sink(target.descriptor);
            return produce(sink);
        }
        case WriteTarget::Kind::Device:
            return writeIntoDevice(target, produce, fifoReader);
        case WriteTarget::Kind::NewFile:
        case WriteTarget::Kind::RegularFile:
            break;
    }
    return replaceFile(target, produce);
}

WriteError writeFile(const std::string& path, std::string_view bytes) {
    return writeFile(path, producerOf(bytes));
}

WriteError writeTargetProblem(const std::string& path) {
    const WriteTarget target = findWriteTarget(path);
    switch (target.kind) {
        case WriteTarget::Kind::NewFile:
            if (target.error) return target.error;
            // A new file is made beside the target.
            if (::access(folderOf(target.file).c_str(), W_OK | X_OK) != 0) return lastError();
            return {};
        case WriteTarget::Kind::RegularFile:
            if (target.error || !writtenInPlace(target)) return target.error;
            // In place, the old bytes are read first, to give them back on a failure.
            if (::access(target.file.c_str(), R_OK) != 0) return lastError();
            return {};
        case WriteTarget::Kind::Descriptor:
        case WriteTarget::Kind::Device:
            break;
    }
    return target.error;
}

}  // namespace lorvex
