#include "platform/Controls.h"

#include "platform/Application.h"
#include "platform/WallClockTicks.h"

#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdint>

namespace platform {

namespace {

constexpr int kOff = 0;
constexpr int kRepeating = 2;

} // namespace

// A period that follows the wall clock is kept there by single shots, each armed for the
// next boundary from the wall clock read anew, so that a step of the clock (a correction, a
// change by hand, a resume from suspend) is followed at the next tick. Other periods run as
// a plain interval.
struct Timer::Impl {
    QTimer timer;
    int mode = kRepeating;
    int period = 1000;
    bool constructed = false;
    std::int64_t tickAt = 0; // the wall-clock time the armed single shot is for
    std::function<void(Timer&)> action;

    bool onWallClock() const { return wallclock::followsWallClock(period); }

    void armFrom(std::int64_t now)
    {
        tickAt = wallclock::nextTick(now, period);
        timer.start(std::chrono::milliseconds(tickAt - now));
    }

    void restart()
    {
        timer.stop();
        if (!constructed || mode != kRepeating)
            return;
        if (onWallClock()) {
            timer.setSingleShot(true);
            timer.setTimerType(Qt::PreciseTimer);
            armFrom(wallclock::nowMs());
        } else {
            timer.setSingleShot(false);
            timer.setTimerType(Qt::CoarseTimer);
            timer.start(std::max(1, period)); // a period of 0 would spin the event loop
        }
    }
};

Timer::Timer() : d(std::make_unique<Impl>())
{
    QObject::connect(&d->timer, &QTimer::timeout, &d->timer, [this] {
        if (d->timer.isSingleShot()) {
            const std::int64_t now = wallclock::nowMs();
            const bool early = now < d->tickAt; // or the wall clock went back meanwhile
            // Armed before the Action runs, which may turn the timer off.
            d->armFrom(now);
            if (early)
                return;
        }
        fire();
    });
}

Timer::~Timer() = default;

void Timer::Constructor()
{
    d->constructed = true;
    d->restart();
}

int Timer::Mode() const { return d->mode; }
int Timer::Period() const { return d->period; }

void Timer::_SetProperties(const TimerProperties& properties)
{
    d->mode = properties.Mode == kRepeating ? kRepeating : kOff;
    d->period = properties.Period;
    d->restart();
}

void Timer::setAction(std::function<void(Timer&)> action) { d->action = std::move(action); }

void Timer::fire()
{
    const auto action = d->action; // the handler may replace it
    handleErrors(actionHandlerName(*this, "Timer").c_str(), [&] {
        if (action)
            action(*this);
    });
}

} // namespace platform
