#include "ui/images/embedded_images.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#include "ui/images/png_image.h"

namespace lorvex {
namespace {

struct ExpectedImage {
    const char* name;
    ImageId id;
    const char* file;  // below resources/
    int side;
    bool centreOpaque;  // the gear wheel has a hole in its centre
};

const ExpectedImage kImages[] = {
    {"Open", ImageId::Open, "images/open.png", 16, true},
    {"Paste", ImageId::Paste, "images/paste.png", 16, true},
    {"SaveTxt", ImageId::SaveTxt, "images/save_txt.png", 16, true},
    {"SaveHtml", ImageId::SaveHtml, "images/save_html.png", 16, true},
    {"Analyse", ImageId::Analyse, "images/analyse.png", 16, false},
    {"Help", ImageId::Help, "images/help.png", 16, true},
    {"Info", ImageId::Info, "images/info.png", 16, true},
    {"Icon16", ImageId::Icon16, "icons/lorvex-16.png", 16, true},
    {"Icon32", ImageId::Icon32, "icons/lorvex-32.png", 32, true},
};

void PrintTo(const ExpectedImage& image, std::ostream* out) {
    *out << image.file;
}

std::uint8_t alphaAt(const RgbaImage& image, int x, int y) {
    return image.pixels[static_cast<std::size_t>((y * image.width + x) * 4 + 3)];
}

class EmbeddedImage : public testing::TestWithParam<ExpectedImage> {};

TEST_P(EmbeddedImage, IsTheResourceFileByteForByte) {
    std::ifstream file(std::string(LORVEX_RESOURCES_DIR) + "/" + GetParam().file, std::ios::binary);
    ASSERT_TRUE(file) << GetParam().file;
    const std::vector<unsigned char> onDisk{std::istreambuf_iterator<char>(file), {}};
    const auto embedded = embeddedPng(GetParam().id);
    EXPECT_EQ(std::vector<unsigned char>(embedded.begin(), embedded.end()), onDisk);
}

TEST_P(EmbeddedImage, DecodesToItsSizeOnATransparentBackground) {
    const auto image = decodePng(embeddedPng(GetParam().id));
    ASSERT_TRUE(image.has_value());
    const int side = GetParam().side;
    ASSERT_EQ(image->width, side);
    ASSERT_EQ(image->height, side);
    ASSERT_EQ(image->pixels.size(), static_cast<std::size_t>(side * side * 4));
    EXPECT_EQ(alphaAt(*image, 0, 0), 0) << "top-left corner";
    const int centre = side / 2;
    if (GetParam().centreOpaque) {
        EXPECT_EQ(alphaAt(*image, centre, centre), 255);
    } else {
        EXPECT_EQ(alphaAt(*image, centre, centre), 0);
    }
    int opaque = 0;
    int partial = 0;
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const auto alpha = alphaAt(*image, x, y);
            opaque += alpha == 255;
            partial += alpha > 0 && alpha < 255;
        }
    }
    EXPECT_GT(opaque, side * side / 3) << "a picture, not a speck";
    EXPECT_GT(partial, 0) << "anti-aliased edges keep their partial alpha";
}

INSTANTIATE_TEST_SUITE_P(AllImages, EmbeddedImage, testing::ValuesIn(kImages),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lorvex
