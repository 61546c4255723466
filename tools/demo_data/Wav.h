#pragma once

#include <QString>

#include <vector>

namespace vemra::demo {

// Mono audio, samples in -1 to 1.
struct Pcm {
    int sampleRate = 0;
    std::vector<float> samples;
};

// Reads a 16-bit PCM WAV file (as espeak-ng writes); stereo is mixed down. Throws on failure.
Pcm readWav(const QString& path);

// Writes 16-bit mono PCM, clipping samples outside -1 to 1. Throws on failure.
void writeWav(const QString& path, const Pcm& pcm);

} // namespace vemra::demo
