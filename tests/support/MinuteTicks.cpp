#include "support/MinuteTicks.h"

#include "support/AppFolder.h"

#include "clock/MainWindow.h"

#include <QTest>

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

} // namespace vemra::test
