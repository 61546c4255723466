#include "platform/Controls.h"

#include "platform/ActionHandlerName.h"
#include "platform/Application.h"
#include "platform/ControlText.h"

#include <QKeyEvent>
#include <QPushButton>

namespace platform {

namespace {

// Keys never press a button by having it focused: Return/Enter and Escape go on to the window,
// which presses its default or cancel button.
class KeylessButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        switch (event->key()) {
        case Qt::Key_Space:
        case Qt::Key_Select:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            event->ignore();
            return;
        default:
            QPushButton::keyPressEvent(event);
        }
    }
};

QPushButton& button(QWidget* widget, const String& name)
{
    if (widget == nullptr)
        throw NilObjectException("push button " + name + " is not constructed");
    return *static_cast<QPushButton*>(widget);
}

} // namespace

QWidget* PushButton::createWidget(QWidget* parent)
{
    auto* widget = new KeylessButton(parent);
    widget->setAutoDefault(false);
    QObject::connect(widget, &QPushButton::clicked, widget, [this] {
        const auto action = action_; // the handler may replace it
        handleErrors(actionHandlerName(*this, "PushButton").c_str(), [&] {
            if (action)
                action(*this);
        });
    });
    return widget;
}

String PushButton::Caption() const
{
    return widget() != nullptr ? fromLiteralCaption(static_cast<QPushButton*>(widget())->text()) : String();
}

void PushButton::setCaption(const String& caption) { button(widget(), Name()).setText(literalCaption(caption)); }

bool PushButton::isDefault() const { return default_; }
bool PushButton::isCancel() const { return cancel_; }

void PushButton::setAction(std::function<void(PushButton&)> action) { action_ = std::move(action); }

void PushButton::push() { button(widget(), Name()).click(); }

void PushButton::_SetProperties(const ControlProperties& properties)
{
    RectControl::_SetProperties(properties);
    QPushButton& widget = button(this->widget(), Name());
    applyTextStyle(widget, properties);
    setCaption(properties.Caption);
    default_ = properties.Default;
    cancel_ = properties.Cancel;
    widget.setDefault(default_);
}

} // namespace platform
