#pragma once

#include "Alarms.h"

#include <vector>

namespace vemra::demo {

// The alarm's tone pattern, one to three seconds long, peaking at 0.6. key raises all
// frequencies by that factor.
std::vector<float> synthesizeTone(Tone tone, double key, int sampleRate);

} // namespace vemra::demo
