#pragma once

#include <array>
#include <ostream>
#include <streambuf>
#include <string_view>

#include "file_sink.h"

namespace lorvex {

class EndSignalsHeld;

// Writes into an open descriptor as it is: no seeking, no truncation, so a descriptor opened
// for appending appends. A descriptor left non-blocking (O_NONBLOCK) by whoever handed it over
// is waited for, never given up. With `held`, a signal to end the program stops the write
// with EINTR between two pieces.
class DescriptorSink final : public FileSink {
public:
    explicit DescriptorSink(int fd, const EndSignalsHeld* held = nullptr) : fd_(fd), held_(held) {}
    WriteError write(std::string_view bytes) override;

private:
    int fd_;
    const EndSignalsHeld* held_;
};

// Sends what `stream` gets (standard output, say) through DescriptorSink to `fd` while it
// lives, and gives the stream its own buffer back afterwards. The stream fails where the
// descriptor does, errno then telling why; a closed pipe ends the program through SIGPIPE, as
// it ends other tools.
class OutputThroughDescriptor final : private std::streambuf {
public:
    OutputThroughDescriptor(std::ostream& stream, int fd);
    ~OutputThroughDescriptor() override;
    OutputThroughDescriptor(const OutputThroughDescriptor&) = delete;
    OutputThroughDescriptor& operator=(const OutputThroughDescriptor&) = delete;

private:
    int_type overflow(int_type c) override;
    int sync() override;

    std::ostream& stream_;
    std::streambuf* previous_;
    DescriptorSink sink_;
    std::array<char, std::size_t{1} << 16> buffer_{};
};

}  // namespace lorvex
