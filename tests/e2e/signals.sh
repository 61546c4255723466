#!/usr/bin/env bash
# Ending the clock with a signal, as a logout (SIGTERM), Ctrl+C in its terminal (SIGINT) or a
# closed terminal (SIGHUP) does: SIGTERM and SIGINT while a six-second clip plays, SIGTERM and
# SIGHUP while it is idle. Each ends the clock as its quit item does: exit status 0, and the
# settings file rewritten (it starts with CR LF line ends; the clock writes LF).
#
#   tests/e2e/signals.sh EXECUTABLE TEST_DATA_FOLDER [FOLDER_FOR_FAILURE_ARTIFACTS]
set -uo pipefail
export LC_ALL=C.UTF-8

here=$(cd "$(dirname "$0")" && pwd)
for lib in report processes display app fixture audio screen; do
    source "$here/lib/$lib.sh"
done

executable=$1
test_data=$2
artifacts=${3:-}

work=$(mktemp -d "${TMPDIR:-/tmp}/vemra-e2e-signals.XXXXXX")
on_exit "keep_artifacts_on_failure '$work' '$artifacts'; rm -rf '$work'"

clip=$work/tone-6s.mp3
repeat_clip "$test_data/tone-440-300ms.mp3" 20 "$clip" || give_up "make a six-second clip with lame"
install_app "$work" "$executable" || give_up "install the program in $work"
make_fixture "$work" "$clip" || give_up "make the data set"
start_display "$work" || give_up "start Xvfb and openbox"
# The device plays in real time, so that the clip lasts its six seconds.
E2E_AUDIO_BUFFER_MS=23

prefs=$(prefs_file "$work")
audio=$(audio_file "$work")
# Voice modes: 2 announces the time every minute (the clock plays a clip as it starts), 3
# announces nothing (the audio device stays closed).
TIME_EVERY_MINUTE=2
SILENT=3
settings() { # LINE_END VOICE_MODE
    printf "%s$1" 'seiyuOn/Off=1,1,1,1,1,1,1,1,1,1,1,1' alarmOn=0 alarmHour=00 alarmMin=00 \
        alarmVoice=0 "voiceMode=$2"
}

title_is_running_clock() {
    local title
    title=$(window_title "$window")
    [[ $title =~ ^[0-9]{2}:[0-9]{2}:[0-9]{2}$ ]] && [ "$title" != 00:00:00 ]
}

# A clock that did not end as it should is ended outright, so that the next one runs alone.
abandon_app() {
    kill -KILL "$APP_PID" 2>/dev/null
    wait "$APP_PID" 2>/dev/null
}

# end_with SIGNAL playing|idle: starts the clock, sends the signal once the clock is in that
# state, and checks how it ends.
end_with() {
    local signal=$1 state=$2 mode=$SILENT
    [ "$state" = playing ] && mode=$TIME_EVERY_MINUTE
    local what="SIG$signal while $state"
    settings '\r\n' "$mode" >"$prefs"
    rm -f "$audio"

    start_app "$work"
    window=$(find_window "$APP_PID" '^[0-9]{2}:[0-9]{2}:[0-9]{2}$' 240) || {
        fail "$what: the clock's window appears"
        abandon_app
        return
    }
    if [ "$state" = playing ]; then
        wait_until 120 audio_device_open "$APP_PID" || {
            fail "$what: the clock starts playing the minute's clip"
            abandon_app
            return
        }
    else
        wait_until 40 title_is_running_clock || {
            fail "$what: the clock runs (its title moves on)"
            abandon_app
            return
        }
        audio_device_open "$APP_PID" && {
            fail "$what: the audio device is closed while the clock announces nothing"
            abandon_app
            return
        }
    fi

    local sent=$EPOCHREALTIME
    kill -"$signal" "$APP_PID"
    if ! wait_for_exit "$APP_PID" 120; then
        fail "$what ends the clock"
        abandon_app
        return
    fi
    local took
    took=$(awk -v a="$sent" -v b="$EPOCHREALTIME" 'BEGIN { printf "%.1f", b - a }')
    check "$what ends the clock with status 0 (got $APP_STATUS, after $took s)" test "$APP_STATUS" -eq 0
    check "$what: the clock rewrote its settings file" cmp -s "$prefs" <(settings '\n' "$mode")
    # The next clock writes app.log anew; what this one said is kept with a failure.
    cp "$work/app.log" "$work/app-$signal-$state.log"
}

end_with TERM playing
end_with INT playing
end_with TERM idle
end_with HUP idle

finish
