#pragma once

// Who speaks which minute. The catalogues and the voice clips both follow these, so the speaker
// named for a minute is the one whose voice speaks its clip.
namespace vemra::demo {

// The speaker (1 to 12) of the time announcement of hour:minute; turns go round minute by minute.
int timeSpeaker(int hour, int minute);

// The speaker of the spoken line at a quarter hour (minute 0, 15, 30 or 45); turns go round
// quarter by quarter, so every speaker has lines.
int quarterHourSpeaker(int hour, int minute);

constexpr bool isQuarterHour(int minute) { return minute % 15 == 0; }

} // namespace vemra::demo
