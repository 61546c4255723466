#include "platform/Application.h"
#include "platform/Exceptions.h"
#include "platform/FrameworkState.h"

#include <exception>
#include <iostream>

namespace platform {

namespace {

void report(const String& text)
{
    const String line = "vemraViewer: " + text;
    framework::recordError(line);
    std::cerr << line << std::endl;
}

} // namespace

bool handleErrors(const char* handlerName, const std::function<void()>& action)
{
    return handleErrors([handlerName] { return String(handlerName != nullptr ? handlerName : "a handler"); },
                        action);
}

bool handleErrors(const std::function<String()>& handler, const std::function<void()>& action)
{
    try {
        action();
        return true;
    } catch (const RuntimeException& e) {
        report(String("unhandled ") + e.className() + " in " + handler() + ": " + e.Message);
    } catch (const std::exception& e) {
        report("unhandled exception in " + handler() + ": " + e.what());
    } catch (...) {
        report("unhandled exception of unknown kind in " + handler());
    }
    return false;
}

} // namespace platform
