#include "app/Startup.h"

#include "platform/Application.h"

int main()
{
    platform::RuntimeInit();
    _Main();
    releaseModuleState();
    return platform::RuntimeExit();
}
