#include "cache_file.h"

#include <filesystem>
#include <system_error>

#include "write_file.h"

namespace lorvex {

WriteError writeCacheFile(const std::string& folder, const std::string& name,
                          std::string_view bytes) {
    namespace fs = std::filesystem;
    std::error_code error;
    // Earlier results may tell what a user plays; others need not read them.
    if (fs::create_directories(folder, error))
        fs::permissions(folder, fs::perms::owner_all, fs::perm_options::replace, error);
    if (error) return WriteError{error.value()};
    return writeFile(folder + "/" + name, bytes);
}

}  // namespace lorvex
