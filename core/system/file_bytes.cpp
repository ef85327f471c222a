#include "core/system/file_bytes.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <new>
#include <stdexcept>
#include <vector>

#include "core/system/file_descriptor.h"

namespace lorvex {

namespace {

constexpr std::size_t kChunkBytes = std::size_t{1} << 16;

// Doubles the room as a stream goes on, but never beyond the cap.
void makeRoom(std::string& bytes, std::size_t more, std::size_t maxBytes) {
    const std::size_t wanted = std::max({bytes.capacity() * 2, kChunkBytes, bytes.size() + more});
    bytes.reserve(std::min(wanted, maxBytes));
}

// A descriptor left non-blocking by whoever handed it over is waited for rather than failed.
bool waitForInput(int fd) {
    pollfd input{fd, POLLIN, 0};
    return ::poll(&input, 1, -1) >= 0 || errno == EINTR;
}

// Each read takes no more than the room left; once that is used up, the next read tells
// whether any more room is needed at all. So a file of known size stays in its one
// allocation, and a stream never holds more than the cap.
FileBytes readAll(int fd, std::size_t knownSize, std::size_t maxBytes) {
    FileBytes result;
    std::string& bytes = result.bytes;
    bytes.reserve(knownSize);
    // On the heap: a small stack (ulimit -s 64) has no room for it.
    std::vector<char> chunk(kChunkBytes);
    for (;;) {
        const std::size_t room = bytes.capacity() - bytes.size();
        const ssize_t count =
            ::read(fd, chunk.data(), room > 0 ? std::min(room, chunk.size()) : chunk.size());
        if (count == 0) return result;
        if (count < 0) {
            if (errno == EINTR || (errno == EAGAIN && waitForInput(fd))) continue;
            return {{}, errno};
        }
        const auto read = static_cast<std::size_t>(count);
        if (bytes.size() + read > maxBytes) return {{}, EFBIG};
        if (read > room) makeRoom(bytes, read, maxBytes);
        bytes.append(chunk.data(), read);
    }
}

}  // namespace

FileBytes readOpenFileBytes(int fd, std::size_t maxBytes) {
    struct stat info {};
    if (::fstat(fd, &info) != 0) return {{}, errno};
    if (S_ISDIR(info.st_mode)) return {{}, EISDIR};
    const auto size =
        S_ISREG(info.st_mode)
            ? static_cast<std::size_t>(std::max<off_t>(info.st_size - ::lseek(fd, 0, SEEK_CUR), 0))
            : std::size_t{0};
    if (size > maxBytes) return {{}, EFBIG};
    try {
        return readAll(fd, size, maxBytes);
    } catch (const std::bad_alloc&) {
        return {{}, ENOMEM};
    } catch (const std::length_error&) {
        return {{}, ENOMEM};
    }
}

bool isSpecialFile(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return false;
    return !S_ISREG(info.st_mode) && !S_ISDIR(info.st_mode);
}

FileBytes readFileBytes(const std::string& path, std::size_t maxBytes, PipeWriter pipeWriter) {
    const int wait = pipeWriter == PipeWriter::WaitedFor ? 0 : O_NONBLOCK;
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | wait));
    if (file.get() < 0) {
        // A socket opens with the error of a pipe without writer; it is no pipe at all.
        struct stat info {};
        const int error = errno;
        const bool socket =
            error == ENXIO && ::stat(path.c_str(), &info) == 0 && S_ISSOCK(info.st_mode);
        return {{}, socket ? EINVAL : error};
    }
    // Only the opening may be kept from waiting for a pipe's writer; reading waits.
    ::fcntl(file.get(), F_SETFL, ::fcntl(file.get(), F_GETFL) & ~O_NONBLOCK);
    return readOpenFileBytes(file.get(), maxBytes);
}

}  // namespace lorvex
