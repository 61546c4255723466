#include "preferences_window/PrefWindow.h"

#include "preferences_window/PrefWindowDesign.h"

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
