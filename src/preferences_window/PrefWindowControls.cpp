#include "preferences_window/FaceImage.h"
#include "preferences_window/NameCheck.h"
#include "preferences_window/PrefWindow.h"
#include "preferences_window/PrefWindowDesign.h"

#include <type_traits>

// Every control is made, constructed and registered first; all that follows reaches it again
// through the window's registry by name (and index), as the window's own code would.

namespace {

using platform::ControlProperties;

template <typename Kind>
constexpr bool showsText =
    !std::is_same_v<Kind, platform::ImageWell> && !std::is_same_v<Kind, platform::Separator>;

template <typename Kind>
Kind* registered(platform::Window& window, const ControlProperties& properties)
{
    platform::Control* control = properties.Index == platform::kNotAnArrayMember
                                     ? window.controlByName(properties.Name)
                                     : window.controlByNameIndex(properties.Name, properties.Index);
    return platform::controlAs<Kind>(control, properties.Name.c_str());
}

// The text settings come before the property list, which names neither.
template <typename Kind>
void applyDesign(platform::Window& window, const ControlDesign& control)
{
    if (control.textSize != 0)
        registered<Kind>(window, control.properties)->setTextSize(control.textSize);
    if constexpr (showsText<Kind>)
        registered<Kind>(window, control.properties)->setTextUnit(0);
    registered<Kind>(window, control.properties)->_SetProperties(control.properties);
}

template <typename Kind>
void createControl(platform::Window& window, const ControlDesign& control)
{
    Kind* made = window.newControl<Kind>();
    made->Constructor();
    window.addControl(control.properties.Name, made);
    applyDesign<Kind>(window, control);
}

// An array member has its index before it is registered, so that it is filed under it.
template <typename MemberClass, typename Kind>
void createMember(platform::Window& window, const ControlDesign& member)
{
    MemberClass* made = window.newControl<MemberClass>();
    made->Constructor(member.properties.Index);
    window.addControl(member.properties.Name, made);
    applyDesign<Kind>(window, member);
}

using ButtonHandler = void (PrefWindow::*)(platform::PushButton&);

void createButton(PrefWindow& window, const ControlDesign& button, ButtonHandler handler)
{
    createControl<platform::PushButton>(window, button);
    registered<platform::PushButton>(window, button.properties)
        ->setAction([&window, handler](platform::PushButton& pressed) { (window.*handler)(pressed); });
}

} // namespace

void PrefWindow::_CreateControls0()
{
    createControl<platform::PopupMenu>(*this, prefWindowDesign::alarmVoicePopup);
    createControl<platform::Label>(*this, prefWindowDesign::StaticText1);
    createControl<platform::Label>(*this, prefWindowDesign::StaticText2);
    createControl<platform::PopupMenu>(*this, prefWindowDesign::voiceMode);
    createControl<platform::PopupMenu>(*this, prefWindowDesign::alarmHourPopup);
    createControl<platform::PopupMenu>(*this, prefWindowDesign::alarmMinPopup);
    createControl<platform::Label>(*this, prefWindowDesign::StaticText4);
    createControl<platform::Label>(*this, prefWindowDesign::StaticText5);
    for (const ControlDesign& well : prefWindowDesign::faceImage)
        createMember<FaceImage, platform::ImageWell>(*this, well);
    // nameCheck(7) comes last, after nameCheck(11), in the second half.
    for (int index : {0, 1, 2, 3, 4, 5, 6, 8, 9, 10})
        createMember<NameCheck, platform::CheckBox>(*this, prefWindowDesign::nameCheck[index]);
}

void PrefWindow::_CreateControls1()
{
    createMember<NameCheck, platform::CheckBox>(*this, prefWindowDesign::nameCheck[11]);
    createMember<NameCheck, platform::CheckBox>(*this, prefWindowDesign::nameCheck[7]);
    createControl<platform::Label>(*this, prefWindowDesign::StaticText6);
    createControl<platform::Separator>(*this, prefWindowDesign::Separator1);
    createControl<platform::CheckBox>(*this, prefWindowDesign::alarmCheck);
    createButton(*this, prefWindowDesign::PushButton1, &PrefWindow::PushButton1_Action);
    createButton(*this, prefWindowDesign::PushButton2, &PrefWindow::PushButton2_Action);
    createButton(*this, prefWindowDesign::PushButton3, &PrefWindow::PushButton3_Action);
}
