#include "ui/images/png_image.h"

#include <gtest/gtest.h>
#include <png.h>

#include <array>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace lorvex {
namespace {

using Bytes = std::vector<unsigned char>;

Bytes encodePng(int width, int height, png_uint_32 format,
                const std::vector<std::uint8_t>& pixels) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = format;
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&image, nullptr, &size, 0, pixels.data(), 0, nullptr)) return {};
    Bytes bytes(size);
    if (!png_image_write_to_memory(&image, bytes.data(), &size, 0, pixels.data(), 0, nullptr)) {
        return {};
    }
    bytes.resize(size);
    return bytes;
}

// Three by two pixels, with every kind of alpha.
const std::vector<std::uint8_t> kSmallRgba = {
    255, 0, 0, 255, 0, 255, 0, 128, 0, 0, 255, 0, 10, 20, 30, 1, 40, 50, 60, 254, 200, 100, 50, 255,
};

Bytes smallPng() {
    return encodePng(3, 2, PNG_FORMAT_RGBA, kSmallRgba);
}

void appendBigEndian(Bytes& bytes, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) bytes.push_back((value >> shift) & 0xFF);
}

std::uint32_t crc32(const unsigned char* data, std::size_t size) {
    std::uint32_t crc = 0xFFFFFFFF;
    for (std::size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
    }
    return ~crc;
}

void appendChunk(Bytes& bytes, const char (&type)[5], const Bytes& data) {
    appendBigEndian(bytes, static_cast<std::uint32_t>(data.size()));
    const std::size_t typeStart = bytes.size();
    bytes.insert(bytes.end(), type, type + 4);
    bytes.insert(bytes.end(), data.begin(), data.end());
    appendBigEndian(bytes, crc32(bytes.data() + typeStart, bytes.size() - typeStart));
}

// Well-formed chunks around pixel data that does not match: enough for the header to be read.
Bytes claimingSize(std::uint32_t width, std::uint32_t height, bool withPixelData = true) {
    Bytes bytes = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Bytes header;
    appendBigEndian(header, width);
    appendBigEndian(header, height);
    header.insert(header.end(), {8, 6, 0, 0, 0});  // 8-bit RGBA, no interlace
    appendChunk(bytes, "IHDR", header);
    if (withPixelData) appendChunk(bytes, "IDAT", {0x78, 0x9C, 0x03, 0x00, 0x00, 0x00, 0x00, 0x01});
    appendChunk(bytes, "IEND", {});
    return bytes;
}

TEST(DecodePng, KeepsEveryRgbaValueExactly) {
    const auto image = decodePng(smallPng());
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->width, 3);
    EXPECT_EQ(image->height, 2);
    EXPECT_EQ(image->pixels, kSmallRgba);
}

TEST(DecodePng, TurnsGreyIntoOpaqueRgba) {
    const auto image = decodePng(encodePng(2, 1, PNG_FORMAT_GRAY, {0, 200}));
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->pixels, (std::vector<std::uint8_t>{0, 0, 0, 255, 200, 200, 200, 255}));
}

struct BadInput {
    const char* name;
    Bytes bytes;
};

void PrintTo(const BadInput& input, std::ostream* out) {
    *out << input.name;
}

class DecodePngRefuses : public testing::TestWithParam<BadInput> {};

TEST_P(DecodePngRefuses, WithNothing) {
    EXPECT_FALSE(decodePng(GetParam().bytes).has_value());
}

Bytes withFlippedByte(Bytes bytes, std::size_t index) {
    bytes[index] ^= 0x55;
    return bytes;
}

Bytes firstBytes(const Bytes& bytes, std::size_t count) {
    return Bytes(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(count));
}

std::size_t idatDataStart(const Bytes& png) {
    const std::string text(png.begin(), png.end());
    return text.find("IDAT") + 4;
}

INSTANTIATE_TEST_SUITE_P(
    Garbage, DecodePngRefuses,
    testing::Values(
        BadInput{"Empty", {}},
        BadInput{"PlainText", Bytes{'1', ' ', '2', ' ', '3', ' ', '4', ' ', '5', ' ', '6'}},
        BadInput{"SignatureOnly", firstBytes(smallPng(), 8)},
        BadInput{"SignatureOfAnotherFormat", Bytes{'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0}},
        BadInput{"HalfAFile", firstBytes(smallPng(), smallPng().size() / 2)},
        BadInput{"WithoutItsEnd", firstBytes(smallPng(), smallPng().size() - 12)},
        BadInput{"DamagedHeader", withFlippedByte(smallPng(), 17)},
        BadInput{"DamagedPixelData", withFlippedByte(smallPng(), idatDataStart(smallPng()) + 2)},
        BadInput{"TrailingBytes",
                 [] {
                     Bytes bytes = smallPng();
                     bytes.push_back(0);
                     return bytes;
                 }()},
        BadInput{"NoPixelData", claimingSize(3, 2, false)},
        BadInput{"PixelDataOfTheWrongSize", claimingSize(3, 2)},
        BadInput{"ZeroWidth", claimingSize(0, 2)},
        BadInput{"HugeImage", claimingSize(100'000, 100'000)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DecodePng, DecodesUpToTheSideLimitAndRefusesBeyond) {
    const std::vector<std::uint8_t> line(static_cast<std::size_t>(kMaxDecodedSide + 1) * 4, 7);
    const auto fits = [&](int width, int height) {
        return decodePng(encodePng(width, height, PNG_FORMAT_RGBA, line)).has_value();
    };
    EXPECT_TRUE(fits(kMaxDecodedSide, 1));
    EXPECT_TRUE(fits(1, kMaxDecodedSide));
    EXPECT_FALSE(fits(kMaxDecodedSide + 1, 1));
    EXPECT_FALSE(fits(1, kMaxDecodedSide + 1));
}

TEST(DecodePng, RefusesEveryTruncationOfAValidFile) {
    const Bytes png = smallPng();
    for (std::size_t length = 0; length < png.size(); ++length) {
        EXPECT_FALSE(decodePng(firstBytes(png, length)).has_value()) << length << " bytes";
    }
}

TEST(DecodePng, RefusesRandomBytesBehindAValidSignature) {
    std::uint32_t state = 12345;
    for (int attempt = 0; attempt < 200; ++attempt) {
        Bytes bytes = firstBytes(smallPng(), 8);
        for (int i = 0; i < 64; ++i) {
            state = state * 1664525 + 1013904223;
            bytes.push_back(static_cast<unsigned char>(state >> 24));
        }
        EXPECT_FALSE(decodePng(bytes).has_value()) << "attempt " << attempt;
    }
}

}  // namespace
}  // namespace lorvex
