#include "support/PreferencesDialog.h"

#include "clock/MainWindow.h"
#include "platform/Exceptions.h"
#include "platform/Testing.h"
#include "preferences_window/PrefWindow.h"

#include <gtest/gtest.h>

#include <QTimer>

namespace vemra::test {

PrefWindow* openPrefWindow()
{
    return dynamic_cast<PrefWindow*>(platform::_GetImplicitWindow(PrefWindow::kClassName));
}

bool choosePreferences(const std::function<void(PrefWindow&)>& whileShown)
{
    bool shown = false;
    const int errorsBefore = platform::testing::reportedErrors();
    // Runs inside the modal showing, once the menu handler has made the dialog.
    QTimer::singleShot(0, [&] {
        PrefWindow* dialog = openPrefWindow();
        if (dialog == nullptr) {
            ADD_FAILURE() << "the preferences menu item showed no preferences window";
            return;
        }
        shown = true;
        whileShown(*dialog);
        if (openPrefWindow() == dialog) {
            ADD_FAILURE() << "the dialog was left open";
            dialog->PushButton2()->push();
        }
    });
    const bool handled = platform::notNil(mainWindow(), "mainWindow")._prefMenu_Action();
    EXPECT_TRUE(shown);
    EXPECT_EQ(openPrefWindow(), nullptr) << "the modal showing ended with the dialog still open";
    EXPECT_EQ(platform::testing::reportedErrors(), errorsBefore)
        << "a handler raised: " << platform::testing::lastReportedError();
    return handled;
}

QByteArray percentEncodedCatalogue(const QList<QByteArray>& lines)
{
    QByteArray text;
    for (const QByteArray& line : lines)
        text += line + "\r\n";
    return text.toPercentEncoding();
}

QList<QByteArray> speakerLines(int count)
{
    QList<QByteArray> lines;
    for (int n = 1; n <= count; ++n)
        lines << QByteArray::number(n) + "\tSpeaker " + QByteArray::number(n) + "\tface-" + QByteArray::number(n);
    return lines;
}

QList<QByteArray> alarmLines(int count)
{
    QList<QByteArray> lines;
    for (int k = 0; k < count; ++k)
        lines << "Voice " + QByteArray::number(k) + "\tvoice-" + QByteArray::number(k) + ".mp3";
    return lines;
}

} // namespace vemra::test
