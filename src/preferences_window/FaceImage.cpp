#include "preferences_window/FaceImage.h"

#include "platform/Exceptions.h"
#include "preferences_window/PrefWindowDesign.h"

void FaceImage::Constructor(int index)
{
    Index = index;
    RectControl::Constructor();
}

void FaceImage::Constructor()
{
    const ControlDesign& member0 = prefWindowDesign::faceImage[0];
    Index = 0;
    RectControl::Constructor();
    platform::notNil(Window(), "faceImage's window").addControl(member0.properties.Name, this);
    _SetProperties(member0.properties);
}
