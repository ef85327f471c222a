#include "ui/qt/x11_window_type.h"

#include <QGuiApplication>
#include <QWidget>
#include <array>
#include <cstdlib>
#include <string_view>

#if LORVEX_HAVE_XCB && QT_CONFIG(xcb)
#include <xcb/xcb.h>
#endif

namespace lorvex::qt {

#if LORVEX_HAVE_XCB && QT_CONFIG(xcb)

namespace {

xcb_atom_t internAtom(xcb_connection_t* connection, std::string_view name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection,
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.data()),
        nullptr);
    if (reply == nullptr) return XCB_ATOM_NONE;
    const xcb_atom_t atom = reply->atom;
    std::free(reply);
    return atom;
}

}  // namespace

void markAsHelperWindow(QWidget& window) {
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr) return;
    xcb_connection_t* connection = x11->connection();
    // The window manager reads the type when the window is first mapped.
    const std::array<xcb_atom_t, 2> types = {internAtom(connection, "_NET_WM_WINDOW_TYPE_TOOLBAR"),
                                             internAtom(connection, "_NET_WM_WINDOW_TYPE_DIALOG")};
    const xcb_atom_t property = internAtom(connection, "_NET_WM_WINDOW_TYPE");
    if (property == XCB_ATOM_NONE || types[0] == XCB_ATOM_NONE) return;
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE,
                        static_cast<xcb_window_t>(window.winId()), property, XCB_ATOM_ATOM, 32,
                        static_cast<std::uint32_t>(types.size()), types.data());
    xcb_flush(connection);
}

#else

void markAsHelperWindow(QWidget&) {}

#endif

}  // namespace lorvex::qt
