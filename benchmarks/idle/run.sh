#!/usr/bin/env bash
# Idle cost and start-up of the clock, side by side with `xclock -update 1`, under one Xvfb
# with openbox. Run by hand, not in CI; takes about two to three minutes.
#
#   benchmarks/idle/run.sh [BUILD_FOLDER]      (default: build; RelWithDebInfo)
#
# The clock runs on the demo data set (made in the build folder when missing) with SDL's disk
# audio driver at its real-time pace, so its audio device stays open as long as a real one.
# The idle figures cover the quiet part of one minute: from when the minute's announcement has
# finished and the audio device has closed, to two seconds before the next minute.
set -uo pipefail
export LC_ALL=C.UTF-8

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
for lib in report processes display screen; do
    source "$root/tests/e2e/lib/$lib.sh"
done
source "$here/proc.sh"
source "$here/startup.sh"

build=$(cd "${1:-$root/build}" && pwd) || give_up "no build folder"
executable=$build/vemraViewer/bin/vemraViewer
[ -x "$executable" ] || give_up "build the clock first: $executable is missing"
command -v xclock >/dev/null || give_up "xclock is missing (apt-get install x11-apps)"
"$build/tools/demo_data/vemra-demo-data" "$build" >/dev/null || give_up "make the demo data set"

work=$(mktemp -d "${TMPDIR:-/tmp}/vemra-idle.XXXXXX")
on_exit "rm -rf '$work'"
mkdir -p "$work/config" "$work/runtime"
chmod 700 "$work/runtime"
start_display "$work" || give_up "start Xvfb and openbox"

# A command, not a function: started in the background it must be the clock's own process.
clock=(env -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$work/config"
       XDG_RUNTIME_DIR="$work/runtime" SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$work/audio.raw"
       "$executable")
CLOCK_TITLE='^[0-9]{2}:[0-9]{2}:[0-9]{2}$'
XCLOCK_TITLE='^xclock$'

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# --- Start-up --------------------------------------------------------------------------------
echo "== Start-up: launch to window shown, ms (first run cold, then 5 more)"
runs=6
for name in clock xclock; do
    shown=() titled=()
    for i in $(seq "$runs"); do
        if [ "$name" = clock ]; then
            result=$(time_to_window "$CLOCK_TITLE" "${clock[@]}") || give_up "the clock did not start"
        else
            result=$(time_to_window "$XCLOCK_TITLE" xclock -update 1) || give_up "xclock did not start"
        fi
        read -r ms_shown ms_titled pid <<<"$result"
        stop_pid "$pid"
        shown+=("$ms_shown") titled+=("$ms_titled")
    done
    printf '%-7s window shown: %s (median %s)\n' "$name" "${shown[*]}" \
        "$(printf '%s\n' "${shown[@]:1}" | median)"
    [ "$name" = clock ] && printf '%-7s first time in the title: %s (median %s)\n' "$name" \
        "${titled[*]}" "$(printf '%s\n' "${titled[@]:1}" | median)"
done

# --- Idle ------------------------------------------------------------------------------------
"${clock[@]}" >"$work/clock.log" 2>&1 &
clock_pid=$!
register_pid "$clock_pid"
xclock -update 1 >/dev/null 2>&1 &
xclock_pid=$!
register_pid "$xclock_pid"
find_window "$clock_pid" "$CLOCK_TITLE" 60 >/dev/null || give_up "the clock's window appears"
find_window "$xclock_pid" "$XCLOCK_TITLE" 60 >/dev/null || give_up "xclock's window appears"

second_of_minute() { echo $((10#$(date +%S))); }
# Wait for a minute whose announcement is over with at least 40 s left in it.
while :; do
    sleep 1
    audio_thread "$clock_pid" && continue
    [ "$(second_of_minute)" -le 20 ] && [ -e "$work/audio.raw" ] && break
done
end_second=58
window_s=$((end_second - $(second_of_minute)))
echo
echo "== Idle over ${window_s} s (from second $(second_of_minute) of the minute to second $end_second)"

declare -A cpu0 sw0 tids0
for name in clock xclock; do
    pid_var=${name}_pid
    pid=${!pid_var}
    cpu0[$name]=$(cpu_ms "$pid")
    sw0[$name]=$(context_switches "$pid")
    tids0[$name]=$(thread_ids "$pid")
    thread_switches "$pid" >"$work/threads-$name.before"
done
t0=$(now_ms)
perf_out=$work/perf-clock.txt
if command -v perf >/dev/null; then
    perf stat -e context-switches,cpu-migrations -p "$clock_pid" -o "$perf_out" -- sleep "$window_s" &
    perf_pid=$!
fi
audio_seen=no
while [ $(($(now_ms) - t0)) -lt $((window_s * 1000)) ]; do
    audio_thread "$clock_pid" && audio_seen=yes
    sleep 1
done
[ -n "${perf_pid:-}" ] && wait "$perf_pid"
elapsed_ms=$(($(now_ms) - t0))

for name in clock xclock; do
    pid_var=${name}_pid
    pid=${!pid_var}
    read -r v0 n0 <<<"${sw0[$name]}"
    read -r v1 n1 <<<"$(context_switches "$pid")"
    cpu=$(($(cpu_ms "$pid") - cpu0[$name]))
    same_threads=yes
    [ "$(thread_ids "$pid")" = "${tids0[$name]}" ] || same_threads="no (threads came or went)"
    echo "-- $name (pid $pid)"
    awk -v v=$((v1 - v0)) -v n=$((n1 - n0)) -v ms="$elapsed_ms" -v cpu="$cpu" 'BEGIN {
        s = ms / 1000
        printf "   wake-ups: %.2f per second (%d voluntary + %d involuntary switches in %.1f s)\n", (v + n) / s, v, n, s
        printf "   CPU time: %d ms in %.1f s (%.3f %% of one core)\n", cpu, s, 100 * cpu / ms
    }'
    thread_switches "$pid" | join "$work/threads-$name.before" - | awk -v ms="$elapsed_ms" '{
        printf "     thread %s (%s): %.2f wake-ups per second\n", $1, $2, ($6 - $3 + $7 - $4) * 1000 / ms }'
    echo "   resident memory: $(rss_kb "$pid") kB"
    echo "   threads: $(thread_count "$pid") ($(thread_names "$pid")); same threads throughout: $same_threads"
done
echo "   clock's audio device open during the quiet part: $audio_seen"
if [ -s "$perf_out" ]; then
    echo "-- perf stat -p on the clock over the same part:"
    grep -E 'context-switches|cpu-migrations|elapsed' "$perf_out" | sed 's/^ */   /'
fi
