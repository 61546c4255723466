#include "catalogue/CatalogueEntries.h"
#include "clock/DataBundle.h"
#include "platform/FolderItem.h"
#include "platform/Sound.h"
#include "platform/Strings.h"
#include "preferences_window/PrefWindow.h"
#include "preferences_window/TheMainWindow.h"

using platform::String;

namespace {

// A pop-up opened on a stored value that names none of its rows has no selected row. OK then
// keeps the stored value rather than overwrite it with a value that names nothing.
bool hasSelectedRow(platform::PopupMenu& popup)
{
    return popup.ListIndex() >= 0;
}

} // namespace

void PrefWindow::PushButton1_Action(platform::PushButton& /*button*/)
{
    for (int i = 0; i < kShownSpeakers; ++i)
        theMainWindow().nameCheck(i) = nameCheck(i)->Value();
    theMainWindow().alarmCheck = alarmCheck()->Value();
    if (hasSelectedRow(*alarmHourPopup()))
        theMainWindow().alarmHour = alarmHourPopup()->Text();
    if (hasSelectedRow(*alarmMinPopup()))
        theMainWindow().alarmMin = alarmMinPopup()->Text();
    if (hasSelectedRow(*alarmVoicePopup()))
        theMainWindow().alarmVoice = alarmVoicePopup()->ListIndex();
    if (hasSelectedRow(*voiceMode()))
        theMainWindow().voiceMode = voiceMode()->ListIndex();
    Close();
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
    if (!theMainWindow().alarmArray.inBounds(row))
        return;
    const String soundFileName = catalogue::soundFileName(theMainWindow().alarmArray(row));
    if (platform::notNil(alarmSoundFile(dataBundle, soundFileName)).Exists()) {
        // A file that is there but is no sound plays nothing, like a missing one.
        if (const std::shared_ptr<platform::Sound> sound = alarmSoundFile(dataBundle, soundFileName)->OpenAsSound())
            sound->Play();
    }
}
