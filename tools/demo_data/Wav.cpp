#include "Wav.h"

#include <QFile>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <stdexcept>

namespace vemra::demo {

namespace {

std::uint32_t readLittleEndian(const QByteArray& bytes, qsizetype at, int size)
{
    if (at + size > bytes.size())
        throw std::runtime_error("truncated WAV file");
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<std::uint8_t>(bytes[at + i]);
    return value;
}

void appendLittleEndian(QByteArray& bytes, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes.append(static_cast<char>((value >> (8 * i)) & 0xff));
}

} // namespace

Pcm readWav(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + path.toStdString());
    const QByteArray bytes = file.readAll();
    if (!bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        throw std::runtime_error(path.toStdString() + " is not a WAV file");

    int channels = 0;
    Pcm pcm;
    qsizetype at = 12;
    while (at + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(at, 4);
        // A streamed WAV may declare more data than the file holds; take what is there.
        const qsizetype size = std::min<qsizetype>(readLittleEndian(bytes, at + 4, 4), bytes.size() - at - 8);
        const qsizetype body = at + 8;
        if (id == "fmt ") {
            if (readLittleEndian(bytes, body, 2) != 1 || readLittleEndian(bytes, body + 14, 2) != 16)
                throw std::runtime_error(path.toStdString() + " is not 16-bit PCM");
            channels = static_cast<int>(readLittleEndian(bytes, body + 2, 2));
            pcm.sampleRate = static_cast<int>(readLittleEndian(bytes, body + 4, 4));
        } else if (id == "data") {
            if (channels < 1)
                throw std::runtime_error(path.toStdString() + " has no format before its data");
            const qsizetype frames = size / (2 * channels);
            pcm.samples.reserve(static_cast<std::size_t>(frames));
            for (qsizetype frame = 0; frame < frames; ++frame) {
                float sum = 0;
                for (int channel = 0; channel < channels; ++channel) {
                    const auto raw = static_cast<std::int16_t>(readLittleEndian(bytes, body + 2 * (frame * channels + channel), 2));
                    sum += static_cast<float>(raw) / 32768.0f;
                }
                pcm.samples.push_back(sum / static_cast<float>(channels));
            }
            return pcm;
        }
        at = body + size + (size & 1);
    }
    throw std::runtime_error(path.toStdString() + " has no audio data");
}

void writeWav(const QString& path, const Pcm& pcm)
{
    const auto dataSize = static_cast<std::uint32_t>(pcm.samples.size() * 2);
    QByteArray bytes("RIFF");
    appendLittleEndian(bytes, 36 + dataSize, 4);
    bytes.append("WAVEfmt ");
    appendLittleEndian(bytes, 16, 4);
    appendLittleEndian(bytes, 1, 2); // PCM
    appendLittleEndian(bytes, 1, 2); // mono
    appendLittleEndian(bytes, static_cast<std::uint32_t>(pcm.sampleRate), 4);
    appendLittleEndian(bytes, static_cast<std::uint32_t>(pcm.sampleRate * 2), 4);
    appendLittleEndian(bytes, 2, 2);
    appendLittleEndian(bytes, 16, 2);
    bytes.append("data");
    appendLittleEndian(bytes, dataSize, 4);
    for (float sample : pcm.samples) {
        const auto value = static_cast<std::int16_t>(std::lround(std::clamp(sample, -1.0f, 1.0f) * 32767.0f));
        appendLittleEndian(bytes, static_cast<std::uint16_t>(value), 2);
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

} // namespace vemra::demo
