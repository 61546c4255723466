#pragma once

#include "platform/Controls.h"
#include "platform/Window.h"

// The modal settings dialog. It keeps no settings of its own: Open copies the main window's
// settings and catalogue names into the controls, OK copies the controls back, Cancel drops
// them. Each showing is a new window.
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
