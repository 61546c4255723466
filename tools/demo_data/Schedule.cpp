#include "Schedule.h"

#include "Speakers.h"

namespace vemra::demo {

int timeSpeaker(int hour, int minute)
{
    return (hour * 60 + minute) % speakerCount + 1;
}

int quarterHourSpeaker(int hour, int minute)
{
    return (hour * 4 + minute / 15) % speakerCount + 1;
}

} // namespace vemra::demo
