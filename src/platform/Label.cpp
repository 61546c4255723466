#include "platform/Controls.h"

#include "platform/ControlText.h"

#include <QLabel>

namespace platform {

namespace {

QLabel* label(QWidget* widget) { return static_cast<QLabel*>(widget); }

Qt::Alignment alignment(int textAlign)
{
    switch (textAlign) {
    case 2: return Qt::AlignHCenter | Qt::AlignVCenter;
    case 3: return Qt::AlignRight | Qt::AlignVCenter;
    default: return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

} // namespace

QWidget* Label::createWidget(QWidget* parent)
{
    auto* widget = new QLabel(parent);
    widget->setTextFormat(Qt::PlainText); // the text shows as it is, markup included
    widget->setFocusPolicy(Qt::NoFocus);
    return widget;
}

String Label::Text() const { return widget() != nullptr ? fromQString(label(widget())->text()) : String(); }

void Label::setText(const String& text)
{
    if (widget() == nullptr)
        throw NilObjectException("label " + Name() + " is not constructed");
    label(widget())->setText(toQString(text));
}

void Label::_SetProperties(const ControlProperties& properties)
{
    ControlProperties own = properties;
    own.TabStop = false; // a label is never a tab stop
    RectControl::_SetProperties(own);
    QLabel* widget = label(this->widget());
    applyTextStyle(*widget, properties);
    setText(properties.Text);
    widget->setAlignment(alignment(properties.TextAlign));
    widget->setWordWrap(properties.Multiline);
    widget->setTextInteractionFlags(properties.Selectable ? Qt::TextSelectableByMouse : Qt::NoTextInteraction);
    QPalette palette = widget->palette();
    const Color& c = properties.TextColor;
    palette.setColor(QPalette::WindowText, QColor(c.red, c.green, c.blue));
    widget->setPalette(palette);
}

} // namespace platform
