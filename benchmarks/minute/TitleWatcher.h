#pragma once

// The main window's title as the X server holds it, which is what a window manager shows: a
// thread of its own, on a connection of its own, notes each change of the window's
// _NET_WM_NAME with the wall-clock time it arrived.

#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

struct xcb_connection_t;

namespace bench {

class TitleWatcher {
public:
    struct Change {
        std::int64_t wallNs;
        std::string title;
    };

    TitleWatcher(); // on $DISPLAY; watches nothing until watch()
    ~TitleWatcher();
    TitleWatcher(const TitleWatcher&) = delete;
    TitleWatcher& operator=(const TitleWatcher&) = delete;

    bool connected() const { return connection_ != nullptr; }
    void watch(std::uint32_t window);
    std::vector<Change> changes() const;

private:
    void run();

    xcb_connection_t* connection_ = nullptr;
    std::uint32_t netWmName_ = 0;
    std::uint32_t window_ = 0;
    mutable std::mutex mutex_;
    std::vector<Change> changes_;
    std::thread thread_;
};

} // namespace bench
