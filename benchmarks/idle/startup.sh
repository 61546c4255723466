# Start-up time: from launching a program to its window on screen. Needs proc.sh and the
# end-to-end test helpers (a display, find_window).

# time_to_window NAME_REGEX COMMAND...: prints "ms-to-window ms-to-title pid". The window
# counts as shown once it is mapped with a title that matches; the second figure is when its
# title first differs from the clock's placeholder "00:00:00" (the first tick), the same as
# the first for programs without one. The caller ends the program.
time_to_window() {
    local pattern=$1
    shift
    local start shown titled pid id deadline=$((SECONDS + 60))
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1 &
    pid=$!
    until id=$(xdotool search --all --onlyvisible --pid "$pid" --name "$pattern" 2>/dev/null | head -n1) \
            && [ -n "$id" ]; do
        kill -0 "$pid" 2>/dev/null && [ "$SECONDS" -lt "$deadline" ] || { kill "$pid" 2>/dev/null; return 1; }
    done
    shown=$(date +%s%N)
    while [ "$(xdotool getwindowname "$id" 2>/dev/null)" = 00:00:00 ] && [ "$SECONDS" -lt "$deadline" ]; do :; done
    titled=$(date +%s%N)
    echo $(((shown - start) / 1000000)) $(((titled - start) / 1000000)) "$pid"
}
