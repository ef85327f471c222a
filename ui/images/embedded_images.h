#pragma once

#include <span>

// The toolbar images and the application icon, compiled into the program as PNG file bytes.
namespace lorvex {

enum class ImageId { Open, Paste, SaveTxt, SaveHtml, Analyse, Help, Info, Icon16, Icon32 };

// The PNG bytes of one image; they live as long as the program.
std::span<const unsigned char> embeddedPng(ImageId id);

}  // namespace lorvex
