#pragma once

#include "platform/Controls.h"
#include "platform/Window.h"

#include <array>

// One control as the designer left it: its property list, and the text size that is set
// before the list is applied (0 leaves the framework's default size).
struct ControlDesign {
    platform::ControlProperties properties;
    float textSize = 0;
};

// The preferences window's designer data: the window's properties and one entry per control.
// Members of a control array share the array's name and differ in Index, which is also their
// place in the array tables.
namespace prefWindowDesign {

extern const platform::WindowProperties window;

extern const ControlDesign alarmVoicePopup;
extern const ControlDesign StaticText1;
extern const ControlDesign StaticText2;
extern const ControlDesign voiceMode;
extern const ControlDesign alarmHourPopup;
extern const ControlDesign alarmMinPopup;
extern const ControlDesign StaticText4;
extern const ControlDesign StaticText5;
extern const std::array<ControlDesign, 12> faceImage;
extern const std::array<ControlDesign, 12> nameCheck;
extern const ControlDesign StaticText6;
extern const ControlDesign Separator1;
extern const ControlDesign alarmCheck;
extern const ControlDesign PushButton1;
extern const ControlDesign PushButton2;
extern const ControlDesign PushButton3;

} // namespace prefWindowDesign
