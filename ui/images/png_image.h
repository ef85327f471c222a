#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace lorvex {

struct RgbaImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;  // RGBA, row-major, straight alpha
};

// Images wider or higher than this are refused rather than decoded.
inline constexpr int kMaxDecodedSide = 4096;

// The image in PNG bytes as 8-bit RGBA, whatever its colour type and depth; nothing for bytes
// that are not a complete, valid PNG (cut short, damaged, or followed by anything after its end
// chunk) or that describe an image above kMaxDecodedSide.
std::optional<RgbaImage> decodePng(std::span<const unsigned char> bytes);

}  // namespace lorvex
