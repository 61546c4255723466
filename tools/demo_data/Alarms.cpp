#include "Alarms.h"

#include "Speakers.h"

#include <array>

namespace vemra::demo {

namespace {

struct ToneKind {
    Tone tone;
    const char* name;
};

constexpr std::array<ToneKind, 6> toneKinds{{
    {Tone::Bell, "ベル"},
    {Tone::Chime, "チャイム"},
    {Tone::Beeps, "ピピピ"},
    {Tone::MusicBox, "オルゴール"},
    {Tone::Fanfare, "ファンファーレ"},
    {Tone::Xylophone, "もっきん"},
}};

constexpr std::array<const char*, 8> wakeUpCalls{
    "おきて ください", "あさ です よ", "じかん です よ", "おきる じかん です",
    "ほら、 おきて", "おはよう、 あさ だよ", "そろそろ じかん です", "めざまし です よ"};

constexpr int alarmsPerTone = alarmCount / static_cast<int>(toneKinds.size());

} // namespace

const std::vector<Alarm>& alarms()
{
    static const std::vector<Alarm> all = [] {
        std::vector<Alarm> list;
        for (int index = 0; index < alarmCount; ++index) {
            const ToneKind& kind = toneKinds[static_cast<std::size_t>(index / alarmsPerTone)];
            const Speaker& voice = speaker(index % speakerCount + 1);
            const int variation = index % alarmsPerTone;
            list.push_back(Alarm{
                QString::fromUtf8(kind.name) + QStringLiteral("（") + voice.givenNameKana + QStringLiteral("）"),
                QStringLiteral("alarm%1.mp3").arg(index + 1, 2, 10, QLatin1Char('0')),
                kind.tone,
                1.0 + 0.12 * variation,
                voice.number,
                QString::fromUtf8(wakeUpCalls[static_cast<std::size_t>(index) % wakeUpCalls.size()]),
            });
        }
        return list;
    }();
    return all;
}

} // namespace vemra::demo
