#include "Readings.h"

#include <gtest/gtest.h>

using namespace vemra::demo;

TEST(Readings, HoursUseTheOclockForms)
{
    const std::pair<int, const char*> cases[] = {
        {0, "れいじ"}, {4, "よじ"}, {7, "しちじ"}, {9, "くじ"}, {10, "じゅうじ"},
        {14, "じゅうよじ"}, {19, "じゅうくじ"}, {20, "にじゅうじ"}, {23, "にじゅうさんじ"}};
    for (const auto& [hour, reading] : cases)
        EXPECT_EQ(hourReading(hour), QString::fromUtf8(reading)) << hour;
}

TEST(Readings, MinutesMakeTheSoundChanges)
{
    const std::pair<int, const char*> cases[] = {
        {1, "いっぷん"}, {2, "にふん"}, {3, "さんぷん"}, {4, "よんぷん"}, {6, "ろっぷん"}, {7, "ななふん"},
        {8, "はっぷん"}, {9, "きゅうふん"}, {10, "じゅっぷん"}, {11, "じゅういっぷん"}, {20, "にじゅっぷん"},
        {34, "さんじゅうよんぷん"}, {40, "よんじゅっぷん"}, {45, "よんじゅうごふん"}, {59, "ごじゅうきゅうふん"}};
    for (const auto& [minute, reading] : cases)
        EXPECT_EQ(minuteReading(minute), QString::fromUtf8(reading)) << minute;
}

TEST(Readings, OnTheHourSaysExactly)
{
    EXPECT_EQ(timeReading(12, 0), QStringLiteral("じゅうにじ ちょうど"));
    EXPECT_EQ(timeReading(7, 15), QStringLiteral("しちじ じゅうごふん"));
}
