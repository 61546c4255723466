#include "support/TestRuntime.h"

#include "platform/Application.h"

namespace vemra::test {

void ensureRuntime()
{
    static bool started = false;
    if (!started) {
        platform::RuntimeInit();
        started = true;
    }
}

QString testDataPath(const QString& name)
{
    return QStringLiteral(VEMRA_TEST_DATA "/") + name;
}

} // namespace vemra::test
