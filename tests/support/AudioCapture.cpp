#include "support/AudioCapture.h"

#include "platform/Testing.h"

#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <limits>
#include <sstream>

namespace vemra::test {

namespace {

using Samples = std::vector<std::int16_t>;

constexpr int kIdleTimeoutMs = 30000;

bool frameSounds(const Samples& samples, std::size_t frame)
{
    return samples[2 * frame] != 0 || samples[2 * frame + 1] != 0;
}

bool framesEqual(const Samples& a, std::size_t frameA, const Samples& b, std::size_t frameB)
{
    return a[2 * frameA] == b[2 * frameB] && a[2 * frameA + 1] == b[2 * frameB + 1];
}

std::optional<std::size_t> firstSoundingFrame(const Samples& samples)
{
    for (std::size_t frame = 0; frame < samples.size() / 2; ++frame) {
        if (frameSounds(samples, frame))
            return frame;
    }
    return std::nullopt;
}

std::optional<std::size_t> lastSoundingFrame(const Samples& samples)
{
    for (std::size_t frame = samples.size() / 2; frame > 0; --frame) {
        if (frameSounds(samples, frame - 1))
            return frame - 1;
    }
    return std::nullopt;
}

bool onRail(std::int16_t sample)
{
    return sample == std::numeric_limits<std::int16_t>::max()
        || sample == std::numeric_limits<std::int16_t>::min();
}

std::int16_t saturate(std::int32_t value)
{
    return std::int16_t(std::clamp<std::int32_t>(value, std::numeric_limits<std::int16_t>::min(),
                                                 std::numeric_limits<std::int16_t>::max()));
}

// Frames of the output from which `clip` could have started, found by its first sounding
// frame, in ascending order.
std::vector<std::size_t> candidateStarts(const Samples& output, const Clip& clip)
{
    std::vector<std::size_t> starts;
    const std::optional<std::size_t> first = firstSoundingFrame(clip.samples());
    if (!first)
        return starts;
    const std::size_t outputFrames = output.size() / 2;
    for (std::size_t frame = *first; frame < outputFrames; ++frame) {
        if (framesEqual(output, frame, clip.samples(), *first))
            starts.push_back(frame - *first);
    }
    return starts;
}

std::size_t matchingPrefix(const Samples& output, std::size_t start, const Clip& clip)
{
    const std::size_t limit = std::min(clip.frames(), output.size() / 2 - start);
    std::size_t frame = 0;
    while (frame < limit && framesEqual(output, start + frame, clip.samples(), frame))
        ++frame;
    return frame;
}

// Takes the clips apart from the output one at a time, earliest start first. The earliest
// sound left in the remainder is the first sounding frame of some clip not yet placed, so
// each step only tries each different clip once. Frames at full scale may have been clipped
// by the mix and are passed over when looking for that earliest sound; the final check
// compares against the saturated sum.
class Decomposition {
public:
    Decomposition(const Samples& output, const std::vector<const Clip*>& clips)
        : output_(output), clips_(clips), starts_(clips.size()),
          remainder_(output.begin(), output.end())
    {
        for (std::size_t i = 0; i < clips_.size(); ++i) {
            firstSounding_.push_back(firstSoundingFrame(clips_[i]->samples()));
            std::size_t group = i;
            for (std::size_t j = 0; j < i; ++j) {
                if (clips_[j] == clips_[i] || clips_[j]->samples() == clips_[i]->samples()) {
                    group = groups_[j];
                    break;
                }
            }
            groups_.push_back(group);
        }
    }

    std::optional<std::vector<std::size_t>> solve()
    {
        for (const auto& first : firstSounding_) {
            if (!first)
                return std::nullopt;
        }
        if (!search(0))
            return std::nullopt;
        std::vector<std::size_t> starts;
        for (const auto& start : starts_)
            starts.push_back(*start);
        return starts;
    }

private:
    bool search(std::size_t from)
    {
        const std::size_t outputFrames = output_.size() / 2;
        std::size_t frame = from;
        while (frame < outputFrames && !remainderSounds(frame))
            ++frame;
        const bool allPlaced = std::all_of(starts_.begin(), starts_.end(),
                                           [](const auto& start) { return start.has_value(); });
        if (frame == outputFrames)
            return allPlaced && matchesSaturatedSum();
        if (allPlaced)
            return false;
        for (std::size_t i = 0; i < clips_.size(); ++i) {
            if (starts_[i] || !firstUnplacedOfGroup(i) || frame < *firstSounding_[i])
                continue;
            const std::size_t start = frame - *firstSounding_[i];
            if (start + clips_[i]->frames() > outputFrames)
                continue;
            addToRemainder(*clips_[i], start, -1);
            starts_[i] = start;
            if (search(frame))
                return true;
            starts_[i].reset();
            addToRemainder(*clips_[i], start, +1);
        }
        return false;
    }

