#pragma once

#include "platform/Controls.h"
#include "platform/Window.h"

// The modal settings dialog. It keeps no settings of its own: Open shows a copy of the main
// window's settings and the catalogue names in the controls, OK hands the edited copy back,
// Cancel drops it. Each showing is a new window.
//
// It answers Layout, CreateControls and Open only. Having no Close handler is deliberate: a
// window manager that draws a close button on the dialog anyway thereby gets Cancel.
class PrefWindow : public platform::Window {
public:
    static constexpr const char* kClassName = "prefWindow.prefWindow";
    // The dialog shows the first 12 speakers and the first 24 alarm voices of the catalogues.
    static constexpr int kShownSpeakers = 12;
    static constexpr int kShownAlarmVoices = 24;

    PrefWindow();

    void Layout() override;
    void CreateControls() override;

    platform::PopupMenu* alarmVoicePopup();
    platform::Label* StaticText1();
    platform::Label* StaticText2();
    platform::PopupMenu* voiceMode();
    platform::PopupMenu* alarmHourPopup();
    platform::PopupMenu* alarmMinPopup();
    platform::Label* StaticText4();
    platform::Label* StaticText5();
    platform::ImageWell* faceImage(int index);
    platform::CheckBox* nameCheck(int index);
    platform::Label* StaticText6();
    platform::Separator* Separator1();
    platform::CheckBox* alarmCheck();
    platform::PushButton* PushButton1();
    platform::PushButton* PushButton2();
    platform::PushButton* PushButton3();

    void PushButton1_Action(platform::PushButton& button); // OK
    void PushButton2_Action(platform::PushButton& button); // Cancel
    void PushButton3_Action(platform::PushButton& button); // alarm preview

    void Event_Open() override;

private:
    void _CreateControls0();
    void _CreateControls1();
};

// The open preferences window (also while it is being constructed), or a new one, constructed.
PrefWindow* prefWindow();

// A speaker's photo well: member `Index` of the control array "faceImage".
class FaceImage : public platform::ImageWell {
public:
    // A member with that index, as the window makes all twelve.
    void Constructor(int index);
    // One further member made at run time: index 0, registered with its window, laid out as
    // member 0.
    void Constructor();
};

// A speaker's on/off box: member `Index` of the control array "nameCheck".
class NameCheck : public platform::CheckBox {
public:
    // A member with that index, as the window makes all twelve.
    void Constructor(int index);
    // One further member made at run time: index 0, registered with its window, laid out and
    // sized as member 0.
    void Constructor();
};
