#include "platform/Date.h"

#include "platform/Testing.h"

#include <charconv>
#include <ctime>
#include <functional>
#include <utility>

namespace platform {

namespace {

std::function<Date()>& injectedClock()
{
    static std::function<Date()> clock;
    return clock;
}

// The local time of a second of the wall clock. The time zone is looked up again each
// second (tzset reads /etc/localtime anew), so a change of zone shows within a second; a
// clock ticking twice a second asks for the same second twice, and the second time it is
// only a comparison.
Date localTimeAt(std::time_t second)
{
    thread_local std::time_t cachedSecond = -1;
    thread_local Date cached(0, 0, 0, 0, 0, 0);
    if (second == cachedSecond)
        return cached;
    tzset();
    std::tm local {};
    if (localtime_r(&second, &local) == nullptr)
        return cached;
    cachedSecond = second;
    cached = Date(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
    return cached;
}

// Appends `value` as printf's "%0*d" does: at least `width` characters, the zeros after the
// sign.
void appendZeroPadded(String& text, int value, int width)
{
    char digits[24];
    const long long magnitude = value < 0 ? -static_cast<long long>(value) : value;
    char* end = std::to_chars(digits, digits + sizeof digits, magnitude).ptr;
    const int length = static_cast<int>(end - digits) + (value < 0 ? 1 : 0);
    if (value < 0)
        text += '-';
    if (width > length)
        text.append(static_cast<std::size_t>(width - length), '0');
    text.append(digits, static_cast<std::size_t>(end - digits));
}

} // namespace

Date::Date()
{
    if (const auto& clock = injectedClock()) {
        *this = clock();
        return;
    }
    std::timespec now {};
    std::timespec_get(&now, TIME_UTC);
    *this = localTimeAt(now.tv_sec);
}

Date::Date(int year, int month, int day, int hour, int minute, int second)
    : Year(year), Month(month), Day(day), Hour(hour), Minute(minute), Second(second)
{
}

String Str(const Date& date)
{
    // Made by hand rather than with snprintf, whose format parsing and locale lookups were a
    // tenth of the idle clock's tick.
    String text;
    text.reserve(19);
    appendZeroPadded(text, date.Year, 4);
    text += '-';
    appendZeroPadded(text, date.Month, 2);
    text += '-';
    appendZeroPadded(text, date.Day, 2);
    text += ' ';
    appendZeroPadded(text, date.Hour, 2);
    text += ':';
    appendZeroPadded(text, date.Minute, 2);
    text += ':';
    appendZeroPadded(text, date.Second, 2);
    return text;
}

namespace testing {

void setClock(std::function<Date()> clock) { injectedClock() = std::move(clock); }

} // namespace testing

} // namespace platform
