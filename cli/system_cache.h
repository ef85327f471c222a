#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "builder/systems/request.h"

// lorvex-build keeps the smallest system it built for each request in the user's cache folder,
// so that the request asked again starts from it. The files are system text on the numbers
// 1..V; one that is damaged or misses the guarantee is ignored and replaced.
namespace lorvex {

// The folder: $XDG_CACHE_HOME/lorvex/systeme, else $HOME/.cache/lorvex/systeme; nothing when
// neither is an absolute path.
std::optional<std::string> systemCacheFolder(const char* cacheHome, const char* home);

// "20-4-wenn-6.txt"; nothing for a request with key numbers (not kept).
std::optional<std::string> systemCacheName(const builder::BuildRequest& request);

// The rows kept in `path`, on the system numbers; none where it cannot be read. The build
// proves them before it starts from them.
std::vector<builder::Row> cachedSystem(const std::string& path);

// Keeps `rows` (on the system numbers) as the request's system; a failure is ignored: the cache
// only ever saves time.
void keepSystem(const std::string& folder, const std::string& name,
                std::span<const builder::Row> rows);

}  // namespace lorvex
