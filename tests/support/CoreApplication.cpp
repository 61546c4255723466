#include "support/CoreApplication.h"

#include <QCoreApplication>

namespace vemra::test {

void ensureCoreApplication()
{
    if (QCoreApplication::instance() != nullptr)
        return;
    static int argc = 1;
    static char name[] = "vemra-tests";
    static char* argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
}

} // namespace vemra::test
