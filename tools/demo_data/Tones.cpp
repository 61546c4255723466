#include "Tones.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace vemra::demo {

namespace {

struct Partial {
    double ratio;
    double amplitude;
};

struct Note {
    double start;       // seconds
    double frequency;   // Hz
    double length;      // seconds until the note is cut (with a short release)
    double decay;       // seconds for the amplitude to fall to 1/e; 0 holds it steady
};

class Score {
public:
    explicit Score(int sampleRate) : m_rate(sampleRate) {}

    void play(const Note& note, const std::vector<Partial>& partials)
    {
        const auto first = static_cast<std::size_t>(note.start * m_rate);
        const auto count = static_cast<std::size_t>(note.length * m_rate);
        if (m_samples.size() < first + count)
            m_samples.resize(first + count, 0.0);
        const double attack = 0.004;
        const double release = std::min(0.03, note.length / 4);
        for (const Partial& partial : partials) {
            const double frequency = note.frequency * partial.ratio;
            if (frequency > 0.45 * m_rate)
                continue; // would alias
            // Higher partials die away sooner, as in struck instruments.
            const double decay = note.decay / std::sqrt(partial.ratio);
            for (std::size_t i = 0; i < count; ++i) {
                const double t = static_cast<double>(i) / m_rate;
                double envelope = std::min(1.0, t / attack) * std::min(1.0, (note.length - t) / release);
                if (note.decay > 0)
                    envelope *= std::exp(-t / decay);
                m_samples[first + i] += partial.amplitude * envelope * std::sin(2 * std::numbers::pi * frequency * t);
            }
        }
    }

    std::vector<float> normalized(double peak) const
    {
        double highest = 1e-9;
        for (double sample : m_samples)
            highest = std::max(highest, std::abs(sample));
        std::vector<float> out;
        out.reserve(m_samples.size());
        for (double sample : m_samples)
            out.push_back(static_cast<float>(sample * peak / highest));
        return out;
    }

private:
    int m_rate;
    std::vector<double> m_samples;
};

double noteFrequency(int semitonesFromA4) { return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0); }

// Semitones from A4 of some notes used below.
constexpr int G4 = -2, C5 = 3, D5 = 5, E5 = 7, F5 = 8, G5 = 10, A5 = 12, C6 = 15;

void bell(Score& score, double key)
{
    const std::vector<Partial> partials{{0.5, 0.25}, {1.0, 1.0}, {2.0, 0.45}, {2.76, 0.3}, {5.4, 0.15}};
    for (double start : {0.0, 0.55, 1.1})
        score.play({start, 880 * key, start < 1.0 ? 0.55 : 1.4, 0.7}, partials);
}

void chime(Score& score, double key)
{
    const std::vector<Partial> partials{{1.0, 1.0}, {2.0, 0.3}, {3.0, 0.1}};
    const int tune[] = {E5, C5, D5, G4};
    for (int i = 0; i < 4; ++i)
        score.play({0.5 * i, noteFrequency(tune[i]) * key, 1.4, 0.8}, partials);
}

void beeps(Score& score, double key)
{
    const std::vector<Partial> squareish{{1.0, 1.0}, {3.0, 0.33}, {5.0, 0.2}};
    for (int group = 0; group < 3; ++group)
        for (int beep = 0; beep < 4; ++beep)
            score.play({0.95 * group + 0.15 * beep, 1000 * key, 0.08, 0}, squareish);
}

void musicBox(Score& score, double key)
{
    const std::vector<Partial> partials{{1.0, 1.0}, {2.0, 0.2}, {4.0, 0.08}};
    const int tune[] = {C5, E5, G5, E5, F5, A5, G5, C6};
    for (int i = 0; i < 8; ++i)
        score.play({0.22 * i, noteFrequency(tune[i] + 12) * key, 1.0, 0.35}, partials);
}

void fanfare(Score& score, double key)
{
    std::vector<Partial> brass;
    for (int n = 1; n <= 6; ++n)
        brass.push_back({static_cast<double>(n), 1.0 / n});
    const int tune[] = {G4, C5, E5};
    for (int i = 0; i < 3; ++i)
        score.play({0.16 * i, noteFrequency(tune[i]) * key, 0.13, 0}, brass);
    score.play({0.48, noteFrequency(G5) * key, 0.9, 1.5}, brass);
}

void xylophone(Score& score, double key)
{
    const std::vector<Partial> partials{{1.0, 1.0}, {3.93, 0.3}};
    const int tune[] = {C5, D5, E5, G5, A5, C6, A5, C6};
    for (int i = 0; i < 8; ++i)
        score.play({0.14 * i + (i >= 6 ? 0.14 : 0.0), noteFrequency(tune[i]) * key, 0.5, 0.18}, partials);
}

} // namespace

std::vector<float> synthesizeTone(Tone tone, double key, int sampleRate)
{
    Score score(sampleRate);
    switch (tone) {
    case Tone::Bell: bell(score, key); break;
    case Tone::Chime: chime(score, key); break;
    case Tone::Beeps: beeps(score, key); break;
    case Tone::MusicBox: musicBox(score, key); break;
    case Tone::Fanfare: fanfare(score, key); break;
    case Tone::Xylophone: xylophone(score, key); break;
    default: throw std::logic_error("unknown tone");
    }
    return score.normalized(0.6);
}

} // namespace vemra::demo
