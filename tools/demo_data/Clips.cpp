#include "Clips.h"

#include "Catalogues.h"
#include "Phrases.h"
#include "Schedule.h"
#include "Speakers.h"

namespace vemra::demo {

std::vector<Clip> allClips()
{
    std::vector<Clip> clips;
    for (int hour = 0; hour < 24; ++hour) {
        for (int minute = 0; minute < 60; ++minute) {
            const QString key = minuteKey(hour, minute);
            const int timeVoice = timeSpeaker(hour, minute);
            clips.push_back({QStringLiteral("Sounds/Time/") + key + QStringLiteral(".mp3"), timeVoice,
                             timeAnnouncement(hour, minute, speaker(timeVoice).manner)});
            if (isQuarterHour(minute)) {
                const int lineVoice = quarterHourSpeaker(hour, minute);
                clips.push_back({QStringLiteral("Sounds/Serif/") + key + QStringLiteral(".mp3"), lineVoice,
                                 quarterHourLine(hour, minute, speaker(lineVoice).manner)});
            }
        }
    }
    for (const Alarm& alarm : alarms())
        clips.push_back({QStringLiteral("Sounds/Alarm/") + alarm.fileName, alarm.speakerNumber, alarm.wakeUpCall, &alarm});
    return clips;
}

} // namespace vemra::demo
