#pragma once

// Proving what played.
//
// The platform mixes every playback into one 44100 Hz, signed 16-bit, stereo audio device.
// With SDL's "disk" driver (what ctest selects) each frame it mixes goes to a file. An
// AudioCapture points the device at such a file in a temporary folder, gathers what was
// written, and finds decoded clips in it, sample for sample: a clip found has played from its
// first frame to its last, and mixed playbacks are found as their saturated sum.
//
//     vemra::test::ensureRuntime();
//     vemra::test::AudioCapture capture;      // before the program opens the sound
//     ... make the program play ...
//     ASSERT_TRUE(capture.collect());         // waits until nothing plays and the device closed
//     const auto& clip = vemra::test::Clip::decode(vemra::test::testDataPath("tone-440-300ms.mp3"));
//     EXPECT_TRUE(capture.playedExactly(clip, 2));   // twice, whole, and nothing else
//
// The disk driver empties its file each time the device opens, and the device closes about
// half a second after the last playback ends and the last Sound is dropped. Call collect()
// before anything plays again after such a pause; each call adds what the device wrote since
// it last opened, so a test may collect after every step and check the whole at the end.
// Positions count frames from the start of everything collected.
//
// Needs a QCoreApplication (ensureRuntime()), and no Sound held while collect() waits.

#include <QString>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vemra::test {

// A sound file decoded the way the platform decodes it, in the device's format.
class Clip {
public:
    // Decodes with SDL2_mixer, once per path for the whole test run. A file that SDL2_mixer
    // cannot read gives an empty clip. Waits for the platform's audio device to close first,
    // since this opens a device of its own.
    static const Clip& decode(const QString& path);
    // Decoded as the platform keeps a clip: at most its first five minutes. Not kept.
    static Clip decodeAsThePlatformKeeps(const QString& path);

    // Interleaved left and right samples.
    const std::vector<std::int16_t>& samples() const { return samples_; }
    std::size_t frames() const { return samples_.size() / 2; }
    bool empty() const { return samples_.empty(); }

private:
    std::vector<std::int16_t> samples_;
};

class AudioCapture {
public:
    // Waits for the platform's audio device to close, then sends the device's next openings
    // to a file of this capture.
    AudioCapture();
    // Waits for the device to close and gives it back its usual output.
    ~AudioCapture();
    AudioCapture(const AudioCapture&) = delete;
    AudioCapture& operator=(const AudioCapture&) = delete;

    // Runs the event loop until nothing plays and the device has closed, then adds what the
    // device wrote to the output. False on timeout: something still plays or a Sound is held.
    bool collect(int timeoutMs = 30000);

    // Everything collected: interleaved left and right samples.
    const std::vector<std::int16_t>& samples() const { return samples_; }
    std::size_t frames() const { return samples_.size() / 2; }
    bool silent() const;

    // True when the output is silence apart from `times` playbacks of the clip, each from its
    // start to its end, whether they overlap or not. 0 times means the output is silent.
    bool playedExactly(const Clip& clip, int times) const;

    // Where the given clips start, in the order given, when the output is exactly these
    // playbacks (each from its start to its end, mixed as their saturated sum where they
    // overlap) and silence everywhere else; nullopt otherwise. List a clip twice for two
    // playbacks of it. A clip that is empty or all silence is never found.
    std::optional<std::vector<std::size_t>> locate(const std::vector<const Clip*>& clips) const;

    // How many times the clip stands whole and alone in the output (no other sound over it).
    int wholeAppearances(const Clip& clip) const;

    // The most frames of the clip, counted from its start, that appear unmixed anywhere:
    // for telling how far a playback got when it did not play whole.
    std::size_t longestPlayedPart(const Clip& clip) const;

    // A line for failure messages: length and where sound begins and ends.
    std::string describe() const;

    QString outputFile() const;

private:
    QTemporaryDir folder_;
    std::vector<std::int16_t> samples_;
};

} // namespace vemra::test
