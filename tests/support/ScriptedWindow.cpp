#include "support/ScriptedWindow.h"

#include "platform/Testing.h"

namespace vemra::test {

void ScriptedWindowTest::SetUp()
{
    ensureRuntime();
    platform::testing::resetQuit();
}

void ScriptedWindowTest::TearDown()
{
    platform::testing::closeAllWindows();
    platform::testing::resetQuit();
}

} // namespace vemra::test
