#include "platform/Controls.h"

#include "platform/Application.h"

#include <QDateTime>
#include <QTimer>

#include <algorithm>
#include <chrono>

namespace platform {

namespace {

constexpr int kOff = 0;
constexpr int kRepeating = 2;

} // namespace

std::int64_t nextTimerTick(std::int64_t nowMs, int periodMs)
{
    const std::int64_t since = nowMs - 1;
    std::int64_t boundaries = since / periodMs;
    if (since % periodMs < 0)
        --boundaries; // rounded down before the epoch as well
    return (boundaries + 1) * periodMs + 1;
}

// One precise single shot, armed at each tick for the next boundary as the wall clock reads
// then, so that a step of the clock is followed at the next tick.
struct Timer::Impl {
    QTimer timer;
    int mode = kRepeating;
    int period = 1000;
    bool constructed = false;
    std::int64_t tickAt = 0;
    std::function<void(Timer&)> action;

    void arm(std::int64_t now)
    {
        tickAt = nextTimerTick(now, std::max(1, period));
        timer.start(std::chrono::milliseconds(tickAt - now));
    }

    void restart()
    {
        timer.stop();
        if (constructed && mode == kRepeating)
            arm(QDateTime::currentMSecsSinceEpoch());
    }
};

Timer::Timer() : d(std::make_unique<Impl>())
{
    d->timer.setSingleShot(true);
    d->timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&d->timer, &QTimer::timeout, &d->timer, [this] {
        const std::int64_t now = QDateTime::currentMSecsSinceEpoch();
        const bool early = now < d->tickAt;
        d->arm(now); // before the Action, which may turn the timer off
        if (!early)
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
    handleErrors([this] { return actionHandlerName(*this, "Timer"); }, [&] {
        if (action)
            action(*this);
    });
}

} // namespace platform
