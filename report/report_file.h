#pragma once

#include <span>
#include <string>

namespace lorvex {

// The bytes of a report file: every line followed by CR LF, the last one too; no mark.
std::string reportBytes(std::span<const std::string> lines);

struct WriteResult {
    bool ok = true;
    int error = 0;  // errno of the failure
};

enum class DirectFallback { Allowed, Forbidden };

// Replaces `path` with `bytes` only once they are completely written: a temporary file beside
// it, then a rename, so a failure leaves an existing file as it was. Where the folder takes no
// new file but the file itself is writable, it is overwritten in place when allowed.
WriteResult writeFileReplacing(const std::string& path, std::string_view bytes,
                               DirectFallback fallback);

}  // namespace lorvex
