#pragma once

#include "Alarms.h"

#include <QString>

#include <vector>

namespace vemra::demo {

// One sound file of the data set and what goes into it.
struct Clip {
    QString relativePath;          // below the data folder, e.g. "Sounds/Time/0715.mp3"
    int speakerNumber;             // whose voice speaks the text
    QString text;                  // kana
    const Alarm* alarm = nullptr;  // set for alarm sounds: its tone comes before the text
};

// Every clip: a time announcement per minute, a line per quarter hour and the alarm sounds.
std::vector<Clip> allClips();

} // namespace vemra::demo
