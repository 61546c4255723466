#pragma once

namespace vemra::test {

// A QCoreApplication for tests that need Qt's application object (plugins, the executable's
// path) but no windows. Does nothing when an application object already exists.
void ensureCoreApplication();

} // namespace vemra::test
