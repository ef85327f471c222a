#include "descriptor_output.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "output_signals.h"

namespace lorvex {

namespace {

bool waitUntilWritable(int fd) {
    pollfd output{fd, POLLOUT, 0};
    return ::poll(&output, 1, -1) >= 0 || errno == EINTR;
}

}  // namespace

WriteError DescriptorSink::write(std::string_view bytes) {
    const FileSizeSignalIgnored sizeSignal;
    while (!bytes.empty()) {
        if (held_ != nullptr && held_->arrived()) return WriteError(EINTR);
        const ssize_t written = ::write(fd_, bytes.data(), std::min(bytes.size(), kChunkBytes));
        if (written < 0) {
            if (errno == EINTR) continue;
            if ((errno == EAGAIN || errno == EWOULDBLOCK) && waitUntilWritable(fd_)) continue;
            return WriteError(errno);
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return {};
}

OutputThroughDescriptor::OutputThroughDescriptor(std::ostream& stream, int fd)
    : stream_(stream), previous_(stream.rdbuf()), sink_(fd) {
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    stream_.rdbuf(this);
}

OutputThroughDescriptor::~OutputThroughDescriptor() {
    sync();
    stream_.rdbuf(previous_);
}

OutputThroughDescriptor::int_type OutputThroughDescriptor::overflow(int_type c) {
    if (sync() != 0) return traits_type::eof();
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
    return c;
}

int OutputThroughDescriptor::sync() {
    const std::string_view pending(pbase(), static_cast<std::size_t>(pptr() - pbase()));
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    const WriteError error = sink_.write(pending);
    if (!error) return 0;
    errno = error.number();  // for the caller's message, the moment the stream fails
    return -1;
}

}  // namespace lorvex
