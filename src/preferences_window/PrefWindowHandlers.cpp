#include "catalogue/Catalogues.h"
#include "clock/DataBundle.h"
#include "clock/MainWindow.h"
#include "platform/Exceptions.h"
#include "platform/FolderItem.h"
#include "platform/Picture.h"
#include "platform/Sound.h"
#include "platform/Strings.h"
#include "preferences_window/PrefWindow.h"
#include "settings/UserSettings.h"

using platform::ConvertEncoding;
using platform::String;

namespace {

// The main window owns the settings and catalogues the dialog shows. It is open whenever the
// dialog is, since only its menu opens the dialog.
MainWindow& theMainWindow()
{
    return platform::notNil(mainWindow(), "mainWindow");
}

// A pop-up opened on a stored value that names none of its rows has no selected row. OK then
// keeps the stored value rather than overwrite it with a value that names nothing.
bool hasSelectedRow(platform::PopupMenu& popup)
{
    return popup.ListIndex() >= 0;
}

} // namespace

void PrefWindow::Event_Open()
{
    const UserSettings settings = theMainWindow().settings;
    const Catalogues& catalogues = theMainWindow().catalogues;
    const platform::FolderItemPtr dataBundle = findDataBundleFolder();

    for (int i = 0; i < kShownSpeakers; ++i) {
        const String line = catalogueLine(catalogues.seiyuName, i);
        nameCheck(i)->setCaption(catalogue::shownName(ConvertEncoding(line, platform::Encodings::UTF8)));
        nameCheck(i)->setValue(settings.nameCheck(i));
        const String photoName = catalogue::photoName(line);
        if (platform::notNil(seiyuPhoto(dataBundle, photoName)).Exists())
            platform::notNil(prefWindow())
                .faceImage(i)
                ->setImage(seiyuPhoto(dataBundle, photoName)->OpenAsPicture());
    }

    alarmCheck()->setValue(settings.alarmCheck);
    alarmHourPopup()->setListIndex(platform::CInt32(platform::Val(settings.alarmHour)));
    alarmMinPopup()->setListIndex(platform::CInt32(platform::Val(settings.alarmMin)));

    alarmVoicePopup()->DeleteAllRows();
    for (int i = 0; i < kShownAlarmVoices && catalogues.alarmArray.inBounds(i); ++i) {
        const String line = catalogues.alarmArray(i);
        alarmVoicePopup()->AddRow(catalogue::alarmShownName(ConvertEncoding(line, platform::Encodings::UTF8)));
    }

    alarmVoicePopup()->setListIndex(settings.alarmVoice);
    voiceMode()->setListIndex(settings.voiceMode);
}

// OK: the edited settings go back to the main window, which uses them from its next minute,
// and are saved at once as well as when the clock closes, so that a session that ends without
// closing the clock (the X server going away, a crash) keeps what the user confirmed.
void PrefWindow::PushButton1_Action(platform::PushButton& /*button*/)
{
    UserSettings chosen = theMainWindow().settings;
    for (int i = 0; i < kShownSpeakers; ++i)
        chosen.nameCheck(i) = nameCheck(i)->Value();
    chosen.alarmCheck = alarmCheck()->Value();
    if (hasSelectedRow(*alarmHourPopup()))
        chosen.alarmHour = alarmHourPopup()->Text();
    if (hasSelectedRow(*alarmMinPopup()))
        chosen.alarmMin = alarmMinPopup()->Text();
    if (hasSelectedRow(*alarmVoicePopup()))
        chosen.alarmVoice = alarmVoicePopup()->ListIndex();
    if (hasSelectedRow(*voiceMode()))
        chosen.voiceMode = voiceMode()->ListIndex();
    // Settings that could not be read at start-up become the user's own once every one of them
    // comes from the dialog.
    if (hasSelectedRow(*alarmHourPopup()) && hasSelectedRow(*alarmMinPopup())
        && hasSelectedRow(*alarmVoicePopup()) && hasSelectedRow(*voiceMode()))
        chosen.placeholder = false;
    theMainWindow().settings = chosen;
    Close();
    writePreferencesFile(chosen);
}

void PrefWindow::PushButton2_Action(platform::PushButton& /*button*/)
{
    Close();
}

// Plays the alarm voice selected now, whether or not the alarm is on, and returns at once.
void PrefWindow::PushButton3_Action(platform::PushButton& /*button*/)
{
    const platform::FolderItemPtr dataBundle = findDataBundleFolder();
    const int row = alarmVoicePopup()->ListIndex();
    const platform::Array<String>& alarms = theMainWindow().catalogues.alarmArray;
    if (!alarms.inBounds(row))
        return;
    const String soundFileName = catalogue::soundFileName(alarms(row));
    if (platform::notNil(alarmSoundFile(dataBundle, soundFileName)).Exists()) {
        // A file that is there but is no sound plays nothing, like a missing one.
        if (const std::shared_ptr<platform::Sound> sound = alarmSoundFile(dataBundle, soundFileName)->OpenAsSound())
            sound->Play();
    }
}
