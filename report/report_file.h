#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace lorvex {

struct WriteResult {
    bool ok = true;
    int error = 0;  // errno of the failure; EINTR when a signal to end the program came
};

enum class DirectFallback { Allowed, Forbidden };

// Takes bytes in pieces; false asks the producer to stop.
using ChunkSink = std::function<bool(std::string_view bytes)>;
// Hands its bytes to the sink piece by piece; false when the sink stopped it.
using ByteProducer = std::function<bool(const ChunkSink& sink)>;

// Writes `bytes` to `path`.
// - A regular file, or a new one, is replaced only once the bytes are completely written: a
//   temporary file beside it, then a rename, so a failure leaves an existing file as it was.
//   Through a symbolic link the file it points to is replaced, never the link.
// - Where the folder refuses the temporary file for lack of permission but the file itself is
//   writable, it is overwritten in place when allowed; the room for the new bytes is secured
//   first, and on any failure the file gets its old bytes back.
// - Anything else that exists (a device, a FIFO, a terminal) is written into as it is.
// SIGINT, SIGTERM and SIGHUP wait while a temporary or half-written file exists: the write is
// abandoned, the file cleaned up, and then the signal takes its usual effect.
WriteResult writeFileReplacing(const std::string& path, std::string_view bytes,
                               DirectFallback fallback);
// The same for bytes made while they are written, so that they never stand whole in memory;
// only the in-place fallback gathers them first, since it must know their length.
WriteResult writeFileReplacing(const std::string& path, const ByteProducer& produce,
                               DirectFallback fallback);

// Why writeFileReplacing(path, ..., DirectFallback::Forbidden) would fail, where that can be
// told before anything is written (a missing folder, a folder, no write permission): the
// errno, or 0.
int writeTargetProblem(const std::string& path);

}  // namespace lorvex
