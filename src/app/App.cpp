#include "app/App.h"

AppObject* App()
{
    return static_cast<AppObject*>(platform::_GetAppObject());
}
