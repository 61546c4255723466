#pragma once

#include <QString>

#include <vector>

namespace vemra::demo {

enum class Tone { Bell, Chime, Beeps, MusicBox, Fanfare, Xylophone };

// An alarm voice: a synthesized tone pattern followed by a wake-up call in one speaker's voice.
struct Alarm {
    QString shownName;   // e.g. "ベル（ひより）"
    QString fileName;    // e.g. "alarm01.mp3"
    Tone tone;
    double toneKey;      // frequency factor, so that two alarms of one tone differ
    int speakerNumber;
    QString wakeUpCall;  // kana
};

constexpr int alarmCount = 24;

// The 24 alarms in menu order.
const std::vector<Alarm>& alarms();

} // namespace vemra::demo
