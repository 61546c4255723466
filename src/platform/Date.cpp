#include "platform/Date.h"

#include "platform/Testing.h"

#include <QDateTime>
#include <QString>

#include <functional>
#include <utility>

namespace platform {

namespace {

std::function<Date()>& injectedClock()
{
    static std::function<Date()> clock;
    return clock;
}

} // namespace

Date::Date()
{
    if (const auto& clock = injectedClock()) {
        *this = clock();
        return;
    }
    const QDateTime now = QDateTime::currentDateTime();
    const QDate date = now.date();
    const QTime time = now.time();
    *this = Date(date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second());
}

Date::Date(int year, int month, int day, int hour, int minute, int second)
    : Year(year), Month(month), Day(day), Hour(hour), Minute(minute), Second(second)
{
}

String Str(const Date& date)
{
    return QString::asprintf("%04d-%02d-%02d %02d:%02d:%02d", date.Year, date.Month, date.Day, date.Hour,
                             date.Minute, date.Second)
        .toStdString();
}

namespace testing {

void setClock(std::function<Date()> clock) { injectedClock() = std::move(clock); }

} // namespace testing

} // namespace platform
