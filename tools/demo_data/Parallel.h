#pragma once

#include <QString>

#include <functional>

namespace vemra::demo {

// Runs task(0) to task(count - 1) on `threads` threads, showing "<label> done/count" as it goes.
// When a task throws, no further tasks start and the first error is rethrown once the running
// ones have finished.
void runInParallel(const QString& label, int count, int threads, const std::function<void(int)>& task);

} // namespace vemra::demo
