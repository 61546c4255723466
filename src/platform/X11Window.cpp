#include "platform/X11Window.h"

#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>

namespace platform::x11 {

void stopPropertyChangeEvents(QWidget* frame)
{
    auto* x11 = qGuiApp != nullptr && QGuiApplication::platformName() == QLatin1String("xcb")
                    ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>()
                    : nullptr;
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    if (connection == nullptr || !frame->testAttribute(Qt::WA_WState_Created))
        return;
    const auto window = static_cast<xcb_window_t>(frame->internalWinId());
    xcb_get_window_attributes_reply_t* attributes =
        xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, window), nullptr);
    if (attributes == nullptr)
        return;
    const std::uint32_t mask = attributes->your_event_mask & ~std::uint32_t(XCB_EVENT_MASK_PROPERTY_CHANGE);
    std::free(attributes);
    xcb_change_window_attributes(connection, window, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);
}

} // namespace platform::x11
