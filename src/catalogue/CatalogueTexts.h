#pragma once

#include "platform/Strings.h"

// The whole text of each catalogue file in the application's "Resources" folder, read on the
// first call and kept for the run. A missing folder or file gives the empty text, silently;
// the first call counts even when it fails, so a file is never tried twice.
platform::String ActMain();  // "ActMain.txt": the speakers
platform::String ActSerif(); // "ActSerif.txt": the quarter-hour lines
platform::String ActTime();  // "ActTime.txt": the time announcements
platform::String Alarm();    // "Alarm.txt": the alarm voices

// End of run: drops the kept texts, in the order ActMain, ActSerif, ActTime, Alarm, and lets
// the next call read its file again.
void releaseCatalogueTexts();
