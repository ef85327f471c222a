#include "system_cache.h"

#include <bit>

#include "builder/design/bits.h"
#include "builder/design/verification.h"
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

std::vector<builder::Row> cachedSystem(const std::string& path,
                                       const builder::BuildRequest& request) {
    SystemTable table;
    if (readSystemFile(path, table, {}, RowOrder::AsWritten).outcome != LoadOutcome::Loaded)
        return {};
    std::vector<builder::Row> rows;
    if (builder::playerRowsOnSystemNumbers(table.rows(), {}, rows)) return {};
    const builder::Block numbers = builder::pointsBelow(request.numbers);
    for (const builder::Row row : rows) {
        if ((row.numbers & ~numbers) != 0 || std::popcount(row.numbers) != builder::ROW_SIZE)
            return {};
    }
    const builder::Verification proof =
        builder::verifyRows(request.numbers, builder::numbersOf(rows), builder::keyMask(request),
                            request.drawn, request.guarantee);
    if (!proof.met()) return {};
    return rows;
}

void keepSystem(const std::string& folder, const std::string& name,
                std::span<const builder::Row> rows) {
    (void)writeCacheFile(folder, name, builder::systemText(rows));
}

}  // namespace lorvex
