// The catalogues are read byte for byte by the clock; these check them the way it reads them.
#include "Alarms.h"
#include "Catalogues.h"
#include "Clips.h"

#include <QList>

#include <gtest/gtest.h>

#include <map>

using namespace vemra::demo;

namespace {

QList<QByteArray> splitAt(const QByteArray& text, const QByteArray& separator)
{
    QList<QByteArray> parts;
    qsizetype from = 0;
    for (qsizetype at; (at = text.indexOf(separator, from)) >= 0; from = at + separator.size())
        parts.append(text.mid(from, at - from));
    parts.append(text.mid(from));
    return parts;
}

QList<QByteArray> decodedLines(const QByteArray& catalogue)
{
    return splitAt(QByteArray::fromPercentEncoding(catalogue), "\r\n");
}

// minute key -> speaker number, checking the plain CR-ended format on the way.
std::map<QString, int> minuteEntries(const QByteArray& catalogue, int expectedLines)
{
    for (char byte : catalogue)
        EXPECT_TRUE((byte >= '0' && byte <= '9') || byte == '\t' || byte == '\r') << int(byte);
    EXPECT_TRUE(catalogue.endsWith('\r'));
    const QList<QByteArray> lines = splitAt(catalogue, "\r");
    EXPECT_EQ(lines.size(), expectedLines + 1);
    EXPECT_TRUE(lines.last().isEmpty());
    std::map<QString, int> entries;
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        const QList<QByteArray> fields = lines[i].split('\t');
        EXPECT_EQ(fields.size(), 2) << lines[i].constData();
        EXPECT_EQ(fields[0].size(), 4) << lines[i].constData();
        const int number = fields.value(1).toInt();
        EXPECT_TRUE(number >= 1 && number <= 12) << lines[i].constData();
        EXPECT_TRUE(entries.emplace(QString::fromLatin1(fields[0]), number).second) << "twice: " << lines[i].constData();
    }
    return entries;
}

} // namespace

TEST(Catalogues, SpeakerCatalogueHasTwelveEncodedLines)
{
    const QByteArray raw = speakerCatalogue();
    for (char byte : raw)
        EXPECT_TRUE(static_cast<unsigned char>(byte) < 0x80 && byte != '+' && byte != ' ') << int(byte);
    const QList<QByteArray> lines = decodedLines(raw);
    ASSERT_EQ(lines.size(), 13);
    EXPECT_TRUE(lines.last().isEmpty());
    for (int n = 1; n <= 12; ++n) {
        const QList<QByteArray> fields = lines[n - 1].split('\t');
        ASSERT_EQ(fields.size(), 3);
        EXPECT_EQ(fields[0], QByteArray::number(n));
        EXPECT_FALSE(QString::fromUtf8(fields[1]).isEmpty());
        EXPECT_EQ(fields[2], QByteArray("seiyu") + QByteArray::number(n).rightJustified(2, '0'));
    }
}

TEST(Catalogues, AlarmCatalogueHasTwentyFourEncodedLines)
{
    const QByteArray raw = alarmCatalogue();
    for (char byte : raw)
        EXPECT_TRUE(static_cast<unsigned char>(byte) < 0x80 && byte != '+' && byte != ' ') << int(byte);
    const QList<QByteArray> lines = decodedLines(raw);
    ASSERT_EQ(lines.size(), 25);
    EXPECT_EQ(QString::fromUtf8(lines[0].split('\t')[0]), QStringLiteral("ベル（ひより）"));
    for (int k = 0; k < 24; ++k) {
        const QList<QByteArray> fields = lines[k].split('\t');
        ASSERT_EQ(fields.size(), 2);
        EXPECT_EQ(fields[1], QByteArray("alarm") + QByteArray::number(k + 1).rightJustified(2, '0') + ".mp3");
    }
}

TEST(Catalogues, MinuteCataloguesCoverTheDayAndNameTheVoiceOfEachClip)
{
    const auto times = minuteEntries(timeCatalogue(), 24 * 60);
    const auto lines = minuteEntries(quarterHourCatalogue(), 24 * 4);
    EXPECT_EQ(times.begin()->first, QStringLiteral("0000"));
    EXPECT_EQ(times.rbegin()->first, QStringLiteral("2359"));
    EXPECT_EQ(lines.count(QStringLiteral("0745")), 1u);
    EXPECT_EQ(lines.count(QStringLiteral("0750")), 0u);

    std::map<QString, int> alarmFiles;
    int timeClips = 0, lineClips = 0;
    for (const Clip& clip : allClips()) {
        const QString folder = clip.relativePath.section(QLatin1Char('/'), 0, 1);
        const QString key = clip.relativePath.section(QLatin1Char('/'), 2).chopped(4);
        if (folder == QStringLiteral("Sounds/Time")) {
            ++timeClips;
            EXPECT_EQ(times.at(key), clip.speakerNumber) << key.toStdString();
        } else if (folder == QStringLiteral("Sounds/Serif")) {
            ++lineClips;
            EXPECT_EQ(lines.at(key), clip.speakerNumber) << key.toStdString();
        } else {
            ASSERT_EQ(folder, QStringLiteral("Sounds/Alarm"));
            ASSERT_NE(clip.alarm, nullptr);
            ++alarmFiles[clip.relativePath.section(QLatin1Char('/'), 2)];
        }
    }
    EXPECT_EQ(timeClips, 24 * 60);
    EXPECT_EQ(lineClips, 24 * 4);
    ASSERT_EQ(alarmFiles.size(), 24u);
    for (const Alarm& alarm : alarms())
        EXPECT_EQ(alarmFiles[alarm.fileName], 1) << alarm.fileName.toStdString();
}
