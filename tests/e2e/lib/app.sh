# Lays out a runnable copy of the clock in a work folder and starts it there.
#
#   <work>/vemraViewer/bin/vemraViewer    a copy of the built executable
#   <work>/vemraViewer/Resources/         the catalogues
#   <work>/vemra-dorat/Payload/VemraDorat.app/   photos and clips
#   <work>/config/                        XDG_CONFIG_HOME: where "vemraViewer Prefs" goes
#   <work>/audio.raw                      what came out of the audio device
#
# Needs processes.sh and report.sh.

# install_app WORK_FOLDER EXECUTABLE
install_app() {
    local work=$1 executable=$2
    mkdir -p "$work/vemraViewer/bin" "$work/vemraViewer/Resources" "$work/config" "$work/runtime"
    chmod 700 "$work/runtime"
    # A hard link when the file system allows: the program finds its folders from its own path.
    ln "$executable" "$work/vemraViewer/bin/vemraViewer" 2>/dev/null \
        || cp "$executable" "$work/vemraViewer/bin/vemraViewer"
}

data_folder() {
    echo "$1/vemra-dorat/Payload/VemraDorat.app"
}

prefs_file() {
    echo "$1/config/vemraViewer Prefs"
}

audio_file() {
    echo "$1/audio.raw"
}

# How long the audio device takes per buffer of 1024 frames: 1 ms plays much faster than
# real time; 23 plays in real time.
E2E_AUDIO_BUFFER_MS=1

# start_app WORK_FOLDER: sets APP_PID. The audio device writes to audio_file. The quit signals
# have their default handling, as for a program started from a terminal (a script's
# background job would otherwise ignore SIGINT).
start_app() {
    local work=$1
    env --default-signal=INT,HUP,TERM -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb \
        XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" \
        SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$(audio_file "$work")" \
        SDL_DISKAUDIODELAY="$E2E_AUDIO_BUFFER_MS" \
        "$work/vemraViewer/bin/vemraViewer" >"$work/app.log" 2>&1 &
    APP_PID=$!
    register_pid "$APP_PID"
}

# wait_for_exit PID TIMEOUT_SECONDS: sets APP_STATUS to the exit status; false on timeout.
wait_for_exit() {
    local pid=$1
    wait_until "$2" process_gone "$pid" || return 1
    APP_STATUS=0
    wait "$pid" || APP_STATUS=$?
}

process_gone() {
    ! kill -0 "$1" 2>/dev/null || [ "$(awk '{print $3}' "/proc/$1/stat" 2>/dev/null)" = Z ]
}

# end_program_with WINDOW KEYS WHAT: presses the keys in the window and checks that the program
# ends with status 0 ("WHAT ends the program ...").
end_program_with() {
    local window=$1 keys=$2 what=$3
    xdotool windowactivate --sync "$window" 2>/dev/null
    xdotool key --clearmodifiers "$keys"
    if wait_for_exit "$APP_PID" 120; then
        check "$what ends the program with status 0 (got $APP_STATUS)" test "$APP_STATUS" -eq 0
    else
        fail "$what ends the program"
    fi
}
