#pragma once

#include <QString>

namespace vemra::test {

// Starts the framework once per test process (the QApplication behind it), so that windows,
// timers and sounds can be made. Safe to call from every test's SetUp.
void ensureRuntime();

// The folder of the checked-in test fixtures (tests/data).
QString testDataPath(const QString& name);

} // namespace vemra::test
