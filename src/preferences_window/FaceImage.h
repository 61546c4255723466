#pragma once

#include "platform/Controls.h"

// A speaker's photo well in the preferences window: member `Index` of the array "faceImage".
class FaceImage : public platform::ImageWell {
public:
    // A member with that index, as the window makes all twelve.
    void Constructor(int index);
    // One further member made at run time: index 0, registered with its window, laid out as
    // member 0.
    void Constructor();
};
