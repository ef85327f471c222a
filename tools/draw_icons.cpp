// Draws Lorvex's seven toolbar images and its application icon and writes them as PNG files:
//   lorvex-draw-icons <image folder> <icon folder>
// Run it after changing a picture, and keep the PNG files it writes with the sources:
//   cmake --build <build folder> --target lorvex-redraw-icons

#include <png.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "tools/app_icon.h"
#include "tools/icon_canvas.h"
#include "tools/toolbar_images.h"

namespace lorvex::icons {
namespace {

bool writePng(const Canvas& canvas, const std::string& path) {
    const std::vector<std::uint8_t> pixels = canvas.rgbaBytes();
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(canvas.pixels());
    image.height = static_cast<png_uint_32>(canvas.pixels());
    image.format = PNG_FORMAT_RGBA;
    const bool written =
        png_image_write_to_file(&image, path.c_str(), 0, pixels.data(), 0, nullptr) != 0;
    if (!written) std::fprintf(stderr, "%s: %s\n", path.c_str(), image.message);
    png_image_free(&image);
    return written;
}

struct ToolbarImage {
    const char* fileName;
    void (*draw)(Canvas&);
};

constexpr ToolbarImage kToolbarImages[] = {
    {"open.png", drawOpen},          {"paste.png", drawPaste},     {"save_txt.png", drawSaveText},
    {"save_html.png", drawSaveHtml}, {"analyse.png", drawAnalyse}, {"help.png", drawHelp},
    {"info.png", drawInfo},
};

const IconLayout kIconLayouts[] = {
    {16, 1, 1, 1, 3, 3, {0, 4, 8}},
    {32, 1, 1, 1, 3, 3, {1, 3, 8}},
    {48, 1, 1, 1.6f, 4, 4, {1, 4, 10, 15}},
    {128, 3, 2, 1.6f, 7, 7, {2, 9, 15, 26, 37, 44}},
    {256, 5, 3, 1.6f, 7, 7, {2, 9, 15, 33, 37, 44}},
};

int run(const std::string& imageFolder, const std::string& iconFolder) {
    std::error_code ignored;  // a folder that cannot be made shows up as a failed write
    std::filesystem::create_directories(imageFolder, ignored);
    std::filesystem::create_directories(iconFolder, ignored);
    bool allWritten = true;
    for (const ToolbarImage& picture : kToolbarImages) {
        Canvas canvas(16, 16);
        picture.draw(canvas);
        allWritten = writePng(canvas, imageFolder + "/" + picture.fileName) && allWritten;
    }
    for (const IconLayout& layout : kIconLayouts) {
        Canvas canvas(layout.pixels, static_cast<float>(layout.pixels));
        drawAppIcon(canvas, layout);
        const std::string name = "lorvex-" + std::to_string(layout.pixels) + ".png";
        allWritten = writePng(canvas, iconFolder + "/" + name) && allWritten;
    }
    return allWritten ? 0 : 1;
}

}  // namespace
}  // namespace lorvex::icons

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <image folder> <icon folder>\n", argv[0]);
        return 2;
    }
    return lorvex::icons::run(argv[1], argv[2]);
}