    bool remainderSounds(std::size_t frame) const
    {
        for (std::size_t s = 2 * frame; s < 2 * frame + 2; ++s) {
            if (remainder_[s] != 0 && !onRail(output_[s]))
                return true;
        }
        return false;
    }

    bool firstUnplacedOfGroup(std::size_t index) const
    {
        for (std::size_t j = 0; j < index; ++j) {
            if (groups_[j] == groups_[index] && !starts_[j])
                return false;
        }
        return true;
    }

    void addToRemainder(const Clip& clip, std::size_t start, int sign)
    {
        const Samples& samples = clip.samples();
        for (std::size_t s = 0; s < samples.size(); ++s)
            remainder_[2 * start + s] += sign * std::int32_t(samples[s]);
    }

    bool matchesSaturatedSum() const
    {
        std::vector<std::int32_t> sum(output_.size(), 0);
        for (std::size_t i = 0; i < clips_.size(); ++i) {
            const Samples& samples = clips_[i]->samples();
            for (std::size_t s = 0; s < samples.size(); ++s)
                sum[2 * *starts_[i] + s] += samples[s];
        }
        for (std::size_t s = 0; s < output_.size(); ++s) {
            if (saturate(sum[s]) != output_[s])
                return false;
        }
        return true;
    }

    const Samples& output_;
    const std::vector<const Clip*>& clips_;
    std::vector<std::optional<std::size_t>> firstSounding_;
    std::vector<std::size_t> groups_; // equal clips share the index of the first of them
    std::vector<std::optional<std::size_t>> starts_;
    std::vector<std::int32_t> remainder_;
};

} // namespace

AudioCapture::AudioCapture()
{
    if (!platform::testing::waitForAudioIdle(kIdleTimeoutMs))
        ADD_FAILURE() << "the audio device was still in use when the capture began";
    platform::testing::setAudioOutput("disk", outputFile().toStdString());
}

AudioCapture::~AudioCapture()
{
    platform::testing::waitForAudioIdle(kIdleTimeoutMs);
    platform::testing::setAudioOutput("", "");
}

QString AudioCapture::outputFile() const
{
    return folder_.filePath(QStringLiteral("device-output.raw"));
}

bool AudioCapture::collect(int timeoutMs)
{
    if (!platform::testing::waitForAudioIdle(timeoutMs))
        return false;
    QFile file(outputFile());
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    file.close();
    // Removed so that a second collect() before the next opening adds nothing twice.
    file.remove();
    const std::size_t added = std::size_t(bytes.size()) / (2 * sizeof(std::int16_t)) * 2;
    const std::size_t had = samples_.size();
    samples_.resize(had + added);
    std::memcpy(samples_.data() + had, bytes.constData(), added * sizeof(std::int16_t));
    return true;
}

bool AudioCapture::silent() const
{
    return std::all_of(samples_.begin(), samples_.end(), [](std::int16_t s) { return s == 0; });
}

bool AudioCapture::playedExactly(const Clip& clip, int times) const
{
    if (times <= 0)
        return silent();
    return locate(std::vector<const Clip*>(std::size_t(times), &clip)).has_value();
}

std::optional<std::vector<std::size_t>> AudioCapture::locate(const std::vector<const Clip*>& clips) const
{
    return Decomposition(samples_, clips).solve();
}

int AudioCapture::wholeAppearances(const Clip& clip) const
{
    int count = 0;
    for (std::size_t start : candidateStarts(samples_, clip)) {
        if (matchingPrefix(samples_, start, clip) == clip.frames())
            ++count;
    }
    return count;
}

std::size_t AudioCapture::longestPlayedPart(const Clip& clip) const
{
    std::size_t longest = 0;
    for (std::size_t start : candidateStarts(samples_, clip))
        longest = std::max(longest, matchingPrefix(samples_, start, clip));
    return longest;
}

std::string AudioCapture::describe() const
{
    std::ostringstream text;
    text << frames() << " frames collected";
    const std::optional<std::size_t> first = firstSoundingFrame(samples_);
    if (first)
        text << ", sound from frame " << *first << " to frame " << *lastSoundingFrame(samples_);
    else
        text << ", all silent";
    return text.str();
}

} // namespace vemra::test
