#include "TitleWatcher.h"

#include "DeviceOutput.h"

#include <xcb/xcb.h>

#include <sys/socket.h>

#include <cstdlib>
#include <cstring>

namespace bench {

TitleWatcher::TitleWatcher()
{
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        xcb_disconnect(connection);
        return;
    }
    const char name[] = "_NET_WM_NAME";
    xcb_intern_atom_reply_t* atom =
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, sizeof name - 1, name), nullptr);
    if (atom == nullptr) {
        xcb_disconnect(connection);
        return;
    }
    netWmName_ = atom->atom;
    std::free(atom);
    connection_ = connection;
    thread_ = std::thread([this] { run(); });
}

TitleWatcher::~TitleWatcher()
{
    if (connection_ == nullptr)
        return;
    // Ends the thread's wait: the connection fails, and xcb_wait_for_event returns null.
    ::shutdown(xcb_get_file_descriptor(connection_), SHUT_RDWR);
    thread_.join();
    xcb_disconnect(connection_);
}

void TitleWatcher::watch(std::uint32_t window)
{
    if (connection_ == nullptr)
        return;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        window_ = window;
    }
    // Event masks are each client's own: the clock leaving property changes out of its mask
    // does not take them out of this one.
    const std::uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_change_window_attributes(connection_, window, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection_);
}

std::vector<TitleWatcher::Change> TitleWatcher::changes() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return changes_;
}

void TitleWatcher::run()
{
    while (xcb_generic_event_t* event = xcb_wait_for_event(connection_)) {
        const std::int64_t arrived = wallNs();
        const bool titleChanged = (event->response_type & 0x7f) == XCB_PROPERTY_NOTIFY
            && reinterpret_cast<xcb_property_notify_event_t*>(event)->atom == netWmName_
            && reinterpret_cast<xcb_property_notify_event_t*>(event)->state == XCB_PROPERTY_NEW_VALUE;
        const xcb_window_t window = reinterpret_cast<xcb_property_notify_event_t*>(event)->window;
        std::free(event);
        if (!titleChanged)
            continue;
        xcb_get_property_reply_t* reply = xcb_get_property_reply(
            connection_, xcb_get_property(connection_, 0, window, netWmName_, XCB_GET_PROPERTY_TYPE_ANY, 0, 256), nullptr);
        if (reply == nullptr)
            continue;
        std::string title(static_cast<const char*>(xcb_get_property_value(reply)),
                          std::size_t(xcb_get_property_value_length(reply)));
        std::free(reply);
        std::lock_guard<std::mutex> lock(mutex_);
        if (window == window_)
            changes_.push_back({arrived, std::move(title)});
    }
}

} // namespace bench
