#include "platform/Controls.h"

#include "platform/ActionHandlerName.h"
#include "platform/Application.h"

#include <QTimer>

#include <algorithm>

namespace platform {

struct Timer::Impl {
    QTimer timer;
    int mode = 2;
    int period = 1000;
    bool constructed = false;
    std::function<void(Timer&)> action;

    void restart()
    {
        timer.stop();
        if (!constructed || mode == 0)
            return;
        timer.setSingleShot(mode == 1);
        timer.start(std::max(1, period)); // a period of 0 would spin the event loop
    }
};

Timer::Timer() : d(std::make_unique<Impl>())
{
    QObject::connect(&d->timer, &QTimer::timeout, &d->timer, [this] {
        if (d->mode == 1)
            d->mode = 0; // a single-shot timer is off once it has fired
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
    d->mode = properties.Mode == 1 || properties.Mode == 2 ? properties.Mode : 0;
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
