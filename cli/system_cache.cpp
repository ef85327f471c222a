#include "system_cache.h"

#include "builder/job/build_job.h"
#include "builder/job/system_text_output.h"
#include "core/system/system_loader.h"
#include "core/text/conversions.h"
#include "filewrite/cache_file.h"

namespace lorvex {

namespace {

bool absolute(const char* path) {
    return path != nullptr && path[0] == '/';
}

}  // namespace

std::optional<std::string> systemCacheFolder(const char* cacheHome, const char* home) {
    if (absolute(cacheHome)) return std::string(cacheHome) + "/lorvex/systeme";
    if (absolute(home)) return std::string(home) + "/.cache/lorvex/systeme";
    return std::nullopt;
}

std::optional<std::string> systemCacheName(const builder::BuildRequest& request) {
    if (!request.keyNumbers.empty()) return std::nullopt;
    return FormatInteger(request.numbers) + "-" + FormatInteger(request.guarantee) + "-wenn-" +
           FormatInteger(request.drawn) + ".txt";
}

std::vector<builder::Row> cachedSystem(const std::string& path) {
    SystemTable table;
    if (readSystemFile(path, table, {}, RowOrder::AsWritten).outcome != LoadOutcome::Loaded)
        return {};
    std::vector<builder::Row> rows;
    if (builder::playerRowsOnSystemNumbers(table.rows(), {}, rows)) return {};
    return rows;
}

void keepSystem(const std::string& folder, const std::string& name,
                std::span<const builder::Row> rows) {
    (void)writeCacheFile(folder, name, builder::systemText(rows));
}

}  // namespace lorvex
