#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string_view>

#include "core/system/system_table.h"

// Shared pieces of the fuzz targets: a failed invariant aborts with its description, so that
// libFuzzer records the input; FuzzInput hands out the input bytes as typed values.
namespace lorvex::fuzz {

inline void require(bool holds, const char* invariant) {
    if (holds) return;
    std::fprintf(stderr, "invariant broken: %s\n", invariant);
    std::abort();
}

// The table is allocated once: its fixed storage of 9,999 rows would otherwise dominate each run.
// Every run starts by clearing it, as every load does.
inline lorvex::SystemTable& reusedTable() {
    static lorvex::SystemTable table;
    table.clear();
    return table;
}

// Reads values from the front of the input; past its end every value is zero.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : bytes_(data, size) {}

    std::uint8_t byte() {
        if (bytes_.empty()) return 0;
        const std::uint8_t value = bytes_.front();
        bytes_ = bytes_.subspan(1);
        return value;
    }

    template <typename Unsigned>
    Unsigned bits() {
        Unsigned value = 0;
        for (std::size_t i = 0; i < sizeof(Unsigned); ++i)
            value = static_cast<Unsigned>(value << 8 | byte());
        return value;
    }

    // A number in 0..limit - 1 (limit > 0).
    std::uint32_t below(std::uint32_t limit) { return bits<std::uint32_t>() % limit; }

    std::string_view rest() {
        const std::string_view result(reinterpret_cast<const char*>(bytes_.data()), bytes_.size());
        bytes_ = {};
        return result;
    }

private:
    std::span<const std::uint8_t> bytes_;
};

}  // namespace lorvex::fuzz
