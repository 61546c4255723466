#!/usr/bin/env bash
# The clock as a user meets it: the real program under Xvfb and openbox, on a small data set,
# watched from outside: its window and title, the photo it shows, what its audio device plays,
# a click that replays the minute, and closing the window through the window manager (its
# close box), which writes the settings. The preferences test quits with Ctrl+Q.
#
#   tests/e2e/clock.sh EXECUTABLE TEST_DATA_FOLDER [FOLDER_FOR_FAILURE_ARTIFACTS]
set -uo pipefail
export LC_ALL=C.UTF-8

here=$(cd "$(dirname "$0")" && pwd)
for lib in report processes display app fixture audio screen; do
    source "$here/lib/$lib.sh"
done

executable=$1
test_data=$2
artifacts=${3:-}

work=$(mktemp -d "${TMPDIR:-/tmp}/vemra-e2e-clock.XXXXXX")
on_exit "keep_artifacts_on_failure '$work' '$artifacts'; rm -rf '$work'"

clip=$test_data/tone-440-300ms.mp3
clip_sig=$(clip_signature "$clip") || give_up "decode the fixture clip with lame"
install_app "$work" "$executable" || give_up "install the program in $work"
make_fixture "$work" "$clip" || give_up "make the data set"
start_display "$work" || give_up "start Xvfb and openbox"

start_app "$work"
time_pattern='^[0-9]{2}:[0-9]{2}:[0-9]{2}$'
window=$(find_window "$APP_PID" "$time_pattern" 240) || give_up "a window titled HH:MM:SS appears"
pass "a window titled HH:MM:SS appears"

# --- The title clock -------------------------------------------------------------------------
title_is_time() { [[ $1 =~ ^([01][0-9]|2[0-3]):[0-5][0-9]:[0-5][0-9]$ ]]; }
seconds_of() { echo $((10#${1:0:2} * 3600 + 10#${1:3:2} * 60 + 10#${1:6:2})); }
first_title=$(window_title "$window")
title_moved_on() {
    local now
    now=$(window_title "$window")
    title_is_time "$now" && [ "$now" != "$first_title" ] && [ "$now" != 00:00:00 ]
}
check "the title moves on as a clock (HH:MM:SS)" wait_until 40 title_moved_on
title_near_local_time() {
    local shown diff
    shown=$(window_title "$window")
    diff=$((($(seconds_of "$shown") - $(seconds_of "$(date +%H:%M:%S)") + 86400) % 86400))
    # The title is redrawn every half second; allow for a busy machine.
    [ "$diff" -le 30 ] || [ "$diff" -ge $((86400 - 30)) ]
}
check "the title shows the local time" title_near_local_time

# --- The window ------------------------------------------------------------------------------
read -r client_width client_height < <(client_size "$window")
read -r min_w min_h max_w max_h < <(size_hints "$window")
check "the window is 320 wide with a 480 high area below its menu bar (got ${client_width}x$client_height)" \
    test "$client_width" -eq 320 -a "$client_height" -gt 480 -a "$client_height" -lt 540
check "the window cannot be resized (size hints $min_w $min_h $max_w $max_h)" \
    test "$min_w $min_h" = "$client_width $client_height" -a "$max_w $max_h" = "$client_width $client_height"
content_top=$((client_height - 480))

# --- The minute's photo ----------------------------------------------------------------------
photos=$(data_folder "$work")/Photos
shot=$work/main-window.png
minute_key_of() { echo "${1:0:2}${1:3:2}"; }
shows_minute_photo() {
    local before after
    before=$(window_title "$window")
    screenshot "$window" "$shot" || return 1
    after=$(window_title "$window")
    # The photo changes with the minute: the one shown belongs to a title seen around the shot.
    shows_picture "$shot" "$photos/$(minute_key_of "$before").jpg" 0 "$content_top" \
        || shows_picture "$shot" "$photos/$(minute_key_of "$after").jpg" 0 "$content_top"
}
check "the content area shows the minute's photo" wait_until 60 shows_minute_photo

# --- The minute's clip -----------------------------------------------------------------------
audio=$(audio_file "$work")
spans=$(settled_spans "$APP_PID" "$audio" 120) || fail "the audio device closes after the first minute's clip"
check "the minute's clip came out of the audio device, whole (clip: $clip_sig; heard: $(echo $spans))" \
    spans_are_clips "$clip_sig" "$spans"

# --- A click replays the minute --------------------------------------------------------------
# A click is told apart from a new minute by the title: a try that spans a change of minute is
# repeated.
clicked_spans=""
for try in 1 2 3; do
    settled_spans "$APP_PID" "$audio" 120 >/dev/null || break
    stamp=$(file_stamp "$audio")
    minute_before=$(window_title "$window" | cut -c1-5)
    click_in "$window" 160 $((content_top + 240))
    file_changed() { [ "$(file_stamp "$audio")" != "$stamp" ]; }
    wait_until 60 file_changed || break
    clicked_spans=$(settled_spans "$APP_PID" "$audio" 120) || break
    [ "$(window_title "$window" | cut -c1-5)" = "$minute_before" ] && break
    clicked_spans=""
done
check "a click plays the minute's clip again, once (heard: $(echo $clicked_spans))" \
    test "$(span_count "$clicked_spans")" -eq 1
check "what the click played is the whole clip" spans_are_clips "$clip_sig" "$clicked_spans"

# --- Closing ---------------------------------------------------------------------------------
# Alt+F4 is openbox's close: it asks the window to close, as its close box does.
end_program_with "$window" alt+F4 "closing the window"
prefs=$(prefs_file "$work")
check "closing writes the default settings to a new preferences file" \
    cmp -s "$prefs" <(printf '%s\n' 'seiyuOn/Off=1,1,1,1,1,1,1,1,1,1,1,1' alarmOn=0 alarmHour=00 \
                      alarmMin=00 alarmVoice=0 voiceMode=0)

finish
