#include "report_stream.h"

#include "core/conversions.h"

namespace lorvex {

namespace {

constexpr std::size_t kChunkBytes = std::size_t{1} << 20;

}  // namespace

bool streamReportBytes(ReportWriter writer, const ReportData& data, const ChunkSink& sink) {
    std::string pending;
    pending.reserve(kChunkBytes + 4096);
    bool going = true;
    writer(data, [&](std::string_view line) {
        if (!going) return;
        appendLatin1(pending, line);
        pending += "\r\n";
        if (pending.size() < kChunkBytes) return;
        going = sink(pending);
        pending.clear();
    });
    return going && (pending.empty() || sink(pending));
}

std::string reportBytes(ReportWriter writer, const ReportData& data) {
    std::string bytes;
    streamReportBytes(writer, data, [&bytes](std::string_view piece) {
        bytes += piece;
        return true;
    });
    return bytes;
}

}  // namespace lorvex
