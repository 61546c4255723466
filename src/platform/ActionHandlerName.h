#pragma once

// actionHandlerName now lives in Controls.h; this header goes once Timer.cpp no longer includes it.
#include "platform/Controls.h"
