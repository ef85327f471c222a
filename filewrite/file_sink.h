#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace lorvex {

// Bytes go out in pieces of at most this size: small enough that a signal is answered at once,
// large enough that the calls cost nothing.
inline constexpr std::size_t kChunkBytes = std::size_t{1} << 20;

// Why bytes could not be written: the system's error number (errno), or none.
class WriteError {
public:
    constexpr WriteError() = default;
    constexpr explicit WriteError(int number) : number_(number) {}

    constexpr int number() const { return number_; }
    constexpr explicit operator bool() const { return number_ != 0; }
    friend constexpr bool operator==(WriteError, WriteError) = default;

private:
    int number_ = 0;
};

// Where a producer puts a file's bytes, piece by piece.
class FileSink {
public:
    virtual ~FileSink() = default;
    // All of `bytes`, or why not; the producer stops at the first failure and returns it.
    virtual WriteError write(std::string_view bytes) = 0;
};

// Makes a file's bytes into the sink; returns the sink's first failure.
using FileProducer = std::function<WriteError(FileSink& sink)>;

// Gathers the pieces, where the bytes are wanted whole.
class StringSink final : public FileSink {
public:
    WriteError write(std::string_view bytes) override;
    const std::string& bytes() const { return bytes_; }

private:
    std::string bytes_;
};

// A producer for bytes that are already whole.
FileProducer producerOf(std::string_view bytes);

}  // namespace lorvex
