#include "platform/Controls.h"

#include "platform/ControlText.h"
#include "platform/Exceptions.h"

#include <QWidget>

#include <algorithm>

namespace platform {

Control::~Control() = default;

RectControl::~RectControl()
{
    if (widget_ != nullptr) {
        QObject::disconnect(widget_, &QObject::destroyed, nullptr, nullptr);
        delete widget_;
    }
}

void RectControl::Constructor()
{
    if (widget_ != nullptr)
        return;
    if (Window() == nullptr)
        throw NilObjectException("control " + Name() + " has no window");
    widget_ = createWidget(Window()->contentWidget());
    // Should the content area go first, the control must not keep a dangling widget.
    QObject::connect(widget_, &QObject::destroyed, [this] { widget_ = nullptr; });
    widget_->setObjectName(toQString(Name()));
    tabStopFocusPolicy_ = int(widget_->focusPolicy());
    widget_->show();
}

namespace {

QWidget& constructed(QWidget* widget, const String& name)
{
    if (widget == nullptr)
        throw NilObjectException("control " + name + " is not constructed");
    return *widget;
}

} // namespace

int RectControl::Left() const { return widget_ != nullptr ? widget_->x() : 0; }
int RectControl::Top() const { return widget_ != nullptr ? widget_->y() : 0; }
int RectControl::Width() const { return widget_ != nullptr ? widget_->width() : 0; }
int RectControl::Height() const { return widget_ != nullptr ? widget_->height() : 0; }
bool RectControl::Enabled() const { return widget_ != nullptr && widget_->isEnabled(); }
bool RectControl::Visible() const { return widget_ != nullptr && !widget_->isHidden(); }

void RectControl::setTextSize(float points)
{
    textSize_ = points;
    applyTextSize(constructed(widget_, Name()), textSize_, textUnit_);
}

void RectControl::setTextUnit(int unit)
{
    textUnit_ = unit;
    applyTextSize(constructed(widget_, Name()), textSize_, textUnit_);
}

void RectControl::_SetProperties(const ControlProperties& properties)
{
    QWidget& widget = constructed(widget_, Name());
    widget.setGeometry(properties.Left, properties.Top, std::max(0, properties.Width),
                       std::max(0, properties.Height));
    widget.setEnabled(properties.Enabled);
    widget.setVisible(properties.Visible);
    widget.setToolTip(toQString(properties.HelpTag));
    tabIndex_ = properties.TabIndex;
    tabStop_ = properties.TabStop;
    widget.setFocusPolicy(tabStop_ ? Qt::FocusPolicy(tabStopFocusPolicy_) : Qt::NoFocus);
}

} // namespace platform
