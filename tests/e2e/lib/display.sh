# A private X display: Xvfb on the first free display number, with openbox managing windows.
# Needs processes.sh and report.sh.

# start_display WORK_FOLDER: exports DISPLAY once openbox manages windows (a window mapped
# before that may stay unmapped for good); false when the display or the window manager did
# not come up. From then on a failed check keeps a picture of the screen in the work folder.
start_display() {
    local work=$1
    local number_file=$work/display-number
    : >"$number_file"
    # Xvfb picks a free number itself and writes it to descriptor 3 once it accepts clients.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset \
        3>"$number_file" >"$work/xvfb.log" 2>&1 &
    local xvfb=$!
    register_pid "$xvfb"
    if ! wait_until 120 grep -q '^[0-9]' "$number_file"; then
        echo "Xvfb did not start:" >&2
        cat "$work/xvfb.log" >&2
        return 1
    fi
    export DISPLAY=":$(head -n1 "$number_file")"

    # openbox runs its start-up command once it has taken over the screen and manages windows.
    local ready=$work/openbox-ready
    rm -f "$ready"
    openbox --sm-disable --startup "touch '$ready'" >"$work/openbox.log" 2>&1 &
    register_pid "$!"
    if ! wait_until 120 test -e "$ready"; then
        echo "openbox did not start:" >&2
        cat "$work/openbox.log" >&2
        return 1
    fi
    E2E_SNAPSHOTS=$work
}
