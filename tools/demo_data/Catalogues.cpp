#include "Catalogues.h"

#include "Alarms.h"
#include "Schedule.h"
#include "Speakers.h"

namespace vemra::demo {

namespace {

const QByteArray tab("\t");
const QByteArray crLf("\r\n");
const QByteArray cr("\r");

QByteArray minuteLine(int hour, int minute, int speakerNumber)
{
    return minuteKey(hour, minute).toLatin1() + tab + QByteArray::number(speakerNumber) + cr;
}

} // namespace

QByteArray percentEncodedField(const QString& field)
{
    return field.toUtf8().toPercentEncoding();
}

QByteArray speakerCatalogue()
{
    QByteArray text;
    for (const Speaker& s : speakers())
        text += QByteArray::number(s.number) + tab + percentEncodedField(s.shownName) + tab
            + percentEncodedField(s.photoName) + crLf;
    return text;
}

QByteArray alarmCatalogue()
{
    QByteArray text;
    for (const Alarm& alarm : alarms())
        text += percentEncodedField(alarm.shownName) + tab + percentEncodedField(alarm.fileName) + crLf;
    return text;
}

QByteArray timeCatalogue()
{
    QByteArray text;
    for (int hour = 0; hour < 24; ++hour)
        for (int minute = 0; minute < 60; ++minute)
            text += minuteLine(hour, minute, timeSpeaker(hour, minute));
    return text;
}

QByteArray quarterHourCatalogue()
{
    QByteArray text;
    for (int hour = 0; hour < 24; ++hour)
        for (int minute = 0; minute < 60; minute += 15)
            text += minuteLine(hour, minute, quarterHourSpeaker(hour, minute));
    return text;
}

QString minuteKey(int hour, int minute)
{
    return QStringLiteral("%1%2").arg(hour, 2, 10, QLatin1Char('0')).arg(minute, 2, 10, QLatin1Char('0'));
}

} // namespace vemra::demo
