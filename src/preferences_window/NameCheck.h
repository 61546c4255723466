#pragma once

#include "platform/Controls.h"

// A speaker's on/off box in the preferences window: member `Index` of the array "nameCheck".
class NameCheck : public platform::CheckBox {
public:
    // A member with that index, as the window makes all twelve.
    void Constructor(int index);
    // One further member made at run time: index 0, registered with its window, laid out and
    // sized as member 0.
    void Constructor();
};
