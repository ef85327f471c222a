#pragma once

#include <cstddef>
#include <string>

namespace lorvex {

struct FileBytes {
    std::string bytes;
    int error = 0;  // errno of the failure, 0 when the whole file was read
};

// A system of 9,999 rows takes some 200 KB. A file far beyond that (a film or a disk image
// dropped by mistake, a device that never ends) is refused with EFBIG instead of filling the
// memory.
inline constexpr std::size_t MAX_FILE_BYTES = std::size_t{256} << 20;

// Whether reading a named pipe waits for its writer, as the shell's `<` does (a command line
// tool), or finds it empty when it has none yet, so that a window never freezes on it.
enum class PipeWriter { NotWaitedFor, WaitedFor };

// The whole file, read only; other programs may go on reading it meanwhile.
FileBytes readFileBytes(const std::string& path, std::size_t maxBytes = MAX_FILE_BYTES,
                        PipeWriter pipeWriter = PipeWriter::NotWaitedFor);

// Whether `path` names something that is neither a regular file nor a folder (a FIFO, a
// device, a socket), following symbolic links; false when it does not exist.
bool isSpecialFile(const std::string& path);

// The rest of an open file, pipe or device, read with the same cap. The bytes are held once:
// a file of known size in one allocation, a stream in a buffer that never grows beyond the
// cap. A closed descriptor gives EBADF, a folder EISDIR, too little memory ENOMEM.
FileBytes readOpenFileBytes(int fd, std::size_t maxBytes = MAX_FILE_BYTES);

}  // namespace lorvex
