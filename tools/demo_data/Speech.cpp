#include "Speech.h"

#include "Speakers.h"
#include "Tones.h"
#include "Wav.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace vemra::demo {

namespace {

void run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        throw std::runtime_error(QStringLiteral("%1 failed: %2").arg(program, QString::fromLocal8Bit(process.readAll()).trimmed()).toStdString());
}

void normalize(std::vector<float>& samples, float peak)
{
    float highest = 1e-6f;
    for (float sample : samples)
        highest = std::max(highest, std::abs(sample));
    for (float& sample : samples)
        sample *= peak / highest;
}

void appendSilence(Pcm& pcm, double seconds)
{
    pcm.samples.resize(pcm.samples.size() + static_cast<std::size_t>(seconds * pcm.sampleRate), 0.0f);
}

} // namespace

ExternalTools ExternalTools::find()
{
    ExternalTools tools{QStandardPaths::findExecutable(QStringLiteral("espeak-ng")),
                        QStandardPaths::findExecutable(QStringLiteral("lame"))};
    if (tools.espeak.isEmpty() || tools.lame.isEmpty())
        throw std::runtime_error("espeak-ng and lame are needed (scripts/install-deps run installs them)");
    return tools;
}

void renderClip(const ExternalTools& tools, const Clip& clip, const QString& outputPath, const QString& scratchFolder)
{
    const QString scratchName = QString(clip.relativePath).replace(QLatin1Char('/'), QLatin1Char('_'));
    const QString spokenWav = QDir(scratchFolder).filePath(scratchName + QStringLiteral(".spoken.wav"));
    const QString mixedWav = QDir(scratchFolder).filePath(scratchName + QStringLiteral(".wav"));

    const Voice& voice = speaker(clip.speakerNumber).voice;
    run(tools.espeak, {QStringLiteral("-v"), QStringLiteral("ja+") + voice.variant,
                       QStringLiteral("-p"), QString::number(voice.pitch),
                       QStringLiteral("-s"), QString::number(voice.wordsPerMinute),
                       QStringLiteral("-w"), spokenWav, clip.text});

    const Pcm spoken = readWav(spokenWav);
    Pcm mixed{spoken.sampleRate, {}};
    if (clip.alarm) {
        mixed.samples = synthesizeTone(clip.alarm->tone, clip.alarm->toneKey, spoken.sampleRate);
        appendSilence(mixed, 0.25);
    }
    std::vector<float> speech = spoken.samples;
    normalize(speech, 0.9f);
    mixed.samples.insert(mixed.samples.end(), speech.begin(), speech.end());
    // MP3 decoders may drop the last frame or so; keep the last syllable clear of it.
    appendSilence(mixed, 0.3);
    writeWav(mixedWav, mixed);

    run(tools.lame, {QStringLiteral("--quiet"), QStringLiteral("--resample"), QStringLiteral("44.1"),
                     QStringLiteral("-m"), QStringLiteral("m"), QStringLiteral("-b"), clip.alarm ? QStringLiteral("64") : QStringLiteral("48"),
                     mixedWav, outputPath});
    QFile::remove(spokenWav);
    QFile::remove(mixedWav);
}

} // namespace vemra::demo
