#pragma once

class QWidget;

namespace lorvex::qt {

// Tells an X11 window manager, before the window is first shown, that `window` is a small helper
// window of its owner and not a dialog of its own: openbox then draws no minimise or maximise
// button for it, which it does for every dialog whatever the Motif hints say. Elsewhere the
// type list falls back to a dialog. Does nothing on other platforms.
void markAsHelperWindow(QWidget& window);

}  // namespace lorvex::qt
