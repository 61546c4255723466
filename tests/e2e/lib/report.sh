# Check results of one end-to-end run: "ok - ..." and "not ok - ..." lines and a closing count.
# Every wait is sized for a machine loaded with twice as many busy processes as it has cores,
# running the sanitizer build: a wait that runs out means that something never happened.

E2E_PASSED=0
E2E_FAILED=0
# The work folder, once the private display runs: a failure then keeps in it what the screen
# showed at that moment.
E2E_SNAPSHOTS=""

pass() {
    echo "ok - $*"
    E2E_PASSED=$((E2E_PASSED + 1))
}

fail() {
    echo "not ok - $*"
    E2E_FAILED=$((E2E_FAILED + 1))
    snapshot_failure "$*"
}

# snapshot_failure DESCRIPTION: failure-N-screen.png, the whole screen, and failure-N-windows.txt,
# every window as the X server and the window manager's clients see it, with the state of the
# program's process.
snapshot_failure() {
    [ -n "$E2E_SNAPSHOTS" ] || return 0
    local base=$E2E_SNAPSHOTS/failure-$E2E_FAILED id
    import -window root "$base-screen.png" 2>/dev/null
    {
        echo "not ok - $1"
        echo
        echo "== xdotool search --all --name . (id, pid, map state, title)"
        for id in $(xdotool search --all --name . 2>/dev/null); do
            printf '%s pid=%s %s "%s"\n' "$id" "$(xdotool getwindowpid "$id" 2>/dev/null)" \
                "$(xwininfo -id "$id" 2>/dev/null | sed -n 's/^ *Map State: //p')" \
                "$(xdotool getwindowname "$id" 2>/dev/null)"
        done
        echo
        echo "== xwininfo -root -tree"
        xwininfo -root -tree 2>&1
        if [ -n "${APP_PID:-}" ]; then
            echo
            echo "== process $APP_PID"
            grep -E '^(State|SigBlk|SigIgn|SigCgt):' "/proc/$APP_PID/status" 2>&1
            echo "threads: $(cat /proc/"$APP_PID"/task/*/comm 2>/dev/null | tr '\n' ' ')"
        fi
    } >"$base-windows.txt" 2>&1
}

# check DESCRIPTION COMMAND...: passes when the command succeeds.
check() {
    local description=$1
    shift
    if "$@"; then pass "$description"; else fail "$description"; fi
}

# A failure that leaves nothing sensible to check after it.
give_up() {
    fail "$*"
    finish
}

# Prints the count and exits: 0 when nothing failed.
finish() {
    echo "$E2E_PASSED passed, $E2E_FAILED failed"
    [ "$E2E_FAILED" -eq 0 ] && exit 0
    exit 1
}

# wait_until TIMEOUT_SECONDS COMMAND...: runs the command every 0.1 s until it succeeds.
wait_until() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ "$SECONDS" -ge "$deadline" ] && return 1
        sleep 0.1
    done
}

# keep_artifacts_on_failure WORK_FOLDER DESTINATION: after a failed run, keeps the logs,
# screenshots, window lists, audio output and preferences file for a look.
keep_artifacts_on_failure() {
    local work=$1 destination=$2
    [ "$E2E_FAILED" -gt 0 ] && [ -n "$destination" ] || return 0
    rm -rf "$destination"
    mkdir -p "$destination"
    cp "$work"/*.log "$work"/*.png "$work"/*.txt "$work"/*.raw "$destination"/ 2>/dev/null
    cp -r "$work/config" "$destination"/ 2>/dev/null
    echo "kept what the failed run left in $destination"
}
