#include "catalogue/Catalogues.h"
#include "clock/DataBundle.h"
#include "clock/MainWindow.h"
#include "platform/Date.h"
#include "platform/Picture.h"
#include "platform/Sound.h"

#include <cmath>

using namespace platform;

namespace {

bool isQuarterHour(const String& minute)
{
    return minute == "00" || minute == "15" || minute == "30" || minute == "45";
}

// The switch index of a speaker number ("3" is speaker 3, switch 2); -1 when the text does not
// name a speaker the switches can hold.
int switchIndex(const String& seiyuNumber, const Array<bool>& nameCheck)
{
    double number = Val(seiyuNumber);
    if (number != std::floor(number) || number < 1 || number > 13)
        return -1;
    int index = CInt32(number - 1);
    return nameCheck.inBounds(index) ? index : -1;
}

void playIfOpened(const FolderItemPtr& file)
{
    if (std::shared_ptr<Sound> sound = file->OpenAsSound())
        sound->Play();
}

} // namespace

void playForEachMatchingEntry(const Array<String>& catalogue, const String& minuteKey,
                              const Array<bool>& nameCheck, const FolderItemPtr& clip)
{
    for (int i = 0; i <= catalogue.Ubound() - 1; ++i) {
        if (catalogue::minuteKey(catalogue(i)) != minuteKey)
            continue;
        int index = switchIndex(catalogue::seiyuNumber(catalogue(i)), nameCheck);
        if (index >= 0 && nameCheck(index))
            playIfOpened(clip);
    }
}

void MainWindow::mainTimer_Action(Timer& timer)
{
    (void)timer;
    String timeText = Right(Str(Date()), 8);
    mainWindow()->setTitle(timeText);

    String minuteText = Left(timeText, 5);
    if (lastTime == minuteText)
        return;
    lastTime = minuteText;

    String minuteKey = Left(lastTime, 2) + Right(lastTime, 2);
    FolderItemPtr dataFolder = findDataBundleFolder();

    if (minutePhoto(dataFolder, minuteKey)->Exists())
        mainWindow()->setBackdrop(minutePhoto(dataFolder, minuteKey)->OpenAsPicture());

    if (settings.alarmCheck && Left(lastTime, 2) == settings.alarmHour && Right(lastTime, 2) == settings.alarmMin) {
        const Array<String>& alarms = mainWindow()->catalogues.alarmArray;
        if (!alarms.inBounds(settings.alarmVoice))
            return;
        FolderItemPtr alarmSound = alarmSoundFile(dataFolder, catalogue::soundFileName(alarms(settings.alarmVoice)));
        if (alarmSound->Exists())
            playIfOpened(alarmSound);
    } else if ((settings.voiceMode == serifAndTime || settings.voiceMode == serifOnly)
               && isQuarterHour(Right(lastTime, 2))) {
        if (serifClip(dataFolder, minuteKey)->Exists())
            playForEachMatchingEntry(catalogues.serifArray, minuteKey, settings.nameCheck,
                                     serifClip(dataFolder, minuteKey));
    } else if ((settings.voiceMode == serifAndTime || settings.voiceMode == timeOnly)
               && timeClip(dataFolder, minuteKey)->Exists()) {
        playForEachMatchingEntry(catalogues.timeArray, minuteKey, settings.nameCheck,
                                 timeClip(dataFolder, minuteKey));
    }
}
