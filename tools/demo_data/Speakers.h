#pragma once

#include <QColor>
#include <QString>

#include <array>

namespace vemra::demo {

// espeak-ng settings that give a speaker a voice of their own: "-v ja+<variant> -p <pitch> -s <speed>".
struct Voice {
    QString variant;
    int pitch;
    int wordsPerMinute;
};

// How a speaker ends a sentence.
enum class Manner { Polite, Casual, Formal };

enum class HairStyle { Short, Long, TwinTails, Bun, Bob, Spiky, Bald };
enum class Accessory { None, Ribbon, Glasses, HairClip, Headphones, Moustache, Beard };

struct Look {
    QColor backdrop;
    QColor clothes;
    QColor hair;
    QColor skin;
    HairStyle hairStyle;
    Accessory accessory;
    bool smilingEyes;
};

struct Speaker {
    int number;              // 1 to 12: line of ActMain.txt and switch in the preferences
    QString shownName;       // invented; belongs to no real person
    QString givenNameKana;   // used in the alarm names
    QString photoName;       // base name of the 72 x 72 photo
    Voice voice;
    Manner manner;
    Look look;
};

constexpr int speakerCount = 12;

const std::array<Speaker, speakerCount>& speakers();

// number: 1 to 12.
const Speaker& speaker(int number);

} // namespace vemra::demo
