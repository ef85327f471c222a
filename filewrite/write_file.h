#pragma once

#include <string>
#include <string_view>

#include "file_sink.h"

namespace lorvex {

// Writes the bytes that `produce` makes to `path`, as the user expects of saving a file:
// - A regular file, or a new one, is replaced only once the bytes are completely written: a
//   temporary file beside it, then a rename, so a failure (a full disk, a signal) leaves an
//   existing file as it was. The new file keeps the old one's mode, owner, group, ACL and
//   extended attributes; through a symbolic link the file it points to is replaced, never the
//   link.
// - Where the old file cannot be replaced that way (more than one hard link, an owner or an
//   attribute that cannot be kept, a folder that takes no new file, a file mounted on its own),
//   it is written in place: the room for the new bytes is secured first, and on any failure
//   the file gets its old bytes back.
// - One of the program's own open descriptors (/dev/stdout, /dev/stderr, /proc/self/fd/N) is
//   written through that descriptor, appending where it was opened for appending.
// - Anything else that exists (a device, a FIFO, a terminal) is written into as it is. A FIFO
//   that nobody reads fails at once with ENXIO, so that a window never freezes on it; a command
//   line tool may rather wait for the reader, as the shell's `>` does (Ctrl+C ends the wait).
// The signals that end a program wait while a temporary or half-written file exists; the write
// is abandoned, the file cleaned up, and then the signal takes its usual effect. Beyond the
// file size limit the write fails with EFBIG.
enum class FifoReader { Required, WaitedFor };
WriteError writeFile(const std::string& path, const FileProducer& produce,
                     FifoReader fifoReader = FifoReader::Required);
WriteError writeFile(const std::string& path, std::string_view bytes);

// Why writeFile(path, ...) would fail, where that can be told before anything is made (a
// missing folder, a folder, no write permission), or no error.
WriteError writeTargetProblem(const std::string& path);

}  // namespace lorvex
