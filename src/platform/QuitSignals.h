#pragma once

// SIGTERM, SIGINT and SIGHUP end the application as its quit item does. Internal to the
// platform layer.

namespace platform::framework {

// From here on each of the three signals runs the quit action on the event loop: every open
// window closes through its Close event, newest first. The same signal again while closing
// ends the process at once, as it would without this handling. A signal ignored when the
// process started (nohup, a background job) stays ignored. Also keeps SDL from installing
// handlers of its own. Called by RuntimeInit; calling it again only attaches the event loop
// side to a new application object.
void installQuitSignals();

} // namespace platform::framework
