#pragma once

#include "platform/Exceptions.h"
#include "platform/Strings.h"
#include "platform/Window.h"

#include <climits>
#include <cstdint>
#include <functional>
#include <memory>

class QWidget;

namespace platform {

class Picture;

// The Index of a control that is not a member of a control array.
inline constexpr int kNotAnArrayMember = INT_MIN;

// A control's designer properties, applied by _SetProperties. One table for every kind of
// control. What takes effect: the place (Left, Top, Width, Height), TabIndex, TabStop,
// TextFont, and each kind's own entries (Label: Text, TextColor; PopupMenu: InitialValue,
// ListIndex; CheckBox: Caption; PushButton: Caption, Default, Cancel). The other entries are
// the designer's record of defaults the controls have anyway.
struct ControlProperties {
    String Name{};
    int Index = kNotAnArrayMember;
    int Left = 0, Top = 0, Width = 0, Height = 0;
    bool LockLeft = true, LockTop = true, LockRight = false, LockBottom = false;
    int TabPanelIndex = 0;
    int TabIndex = 0;
    bool TabStop = true;
    bool Enabled = true;
    bool Visible = true;
    String HelpTag{};
    bool AutoDeactivate = true;
    String InitialParent{};
    String TextFont = "Lucida Grande";
    bool Bold = false, Italic = false, Underline = false;
    // Label
    String Text{};
    int TextAlign = 0;
    Color TextColor{0, 0, 0};
    bool Multiline = false, Selectable = false, Transparent = false;
    // PopupMenu: the rows joined by CR (code 13), none after the last
    String InitialValue{};
    int ListIndex = 0;
    // CheckBox, PushButton
    String Caption{};
    int State = 0;
    bool Value = false;
    bool Default = false, Cancel = false;
    int ButtonStyle = 0;
    String DataSource{}, DataField{};
};

class Control {
public:
    virtual ~Control();

    String Name() const { return name_; }
    int Index = kNotAnArrayMember;
    // The window that owns the control.
    platform::Window* Window() const { return window_; }

    // Framework use: set by Window::newControl and Window::addControl.
    void _setWindow(platform::Window* window) { window_ = window; }
    void _setName(const String& name) { name_ = name; }

private:
    platform::Window* window_ = nullptr;
    String name_;
};

// How an unhandled-exception report names a control's Action handler: "window.control.Action".
String actionHandlerName(const Control& control, const char* kind);

// A control with a place in the content area and a widget.
class RectControl : public Control {
public:
    ~RectControl() override;

    // The framework's construction of the control: makes its widget in the owner's content.
    void Constructor();

    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    bool Enabled() const;
    bool Visible() const;
    int TabIndex() const { return tabIndex_; }
    bool TabStop() const { return tabStop_; }

    // Text size in pixels, as the sizes were designed on a 72-dpi desktop. Without it a
    // control keeps the toolkit's default size.
    void setTextSize(float size);
    // Pixels are the only unit (the designer's 0, its default): this changes nothing.
    void setTextUnit(int /*unit*/) {}

    virtual void _SetProperties(const ControlProperties& properties);

    QWidget* widget() const { return widget_; }

protected:
    virtual QWidget* createWidget(QWidget* parent) = 0;

private:
    QWidget* widget_ = nullptr; // owned by the window's content widget
    int tabIndex_ = 0;
    bool tabStop_ = true;
};

class Label : public RectControl {
public:
    String Text() const;
    void setText(const String& text);
    void _SetProperties(const ControlProperties& properties) override;

protected:
    QWidget* createWidget(QWidget* parent) override;
};

class CheckBox : public RectControl {
public:
    String Caption() const;
    void setCaption(const String& caption);
    bool Value() const;
    void setValue(bool value);
    void _SetProperties(const ControlProperties& properties) override;

protected:
    QWidget* createWidget(QWidget* parent) override;
};

class PopupMenu : public RectControl {
public:
    // The selected row, counted from 0; -1 when no row is selected.
    int ListIndex() const;
    // Selects the row; an index that names no row leaves no row selected.
    void setListIndex(int index);
    // The selected row's text; "" when no row is selected.
    String Text() const;
    int ListCount() const;
    String List(int row) const; // raises OutOfBoundsException outside the rows
    void DeleteAllRows();
    void AddRow(const String& text);
    void _SetProperties(const ControlProperties& properties) override;

protected:
    QWidget* createWidget(QWidget* parent) override;
};

class PushButton : public RectControl {
public:
    String Caption() const;
    void setCaption(const String& caption);
    bool isDefault() const { return default_; }
    bool isCancel() const { return cancel_; }
    // The Action handler, called under handleErrors when the button is pressed (a click, or
    // Return/Enter for the default button, Escape for the cancel button).
    void setAction(std::function<void(PushButton&)> action);
    void push(); // presses the button as a user would
    void _SetProperties(const ControlProperties& properties) override;

protected:
    QWidget* createWidget(QWidget* parent) override;

private:
    std::function<void(PushButton&)> action_;
    bool default_ = false, cancel_ = false;
};

class ImageWell : public RectControl {
public:
    std::shared_ptr<Picture> Image() const { return image_; }
    // Shows the picture scaled to fit the well; nil shows an empty well.
    void setImage(std::shared_ptr<Picture> picture);

protected:
    QWidget* createWidget(QWidget* parent) override;

private:
    std::shared_ptr<Picture> image_;
};

// A horizontal line.
class Separator : public RectControl {
protected:
    QWidget* createWidget(QWidget* parent) override;
};

struct TimerProperties {
    int Mode = 2;     // 0 off, 2 repeating
    int Period = 1000; // milliseconds
};

// A timer owned by a window; its Action runs on the event loop under handleErrors. A repeating
// timer ticks just after each multiple of its period on the wall clock: a 500 ms timer just
// after each whole and half second. Kept on the wall clock because the toolkit's own timers
// keep a grid of their own, which put the clock's ticks up to 470 ms after its seconds.
class Timer : public Control {
public:
    Timer();
    ~Timer() override;

    void Constructor();
    int Mode() const;
    int Period() const;
    void _SetProperties(const TimerProperties& properties);
    void setAction(std::function<void(Timer&)> action);
    void fire(); // runs the Action now, as a tick would

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

// When a repeating timer next ticks after `nowMs` (milliseconds since the epoch): 1 ms past the
// next multiple of the period, since the timer's clock and the wall clock may disagree by a
// fraction of a millisecond, and a tick at hh:mm:59.999 would still read the old minute.
std::int64_t nextTimerTick(std::int64_t nowMs, int periodMs);

// The control cast to its framework class; IllegalCastException when it is not one,
// NilObjectException when there is no control.
template <typename C>
C* controlAs(Control* control, const char* name)
{
    if (control == nullptr)
        throw NilObjectException(String("no control named ") + name);
    auto* cast = dynamic_cast<C*>(control);
    if (cast == nullptr)
        throw IllegalCastException(String("control ") + name + " is of another class");
    return cast;
}

} // namespace platform
