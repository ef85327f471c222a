#include "ui/images/png_image.h"

#include <png.h>

#include <algorithm>
#include <array>

namespace lorvex {
namespace {

// Every complete PNG ends with this empty IEND chunk. libpng stops reading after the pixel
// data, so without this check a file cut off after its pixels would pass as whole.
constexpr std::array<unsigned char, 12> kEndChunk = {0,   0,   0,    0,    'I',  'E',
                                                     'N', 'D', 0xAE, 0x42, 0x60, 0x82};

bool endsWithEndChunk(std::span<const unsigned char> bytes) {
    return bytes.size() >= kEndChunk.size() &&
           std::equal(kEndChunk.begin(), kEndChunk.end(), bytes.end() - kEndChunk.size());
}

// Frees libpng's state however decoding ends; png_image_free accepts a freed image.
class PngReader {
public:
    PngReader() { image_.version = PNG_IMAGE_VERSION; }
    PngReader(const PngReader&) = delete;
    PngReader& operator=(const PngReader&) = delete;
    ~PngReader() { png_image_free(&image_); }

    png_image& image() { return image_; }

private:
    png_image image_{};
};

}  // namespace

std::optional<RgbaImage> decodePng(std::span<const unsigned char> bytes) {
    if (!endsWithEndChunk(bytes)) return std::nullopt;
    PngReader reader;
    png_image& image = reader.image();
    if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) return std::nullopt;
    // Checked before any pixel memory is taken: a header may claim a huge image.
    constexpr auto maxSide = static_cast<png_uint_32>(kMaxDecodedSide);
    if (image.width == 0 || image.height == 0 || image.width > maxSide || image.height > maxSide) {
        return std::nullopt;
    }
    image.format = PNG_FORMAT_RGBA;
    RgbaImage decoded;
    decoded.width = static_cast<int>(image.width);
    decoded.height = static_cast<int>(image.height);
    decoded.pixels.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, decoded.pixels.data(), 0, nullptr)) {
        return std::nullopt;
    }
    return decoded;
}

}  // namespace lorvex
