#pragma once

#include <QString>

// Kana readings of clock times. espeak-ng's Japanese voice reads kana but not kanji, so every
// spoken text is written in kana, with the sound changes a speaker would make (いっぷん, よじ, ...).
namespace vemra::demo {

// hour: 0 to 23, e.g. 7 -> "しちじ".
QString hourReading(int hour);

// minute: 1 to 59, e.g. 6 -> "ろっぷん", 20 -> "にじゅっぷん".
QString minuteReading(int minute);

// "しちじ じゅうごふん", or "しちじ ちょうど" on the hour.
QString timeReading(int hour, int minute);

} // namespace vemra::demo
