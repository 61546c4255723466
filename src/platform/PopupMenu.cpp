#include "platform/Controls.h"

#include "platform/ControlText.h"

#include <QComboBox>

namespace platform {

namespace {

QComboBox& combo(QWidget* widget, const String& name)
{
    if (widget == nullptr)
        throw NilObjectException("pop-up menu " + name + " is not constructed");
    return *static_cast<QComboBox*>(widget);
}

} // namespace

QWidget* PopupMenu::createWidget(QWidget* parent)
{
    auto* widget = new QComboBox(parent);
    widget->setEditable(false);
    widget->setMaxVisibleItems(30);
    return widget;
}

int PopupMenu::ListIndex() const
{
    return widget() != nullptr ? static_cast<QComboBox*>(widget())->currentIndex() : -1;
}

void PopupMenu::setListIndex(int index)
{
    QComboBox& widget = combo(this->widget(), Name());
    widget.setCurrentIndex(index >= 0 && index < widget.count() ? index : -1);
}

String PopupMenu::Text() const
{
    const int row = ListIndex();
    return row >= 0 ? fromQString(static_cast<QComboBox*>(widget())->itemText(row)) : String();
}

int PopupMenu::ListCount() const { return widget() != nullptr ? static_cast<QComboBox*>(widget())->count() : 0; }

String PopupMenu::List(int row) const
{
    if (row < 0 || row >= ListCount())
        throw OutOfBoundsException("pop-up menu " + Name() + " has no row " + std::to_string(row));
    return fromQString(static_cast<QComboBox*>(widget())->itemText(row));
}

void PopupMenu::DeleteAllRows() { combo(widget(), Name()).clear(); }

void PopupMenu::AddRow(const String& text)
{
    QComboBox& widget = combo(this->widget(), Name());
    // Adding a row selects nothing: the toolkit would select the first row of an empty menu.
    const int selected = widget.currentIndex();
    widget.addItem(toQString(text));
    widget.setCurrentIndex(selected);
}

void PopupMenu::_SetProperties(const ControlProperties& properties)
{
    RectControl::_SetProperties(properties);
    applyTextStyle(combo(widget(), Name()), properties);
    DeleteAllRows();
    if (!properties.InitialValue.empty()) {
        const String& rows = properties.InitialValue;
        std::size_t start = 0;
        for (;;) {
            const auto end = rows.find('\r', start);
            AddRow(rows.substr(start, end == String::npos ? String::npos : end - start));
            if (end == String::npos)
                break;
            start = end + 1;
        }
    }
    setListIndex(properties.ListIndex);
}

} // namespace platform
