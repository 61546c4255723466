#include "Readings.h"

#include <array>
#include <stdexcept>

namespace vemra::demo {

namespace {

// The numbers 0 to 9 as they are read before "じ" (o'clock).
const std::array<const char*, 10> digitBeforeJi{
    "れい", "いち", "に", "さん", "よ", "ご", "ろく", "しち", "はち", "く"};

// Minutes 1 to 10 as read on their own; the counter becomes "ぷん" after a geminated or
// nasal sound and stays "ふん" otherwise.
const std::array<const char*, 11> unitMinutes{
    "", "いっぷん", "にふん", "さんぷん", "よんぷん", "ごふん",
    "ろっぷん", "ななふん", "はっぷん", "きゅうふん", "じゅっぷん"};

const std::array<const char*, 6> tens{"", "じゅう", "にじゅう", "さんじゅう", "よんじゅう", "ごじゅう"};

} // namespace

QString hourReading(int hour)
{
    if (hour < 0 || hour > 23)
        throw std::out_of_range("hour out of range");
    QString reading;
    if (hour >= 20)
        reading = QStringLiteral("にじゅう");
    else if (hour >= 10)
        reading = QStringLiteral("じゅう");
    const int unit = hour % 10;
    if (unit != 0 || hour == 0)
        reading += QString::fromUtf8(digitBeforeJi[static_cast<std::size_t>(unit)]);
    return reading + QStringLiteral("じ");
}

QString minuteReading(int minute)
{
    if (minute < 1 || minute > 59)
        throw std::out_of_range("minute out of range");
    if (minute <= 10)
        return QString::fromUtf8(unitMinutes[static_cast<std::size_t>(minute)]);
    const int ten = minute / 10;
    const int unit = minute % 10;
    if (unit == 0) // にじゅっぷん: the tens geminate just like じゅっぷん
        return QString::fromUtf8(tens[static_cast<std::size_t>(ten)]).chopped(1) + QStringLiteral("っぷん");
    return QString::fromUtf8(tens[static_cast<std::size_t>(ten)]) + QString::fromUtf8(unitMinutes[static_cast<std::size_t>(unit)]);
}

QString timeReading(int hour, int minute)
{
    return hourReading(hour) + QLatin1Char(' ') + (minute == 0 ? QStringLiteral("ちょうど") : minuteReading(minute));
}

} // namespace vemra::demo
