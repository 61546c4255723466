#pragma once

// When a repeating timer ticks on the wall clock. A period that divides a second (or is a
// whole number of seconds) ticks just after each multiple of it since the epoch: a 500 ms
// timer just after each whole and half second. Never before: a tick at hh:mm:59.999 would
// still read the old minute.

#include <cstdint>

namespace platform::wallclock {

// How long after its boundary a tick comes: the timer's own clock and the wall clock may
// disagree by a fraction of a millisecond.
constexpr std::int64_t kTickAfterBoundaryMs = 1;

// Whether ticks of this period are kept on the wall clock's boundaries.
bool followsWallClock(int periodMs);

// The first tick time (a boundary plus kTickAfterBoundaryMs) after `nowMs`, in milliseconds
// since the epoch. For a period that follows the wall clock.
std::int64_t nextTick(std::int64_t nowMs, int periodMs);

// How late a tick may come before the timer starts again on the next boundary: the title's
// seconds should follow the wall clock's within a frame or so.
constexpr std::int64_t kLatestTickMs = 5;

// What a timer on the wall clock does with a tick that came at `nowMs` for `tickAtMs`.
enum class TickStep {
    Wait,            // early (the wall clock went back, or the timer's clock ran ahead): no
                     // Action; a single shot waits for the next boundary
    StartRepeating,  // the single shot that waited for a boundary: Action, then repeat from here
    Continue,        // on time: Action, and the repeating timer goes on
    Restart,         // too late (a step forward, a resume, a busy machine): Action, then a
                     // single shot for the next boundary
};
TickStep stepForTick(std::int64_t nowMs, std::int64_t tickAtMs, bool singleShot);

// The wall clock now, in milliseconds since the epoch.
std::int64_t nowMs();

} // namespace platform::wallclock
