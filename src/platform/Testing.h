#pragma once

// Seams for tests only. The program itself never calls these.

#include "platform/Date.h"
#include "platform/Strings.h"

#include <functional>
#include <vector>

namespace platform {
class Window;
}

namespace platform::testing {

// The clock that Date() reads; nullptr restores the system clock.
void setClock(std::function<Date()> clock);
// The folder SpecialFolder::Preferences() gives; "" restores the XDG config folder.
void setPreferencesFolder(const String& nativePath);
// The file Application::ExecutableFile() gives (and so where Resources and the data folder
// are looked for); "" restores the running executable.
void setExecutableFile(const String& nativePath);
// The SDL audio driver and, for the "disk" driver, its output file. Takes effect the next time
// the audio device opens.
void setAudioOutput(const String& driver, const String& file);

bool audioDeviceOpen();
int playbacksInProgress();
// Runs the event loop until nothing plays and the audio device has closed; false on timeout.
bool waitForAudioIdle(int timeoutMs);

// Runs the event loop for about `ms` milliseconds (at least once).
void processEvents(int ms = 0);

std::vector<platform::Window*> openWindows();
// Closes every open window through its Close event and deletes it.
void closeAllWindows();

bool quitCalled();
int quitCode();
void resetQuit();
// How many exceptions handleErrors has reported, and the last report's text.
int reportedErrors();
String lastReportedError();

} // namespace platform::testing
