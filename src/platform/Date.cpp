#include "platform/Date.h"

#include "platform/Testing.h"

#include <QDateTime>

#include <charconv>
#include <functional>
#include <mutex>
#include <utility>

namespace platform {

namespace {

std::function<Date()>& injectedClock()
{
    static std::function<Date()> clock;
    return clock;
}

// The local time of a second of the wall clock. Qt looks the time zone up again at each
// conversion (tzset reads /etc/localtime anew), so a change of zone shows within a second; a
// clock ticking twice a second asks for the same second twice, and the second time it is
// only a comparison.
Date localTimeAt(qint64 second)
{
    static std::mutex mutex;
    static qint64 cachedSecond = -1;
    static Date cached(0, 0, 0, 0, 0, 0);
    const std::lock_guard<std::mutex> lock(mutex);
    if (second == cachedSecond)
        return cached;
    const QDateTime local = QDateTime::fromSecsSinceEpoch(second);
    const QDate date = local.date();
    const QTime time = local.time();
    cachedSecond = second;
    cached = Date(date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second());
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
    *this = localTimeAt(QDateTime::currentSecsSinceEpoch());
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
