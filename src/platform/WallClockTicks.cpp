#include "platform/WallClockTicks.h"

#include <QDateTime>

namespace platform::wallclock {

bool followsWallClock(int periodMs)
{
    return periodMs > 0 && (1000 % periodMs == 0 || periodMs % 1000 == 0);
}

std::int64_t nextTick(std::int64_t nowMs, int periodMs)
{
    const std::int64_t since = nowMs - kTickAfterBoundaryMs;
    std::int64_t boundaries = since / periodMs;
    if (since % periodMs < 0)
        --boundaries; // rounded down before the epoch as well
    return (boundaries + 1) * periodMs + kTickAfterBoundaryMs;
}

TickStep stepForTick(std::int64_t nowMs, std::int64_t tickAtMs, bool singleShot)
{
    if (nowMs < tickAtMs)
        return TickStep::Wait;
    if (singleShot)
        return TickStep::StartRepeating;
    return nowMs - tickAtMs > kLatestTickMs ? TickStep::Restart : TickStep::Continue;
}

std::int64_t nowMs()
{
    return QDateTime::currentMSecsSinceEpoch();
}

} // namespace platform::wallclock
