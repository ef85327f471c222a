#pragma once

namespace lorvex {

// Whether a window system is there to show the program's windows: an X11 or Wayland display,
// or a Qt platform named explicitly (such as "offscreen").
bool displayAvailable();

}  // namespace lorvex
