#include "preferences_window/PrefWindow.h"

#include "platform/Exceptions.h"
#include "preferences_window/PrefWindowDesign.h"

#include <type_traits>

using platform::controlAs;

PrefWindow::PrefWindow() : platform::Window(kClassName) {}

PrefWindow* prefWindow()
{
    return platform::implicitWindow<PrefWindow>(PrefWindow::kClassName);
}

void PrefWindow::Layout()
{
    _SetProperties(prefWindowDesign::window);
}

void PrefWindow::CreateControls()
{
    _CreateControls0();
    _CreateControls1();
}

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

// ---- The controls by name ----

platform::PopupMenu* PrefWindow::alarmVoicePopup()
{
    return controlAs<platform::PopupMenu>(controlByName("alarmVoicePopup"), "alarmVoicePopup");
}

platform::Label* PrefWindow::StaticText1()
{
    return controlAs<platform::Label>(controlByName("StaticText1"), "StaticText1");
}

platform::Label* PrefWindow::StaticText2()
{
    return controlAs<platform::Label>(controlByName("StaticText2"), "StaticText2");
}

platform::PopupMenu* PrefWindow::voiceMode()
{
    return controlAs<platform::PopupMenu>(controlByName("voiceMode"), "voiceMode");
}

platform::PopupMenu* PrefWindow::alarmHourPopup()
{
    return controlAs<platform::PopupMenu>(controlByName("alarmHourPopup"), "alarmHourPopup");
}

platform::PopupMenu* PrefWindow::alarmMinPopup()
{
    return controlAs<platform::PopupMenu>(controlByName("alarmMinPopup"), "alarmMinPopup");
}

platform::Label* PrefWindow::StaticText4()
{
    return controlAs<platform::Label>(controlByName("StaticText4"), "StaticText4");
}

platform::Label* PrefWindow::StaticText5()
{
    return controlAs<platform::Label>(controlByName("StaticText5"), "StaticText5");
}

platform::ImageWell* PrefWindow::faceImage(int index)
{
    return controlAs<platform::ImageWell>(controlByNameIndex("faceImage", index), "faceImage");
}

platform::CheckBox* PrefWindow::nameCheck(int index)
{
    return controlAs<platform::CheckBox>(controlByNameIndex("nameCheck", index), "nameCheck");
}

platform::Label* PrefWindow::StaticText6()
{
    return controlAs<platform::Label>(controlByName("StaticText6"), "StaticText6");
}

platform::Separator* PrefWindow::Separator1()
{
    return controlAs<platform::Separator>(controlByName("Separator1"), "Separator1");
}

platform::CheckBox* PrefWindow::alarmCheck()
{
    return controlAs<platform::CheckBox>(controlByName("alarmCheck"), "alarmCheck");
}

platform::PushButton* PrefWindow::PushButton1()
{
    return controlAs<platform::PushButton>(controlByName("PushButton1"), "PushButton1");
}

platform::PushButton* PrefWindow::PushButton2()
{
    return controlAs<platform::PushButton>(controlByName("PushButton2"), "PushButton2");
}

platform::PushButton* PrefWindow::PushButton3()
{
    return controlAs<platform::PushButton>(controlByName("PushButton3"), "PushButton3");
}
