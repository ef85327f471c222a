#include "file_sink.h"

namespace lorvex {

WriteError StringSink::write(std::string_view bytes) {
    bytes_ += bytes;
    return {};
}

FileProducer producerOf(std::string_view bytes) {
    return [bytes](FileSink& sink) { return sink.write(bytes); };
}

}  // namespace lorvex
