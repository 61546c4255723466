#pragma once

#include "platform/Controls.h"

namespace platform {

// How an unhandled-exception report names a control's Action handler: "window.control.Action".
inline String actionHandlerName(const Control& control, const char* kind)
{
    String name = control.Window() != nullptr ? control.Window()->className() + "." : String();
    name += control.Name().empty() ? String(kind) : control.Name();
    if (control.Index != kNotAnArrayMember)
        name += "(" + std::to_string(control.Index) + ")";
    return name + ".Action";
}

} // namespace platform
