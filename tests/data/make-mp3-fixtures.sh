#!/usr/bin/env bash
# Makes the small MP3 clips the sound tests play. Run from anywhere; needs python3 and lame.
# The clips are committed, so this only documents how they were made (and remakes them).
#
#   tone-440-300ms.mp3        0.3 s of 440 Hz, mono, amplitude 0.3
#   tone-660-500ms.mp3        0.5 s of 660 Hz, stereo (right channel at half the left), amplitude 0.3
#   tone-880-quiet-200ms.mp3  0.2 s of 880 Hz, mono, amplitude 0.03: many copies mixed stay unclipped
#   truncated.mp3             the first 3000 bytes of tone-660-500ms.mp3, cut inside a frame
set -euo pipefail
cd "$(dirname "$0")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

tone() { # name frequency seconds amplitude channels
    python3 - "$work/$1.wav" "$2" "$3" "$4" "$5" <<'PY'
import math, struct, sys, wave
path, freq, seconds, amp, channels = sys.argv[1], float(sys.argv[2]), float(sys.argv[3]), float(sys.argv[4]), int(sys.argv[5])
rate = 44100
frames = bytearray()
for i in range(int(rate * seconds)):
    v = int(round(32767 * amp * math.sin(2 * math.pi * freq * i / rate)))
    frames += struct.pack('<h', v)
    if channels == 2:
        frames += struct.pack('<h', v // 2)
with wave.open(path, 'wb') as w:
    w.setnchannels(channels)
    w.setsampwidth(2)
    w.setframerate(rate)
    w.writeframes(bytes(frames))
PY
    lame --quiet -b 64 --resample 44.1 "$work/$1.wav" "$1.mp3"
}

tone tone-440-300ms 440 0.3 0.3 1
tone tone-660-500ms 660 0.5 0.3 2
tone tone-880-quiet-200ms 880 0.2 0.03 1
head -c 3000 tone-660-500ms.mp3 > truncated.mp3
