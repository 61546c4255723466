#pragma once

// A window for GUI tests: it logs its events and runs whatever a test scripts for each of them.

#include "platform/Controls.h"
#include "platform/Window.h"
#include "support/TestRuntime.h"

#include <gtest/gtest.h>

#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vemra::test {

using EventLog = std::vector<std::string>;

class ScriptedWindow : public platform::Window {
public:
    static constexpr const char* kClassName = "test.ScriptedWindow";

    ScriptedWindow() : platform::Window(kClassName) {}
    ~ScriptedWindow() override { ++destroyed(); }

    // Windows of this class deleted so far in the process.
    static int& destroyed()
    {
        static int count = 0;
        return count;
    }

    // Outlives the window, so a test can read it after the window has gone.
    std::shared_ptr<EventLog> log = std::make_shared<EventLog>();
    platform::WindowProperties properties = defaultProperties();

    std::function<void(ScriptedWindow&)> onLayout, onCreateControls, onAddMenuHandlers, onOpen, onClose;
    std::function<void(ScriptedWindow&, int, int)> onMouseDown;

    static platform::WindowProperties defaultProperties()
    {
        platform::WindowProperties p;
        p.Width = 320;
        p.Height = 480;
        p.Title = "scripted";
        return p;
    }

    QWidget* frame() const { return contentWidget()->window(); }

    using platform::Window::addControl;

    // A control of kind C made, registered, constructed and given its properties as the
    // program's CreateControls steps do.
    template <typename C>
    C* addControl(const std::string& name, platform::ControlProperties p, int index = platform::kNotAnArrayMember)
    {
        C* control = newControl<C>();
        control->Index = index;
        control->Constructor();
        addControl(name, control);
        p.Name = name;
        p.Index = index;
        control->_SetProperties(p);
        return control;
    }

protected:
    void Layout() override { run("Layout", onLayout, [this] { _SetProperties(properties); }); }
    void CreateControls() override { run("CreateControls", onCreateControls); }
    void AddMenuHandlers(platform::Window& window) override
    {
        EXPECT_EQ(&window, this);
        run("AddMenuHandlers", onAddMenuHandlers);
    }
    void Event_Open() override { run("Open", onOpen); }
    void Event_Close() override { run("Close", onClose); }
    bool Event_MouseDown(int x, int y) override
    {
        log->push_back("MouseDown " + std::to_string(x) + "," + std::to_string(y));
        if (onMouseDown)
            onMouseDown(*this, x, y);
        return false;
    }

private:
    void run(const char* event, const std::function<void(ScriptedWindow&)>& hook,
             const std::function<void()>& standard = {})
    {
        log->push_back(event);
        if (standard)
            standard();
        if (hook)
            hook(*this);
    }
};

// Makes a window, lets the test script it, then constructs it as the implicit accessor would.
inline ScriptedWindow* openScripted(const std::function<void(ScriptedWindow&)>& script = {})
{
    auto* window = new ScriptedWindow;
    if (script)
        script(*window);
    window->Constructor();
    return window;
}

// Starts the framework and leaves no window, quit request or pending deletion behind.
class ScriptedWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

} // namespace vemra::test
