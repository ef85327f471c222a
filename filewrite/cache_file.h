#pragma once

#include <string>
#include <string_view>

#include "file_sink.h"

namespace lorvex {

// Writes `bytes` as the file `name` in the cache folder `folder`, made first with its parents
// where it is missing (the folder itself for the user alone). The file is replaced whole or not at all, as by
// writeFile.
WriteError writeCacheFile(const std::string& folder, const std::string& name,
                          std::string_view bytes);

}  // namespace lorvex
