#pragma once

#include "platform/Application.h"

// The application object. It declares no properties, handles no application events and binds
// no menu handlers: everything happens in the main window.
class AppObject : public platform::Application {
public:
    AppObject() = default;
    void Constructor() {}
};

// The registered application object.
inline AppObject* App()
{
    return static_cast<AppObject*>(platform::_GetAppObject());
}
