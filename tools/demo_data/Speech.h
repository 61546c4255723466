#pragma once

#include "Clips.h"

#include <QString>

namespace vemra::demo {

// The speech synthesizer and MP3 encoder, found on the PATH.
struct ExternalTools {
    QString espeak;
    QString lame;

    // Throws when either is missing.
    static ExternalTools find();
};

// Speaks the clip's text in its speaker's voice (after the alarm's tone, for an alarm) and
// encodes it as a 44.1 kHz mono MP3 at outputPath. scratchFolder holds the intermediate WAV
// files, which are removed afterwards. Throws on failure.
void renderClip(const ExternalTools& tools, const Clip& clip, const QString& outputPath, const QString& scratchFolder);

} // namespace vemra::demo
