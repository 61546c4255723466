#pragma once

#include "platform/Array.h"
#include "platform/Strings.h"

// Line `index` of a catalogue, or "" past its end, so that a catalogue shorter than the
// dialog's fixed counts shows empty captions instead of failing.
inline platform::String catalogueLine(const platform::Array<platform::String>& catalogue, int index)
{
    return catalogue.inBounds(index) ? catalogue(index) : platform::String();
}
