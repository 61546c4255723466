#include "platform/Date.h"
#include "platform/Testing.h"

#include <QDateTime>

#include <cstdlib>
#include <optional>
#include <string>

#include <gtest/gtest.h>

using namespace platform;

namespace {

class DateClock : public ::testing::Test {
protected:
    void TearDown() override { platform::testing::setClock(nullptr); }
};

} // namespace

TEST(DateText, IsZeroPaddedWith24HourTimeAtTheEnd)
{
    EXPECT_EQ(Str(Date(2024, 3, 7, 9, 5, 2)), "2024-03-07 09:05:02");
    EXPECT_EQ(Str(Date(2024, 12, 31, 23, 59, 59)), "2024-12-31 23:59:59");
    EXPECT_EQ(Str(Date(2024, 1, 1, 0, 0, 0)).substr(11), "00:00:00");
    // Fields out of range are written whole, as printf's "%02d" writes them.
    EXPECT_EQ(Str(Date(-5, 123, -2147483647 - 1, 7, 0, 0)), "-005-123--2147483648 07:00:00");
}

TEST_F(DateClock, InjectedClockIsReadAtEachNewDate)
{
    int calls = 0;
    platform::testing::setClock([&calls] {
        ++calls;
        return Date(2001, 2, 3, 4, calls, 6);
    });
    EXPECT_EQ(Str(Date()), "2001-02-03 04:01:06");
    EXPECT_EQ(Date().Minute, 2);
}

TEST_F(DateClock, ResettingTheClockGivesLocalTime)
{
    platform::testing::setClock([] { return Date(1999, 1, 1, 0, 0, 0); });
    platform::testing::setClock(nullptr);
    const Date now;
    const QDateTime local = QDateTime::currentDateTime();
    // The two readings can straddle a change of day only at midnight; the year check is enough.
    EXPECT_GE(now.Year, 2024);
    EXPECT_LE(now.Year, local.date().year());
    EXPECT_GE(now.Month, 1);
    EXPECT_LE(now.Hour, 23);
}

TEST_F(DateClock, IsTheTimeOfTheZoneInForceAndFollowsAChangeOfZone)
{
    const char* before = std::getenv("TZ");
    const std::optional<std::string> saved = before != nullptr ? std::optional<std::string>(before) : std::nullopt;
    const auto hourAt = [](int offsetHours) {
        return (QDateTime::currentDateTimeUtc().time().hour() + offsetHours + 24) % 24;
    };
    // Zones without summer time, 14 hours apart, so that the hours differ.
    for (const auto& [zone, offset] : {std::pair {"JST-9", 9}, std::pair {"EST5", -5}}) {
        setenv("TZ", zone, 1);
        // Read between two readings of the hour, in case an hour begins meanwhile.
        const int hourBefore = hourAt(offset);
        const int shown = Date().Hour;
        EXPECT_TRUE(shown == hourBefore || shown == hourAt(offset)) << zone << ": " << shown;
    }
    if (saved)
        setenv("TZ", saved->c_str(), 1);
    else
        unsetenv("TZ");
}
