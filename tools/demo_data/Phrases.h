#pragma once

#include "Speakers.h"

#include <QString>

// What the speakers say, in kana (see Readings.h). The topic particle is written わ and the
// object particle お, as they are pronounced, because the synthesizer reads kana literally.
namespace vemra::demo {

// "しちじ じゅうごふん です", worded in the speaker's manner.
QString timeAnnouncement(int hour, int minute, Manner manner);

// The time and a short line that fits the time of day; minute is 0, 15, 30 or 45.
QString quarterHourLine(int hour, int minute, Manner manner);

} // namespace vemra::demo
