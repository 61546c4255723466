#include "preferences_window/NameCheck.h"

#include "platform/Exceptions.h"
#include "preferences_window/PrefWindowDesign.h"

void NameCheck::Constructor(int index)
{
    Index = index;
    RectControl::Constructor();
}

void NameCheck::Constructor()
{
    const ControlDesign& member0 = prefWindowDesign::nameCheck[0];
    Index = 0;
    RectControl::Constructor();
    platform::notNil(Window(), "nameCheck's window").addControl(member0.properties.Name, this);
    setTextSize(member0.textSize);
    setTextUnit(0);
    _SetProperties(member0.properties);
}
