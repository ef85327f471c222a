#pragma once

#include <QIcon>
#include <array>

namespace lorvex::qt {

// The toolbar images in toolbar order (open, paste, save text, save HTML, analyse, help,
// info) and the application icon, decoded once at start-up. An image that fails to decode
// stays empty; the program starts anyway.
struct ProgramImages {
    std::array<QIcon, 7> toolbar;
    QIcon application;
};

ProgramImages decodeProgramImages();

}  // namespace lorvex::qt
