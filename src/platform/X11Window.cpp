#include "platform/X11Window.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QWidget>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace platform::x11 {

namespace {

xcb_atom_t internAtom(xcb_connection_t* connection, const char* name)
{
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr);
    if (reply == nullptr)
        return XCB_ATOM_NONE;
    const xcb_atom_t atom = reply->atom;
    std::free(reply);
    return atom;
}

struct Server {
    xcb_connection_t* connection = nullptr; // none when not on X11
    xcb_atom_t netWmName = XCB_ATOM_NONE;
    xcb_atom_t utf8String = XCB_ATOM_NONE;
};

// The application's X server, looked up once per application: finding the toolkit's X11
// interface costs as much as a rename, and the atoms a round trip each.
const Server& server()
{
    static QPointer<QCoreApplication> lookedUpFor;
    static Server cached;
    if (lookedUpFor.isNull() || lookedUpFor != QCoreApplication::instance()) {
        cached = Server();
        lookedUpFor = QCoreApplication::instance();
        auto* x11 = qGuiApp != nullptr && QGuiApplication::platformName() == QLatin1String("xcb")
            ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>()
            : nullptr;
        if (x11 != nullptr && x11->connection() != nullptr) {
            cached.connection = x11->connection();
            cached.netWmName = internAtom(cached.connection, "_NET_WM_NAME");
            cached.utf8String = internAtom(cached.connection, "UTF8_STRING");
        }
    }
    return cached;
}

// The window on the server; 0 while the toolkit has not made it.
xcb_window_t serverWindow(QWidget* frame)
{
    return frame->testAttribute(Qt::WA_WState_Created) ? static_cast<xcb_window_t>(frame->internalWinId()) : 0;
}

bool isPrintableAscii(const String& text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= 0x20 && c < 0x7f; });
}

} // namespace

void stopPropertyChangeEvents(QWidget* frame)
{
    xcb_connection_t* connection = server().connection;
    const xcb_window_t window = serverWindow(frame);
    if (connection == nullptr || window == 0)
        return;
    xcb_get_window_attributes_reply_t* attributes =
        xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, window), nullptr);
    if (attributes == nullptr)
        return;
    const std::uint32_t mask = attributes->your_event_mask & ~std::uint32_t(XCB_EVENT_MASK_PROPERTY_CHANGE);
    std::free(attributes);
    xcb_change_window_attributes(connection, window, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);
}

bool setTitle(QWidget* frame, const String& title)
{
    if (title.empty() || title.size() > 4096 || !isPrintableAscii(title))
        return false;
    const Server& x = server();
    const xcb_window_t window = serverWindow(frame);
    if (x.connection == nullptr || window == 0 || x.netWmName == XCB_ATOM_NONE || x.utf8String == XCB_ATOM_NONE)
        return false;
    xcb_connection_t* connection = x.connection;
    const auto length = static_cast<std::uint32_t>(title.size());
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, x.netWmName, x.utf8String, 8, length,
                        title.data());
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8, length,
                        title.data());
    xcb_flush(connection);
    return true;
}

} // namespace platform::x11
