#include "Phrases.h"

#include "Readings.h"

#include <stdexcept>
#include <vector>

namespace vemra::demo {

namespace {

struct PartOfDay {
    int firstHour;
    std::vector<const char*> lines;
};

// Ordered by first hour; each part lasts until the next one begins.
const std::vector<PartOfDay>& partsOfDay()
{
    static const std::vector<PartOfDay> parts{
        {0, {"よふかし わ ほどほどに ね", "しずかな よる です ね", "そろそろ ねむく なって きません か",
             "ほし が きれい です よ", "あした の じゅんび わ できました か", "あたたかく して ねて ください ね"}},
        {4, {"もうすぐ よあけ です", "そら が しらんで きました", "はやおき です ね", "とり が なきはじめました よ"}},
        {6, {"おはよう ございます", "あさごはん わ たべました か", "きょう も いちにち がんばりましょう",
             "かお お あらって すっきり しましょう", "わすれもの わ ありません か", "いってらっしゃい"}},
        {9, {"ちょっと ひといき いれましょう", "おしごと はかどって います か", "おみず お のみましょう",
             "いい てんき だと いい です ね", "もうすぐ おひる です よ"}},
        {12, {"おひる ごはん の じかん です", "きょう の おべんとう わ なん です か", "ひるやすみ わ ゆっくり ね",
              "ごちそうさま でした"}},
        {13, {"ごご も がんばりましょう", "すこし ねむく なって きました ね", "せのび お して みましょう",
              "まど お あけて みません か"}},
        {15, {"おやつ の じかん です よ", "おちゃ に しましょう", "あまい もの で ひとやすみ"}},
        {16, {"ゆうやけ が きれい です ね", "そろそろ かえる じかん です", "きょう も おつかれさま でした",
              "ゆうごはん わ なに に しよう か"}},
        {18, {"こんばんわ", "ゆうごはん が できました よ", "おなか が すきました ね", "いちにち ごくろうさま でした"}},
        {20, {"おふろ が わきました よ", "ゆっくり やすんで ください", "ほん でも よみません か",
              "あした の よてい お たしかめましょう"}},
        {22, {"そろそろ おやすみ の じかん です", "はみがき わ しました か", "おやすみなさい", "あした も よろしく ね"}},
    };
    return parts;
}

QString stated(const QString& time, Manner manner)
{
    switch (manner) {
    case Manner::Polite: return time + QStringLiteral(" です");
    case Manner::Casual: return time + QStringLiteral(" だよ");
    case Manner::Formal: return QStringLiteral("ただいま、 ") + time + QStringLiteral(" です");
    }
    throw std::logic_error("unknown manner");
}

} // namespace

QString timeAnnouncement(int hour, int minute, Manner manner)
{
    return stated(timeReading(hour, minute), manner);
}

QString quarterHourLine(int hour, int minute, Manner manner)
{
    const auto& parts = partsOfDay();
    std::size_t part = 0;
    while (part + 1 < parts.size() && parts[part + 1].firstHour <= hour)
        ++part;
    const int quarterInPart = (hour - parts[part].firstHour) * 4 + minute / 15;
    const auto& lines = parts[part].lines;
    const char* line = lines[static_cast<std::size_t>(quarterInPart) % lines.size()];
    return stated(timeReading(hour, minute), manner) + QStringLiteral("。 ") + QString::fromUtf8(line) + QStringLiteral("。");
}

} // namespace vemra::demo
