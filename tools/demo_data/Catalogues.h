#pragma once

#include <QByteArray>
#include <QString>

// The four catalogue files, byte for byte as the clock reads them.
namespace vemra::demo {

// Percent-encodes a field as UTF-8: every byte but ASCII letters, digits and "-._~".
QByteArray percentEncodedField(const QString& field);

// "ActMain.txt": speaker number TAB name TAB photo name, percent-encoded, CR LF line ends.
QByteArray speakerCatalogue();

// "Alarm.txt": name TAB sound file name, percent-encoded, CR LF line ends.
QByteArray alarmCatalogue();

// "ActTime.txt": HHMM TAB speaker number for every minute, plain text, CR after every line.
QByteArray timeCatalogue();

// "ActSerif.txt": the same for the quarter hours.
QByteArray quarterHourCatalogue();

// "HHMM"
QString minuteKey(int hour, int minute);

} // namespace vemra::demo
