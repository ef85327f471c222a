#include "report_stream.h"

#include "core/text/conversions.h"

namespace lorvex {

WriteError streamReportBytes(ReportWriter writer, const ReportData& data, FileSink& sink) {
    std::string pending;
    pending.reserve(kChunkBytes + 4096);
    WriteError failure;
    writer(data, [&](std::string_view line) {
        if (failure) return;
        appendLatin1(pending, line);
        pending += "\r\n";
        if (pending.size() < kChunkBytes) return;
        failure = sink.write(pending);
        pending.clear();
    });
    if (failure || pending.empty()) return failure;
    return sink.write(pending);
}

std::string reportBytes(ReportWriter writer, const ReportData& data) {
    StringSink bytes;
    streamReportBytes(writer, data, bytes);
    return bytes.bytes();
}

}  // namespace lorvex
