#pragma once

#include <QByteArray>
#include <QList>

#include <functional>

class PrefWindow;

namespace vemra::test {

// Chooses the preferences menu item as the user does: the main window's handler makes the
// dialog and shows it modally. `whileShown` runs on the dialog once it is up and is expected to
// end it with OK or Cancel; a dialog it leaves open is cancelled afterwards and the test fails,
// so that no test can hang. The test also fails when any handler raised meanwhile. Returns what
// the menu handler returned.
bool choosePreferences(const std::function<void(PrefWindow&)>& whileShown);

// The preferences window that is open now, or nullptr; never makes one.
PrefWindow* openPrefWindow();

// Catalogue lines as the clock's resources hold them: joined by CR LF (one after the last
// line too) and percent-encoded whole, line ends and tabs included.
QByteArray percentEncodedCatalogue(const QList<QByteArray>& lines);

// `count` speaker lines "n<TAB>Speaker n<TAB>face-n" for the speakers 1 to count.
QList<QByteArray> speakerLines(int count);
// `count` alarm lines "Voice k<TAB>voice-k.mp3" for k = 0 to count - 1.
QList<QByteArray> alarmLines(int count);

} // namespace vemra::test
