#include "support/ScriptedWindow.h"

#include "platform/Testing.h"

namespace vemra::test {

void GuiTest::SetUp()
{
    ensureRuntime();
    platform::testing::resetQuit();
}

void GuiTest::TearDown()
{
    platform::testing::closeAllWindows();
    platform::testing::resetQuit();
}

} // namespace vemra::test
