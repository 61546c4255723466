#pragma once

// The inside of a Window, shared by the window's own code and WindowHost. Internal to the
// platform layer.

#include "platform/Controls.h"
#include "platform/Menu.h"
#include "platform/Window.h"
#include "platform/WindowFrame.h"

#include <functional>
#include <map>
#include <memory>
#include <vector>

class QEventLoop;
class QObject;

namespace platform {

struct Window::Impl {
    String className;
    String title;
    WindowProperties properties;
    std::shared_ptr<Picture> backdrop;
    std::shared_ptr<platform::MenuBar> menuBar;
    WindowWidgets widgets;
    QMenuBar* menuBarWidget = nullptr;
    std::vector<std::unique_ptr<Control>> owned;
    std::vector<Control*> registered; // in registration order
    std::map<String, std::function<bool()>> menuHandlers;
    std::vector<QEventLoop*> modalLoops;
    QObject* deletion = nullptr; // pending deleteLater of this window
    bool constructed = false;
    bool closing = false;
    bool closed = false;
    // Expires when the window is deleted; lets code that may outlive it tell.
    std::shared_ptr<bool> alive = std::make_shared<bool>(true);

    String handlerName(const char* event) const { return className + "." + event; }
};

} // namespace platform
