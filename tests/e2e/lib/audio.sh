# What came out of the audio device. SDL's disk driver writes everything the device plays to
# a file as 44100 Hz signed 16-bit stereo; it empties the file each time the device opens, and
# the clock closes the device about half a second after the last playback ends.

# Silences shorter than this (50 ms) inside a clip do not split it.
AUDIO_GAP_FRAMES=2205

# sound_spans CHANNELS [od options...] < raw samples: one line per stretch of sound,
# "first-frame length-in-frames peak", stretches closer than AUDIO_GAP_FRAMES joined.
sound_spans() {
    local channels=$1
    shift
    od -An -v -td2 -w$((2 * channels)) "$@" | awk -v gap="$AUDIO_GAP_FRAMES" '
        {
            frame = NR - 1; loud = 0
            for (i = 1; i <= NF; i++) { v = $i < 0 ? -$i : $i; if (v > loud) loud = v }
            if (loud == 0) next
            if (open && frame - last > gap) { print first, last - first + 1, peak; open = 0 }
            if (!open) { first = frame; peak = 0; open = 1 }
            last = frame
            if (loud > peak) peak = loud
        }
        END { if (open) print first, last - first + 1, peak }'
}

# clip_signature MP3: "length-in-frames peak" of the clip's sound, decoded with lame.
clip_signature() {
    local wav
    wav=$(mktemp --suffix=.wav) || return 1
    lame --decode --quiet "$1" "$wav" || { rm -f "$wav"; return 1; }
    local channels offset size
    channels=$(od -An -tu2 -j22 -N2 "$wav" | tr -d ' ')
    read -r offset size < <(wav_data_chunk "$wav")
    sound_spans "$channels" -j "$offset" -N "$size" "$wav" <&- | awk '
        { if (NR == 1) first = $1; end = $1 + $2; if ($3 > peak) peak = $3 }
        END { if (NR) print end - first, peak }'
    rm -f "$wav"
}

# wav_data_chunk WAV: "offset size" of the sample data.
wav_data_chunk() {
    local wav=$1 offset=12 id size
    while [ "$offset" -lt "$(stat -c %s "$wav")" ]; do
        id=$(dd if="$wav" bs=1 skip="$offset" count=4 2>/dev/null)
        size=$(od -An -tu4 -j$((offset + 4)) -N4 "$wav" | tr -d ' ')
        if [ "$id" = data ]; then
            echo "$((offset + 8)) $size"
            return 0
        fi
        offset=$((offset + 8 + size + size % 2))
    done
    return 1
}

# The clock's audio device is open while SDL's audio thread exists.
audio_device_open() {
    grep -qs '^SDLAudio' /proc/"$1"/task/*/comm
}

file_stamp() {
    stat -c '%y %s' "$1" 2>/dev/null
}

# audio_quiet PID FILE: the device is closed and the file no longer changes.
audio_quiet() {
    local pid=$1 file=$2 before
    [ -e "$file" ] || return 1
    audio_device_open "$pid" && return 1
    before=$(file_stamp "$file")
    sleep 0.3
    ! audio_device_open "$pid" && [ "$(file_stamp "$file")" = "$before" ]
}

# settled_spans PID FILE TIMEOUT: the sound spans of the last playback session, read while
# nothing else plays; false on timeout.
settled_spans() {
    local pid=$1 file=$2 deadline=$((SECONDS + $3)) stamp spans
    while [ "$SECONDS" -lt "$deadline" ]; do
        if audio_quiet "$pid" "$file"; then
            stamp=$(file_stamp "$file")
            spans=$(sound_spans 2 "$file" </dev/null)
            # A new session (the next minute) may have emptied the file while it was read.
            if ! audio_device_open "$pid" && [ "$(file_stamp "$file")" = "$stamp" ]; then
                printf '%s\n' "$spans" | sed '/^$/d'
                return 0
            fi
        fi
        sleep 0.1
    done
    return 1
}

# spans_are_clips CLIP_SIGNATURE SPANS: every span is one playback of the clip: its length
# within 10 % and its loudest sample within 20 % of the clip's (two playbacks mixed together
# would be twice as loud, two in a row twice as long). False when there is no span.
spans_are_clips() {
    local signature=$1 spans=$2
    [ -n "$spans" ] || return 1
    printf '%s\n' "$spans" | awk -v sig="$signature" '
        BEGIN { split(sig, s, " "); ok = 1 }
        {
            n++
            if ($2 < 0.9 * s[1] || $2 > 1.1 * s[1]) ok = 0
            if ($3 < 0.8 * s[2] || $3 > 1.2 * s[2]) ok = 0
        }
        END { exit !(ok && n > 0) }'
}

span_count() {
    [ -n "$1" ] || { echo 0; return; }
    printf '%s\n' "$1" | wc -l
}
