#include "platform/Controls.h"

#include "platform/ControlText.h"

#include <QCheckBox>

namespace platform {

namespace {

QCheckBox& box(QWidget* widget, const String& name)
{
    if (widget == nullptr)
        throw NilObjectException("check box " + name + " is not constructed");
    return *static_cast<QCheckBox*>(widget);
}

} // namespace

QWidget* CheckBox::createWidget(QWidget* parent) { return new QCheckBox(parent); }

String CheckBox::Caption() const
{
    return widget() != nullptr ? fromLiteralCaption(static_cast<QCheckBox*>(widget())->text()) : String();
}

void CheckBox::setCaption(const String& caption) { box(widget(), Name()).setText(literalCaption(caption)); }

bool CheckBox::Value() const
{
    return widget() != nullptr && static_cast<QCheckBox*>(widget())->checkState() == Qt::Checked;
}

void CheckBox::setValue(bool value)
{
    QCheckBox& widget = box(this->widget(), Name());
    widget.setTristate(false);
    widget.setChecked(value);
}

void CheckBox::_SetProperties(const ControlProperties& properties)
{
    RectControl::_SetProperties(properties);
    QCheckBox& widget = box(this->widget(), Name());
    applyTextStyle(widget, properties);
    setCaption(properties.Caption);
    if (properties.State == 2) {
        widget.setTristate(true);
        widget.setCheckState(Qt::PartiallyChecked);
    } else {
        setValue(properties.Value);
    }
}

} // namespace platform
