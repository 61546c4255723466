#include "support/MinuteTicks.h"

#include "support/AppFolder.h"

#include "clock/MainWindow.h"
#include "platform/Testing.h"

#include <QElapsedTimer>
#include <QTest>

#include <gtest/gtest.h>

namespace vemra::test {

QByteArray preferencesText(const Settings& settings)
{
    return "seiyuOn/Off=" + settings.speakers + "\nalarmOn=" + (settings.alarmOn ? "1" : "0")
           + "\nalarmHour=" + settings.alarmHour + "\nalarmMin=" + settings.alarmMin
           + "\nalarmVoice=" + QByteArray::number(settings.alarmVoice)
           + "\nvoiceMode=" + QByteArray::number(settings.voiceMode) + "\n";
}

void tickAt(int hour, int minute, int second)
{
    setTime(hour, minute, second);
    mainWindow()->mainTimer()->fire();
}

void clickMainWindow()
{
    QTest::mouseClick(mainWindow()->contentWidget(), Qt::LeftButton, {}, QPoint(160, 240));
}

void letSoundsEnd()
{
    QElapsedTimer waited;
    waited.start();
    while (platform::testing::playbacksInProgress() > 0 && waited.elapsed() < 20000)
        platform::testing::processEvents(2);
    EXPECT_EQ(platform::testing::playbacksInProgress(), 0) << "a playback never ended";
}

} // namespace vemra::test
