#include "file_bytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "file_descriptor.h"

namespace lorvex {

FileBytes readFileBytes(const std::string& path, std::size_t maxBytes) {
    FileBytes result;
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (file.get() < 0) return {{}, errno};
    // Only the opening must not wait for a pipe's writer; reading may.
    ::fcntl(file.get(), F_SETFL, ::fcntl(file.get(), F_GETFL) & ~O_NONBLOCK);
    struct stat info {};
    if (::fstat(file.get(), &info) == 0 && S_ISDIR(info.st_mode)) return {{}, EISDIR};
    const auto size = static_cast<std::size_t>(std::max<off_t>(info.st_size, 0));
    if (size > maxBytes) return {{}, EFBIG};
    result.bytes.reserve(size);
    char buffer[1 << 16];
    for (;;) {
        const ssize_t count = ::read(file.get(), buffer, sizeof buffer);
        if (count == 0) break;
        if (count < 0) {
            if (errno == EINTR) continue;
            return {{}, errno};
        }
        if (result.bytes.size() + static_cast<std::size_t>(count) > maxBytes) return {{}, EFBIG};
        result.bytes.append(buffer, static_cast<std::size_t>(count));
    }
    return result;
}

}  // namespace lorvex
