#!/usr/bin/env bash
# Every benchmark of the clock in one run, ending with one table of medians and ranges beside
# `xclock -update 1`, for reference, where it has a counterpart. What each measures and the
# targets: README.md here. Run by hand, not in CI; about ten minutes. Other work on the machine
# shows in the figures: the load average at the start and the end is printed with the table.
#
#   cmake -S . -B build -DCMAKE_BUILD_TYPE=Release && cmake --build build -j8
#   benchmarks/run.sh [BUILD_FOLDER] [STEP...]      (default: build; every step)
#
# Steps, run in this order: startup (launch to window), minute (bench_minute_change: the
# minute as the user meets it, and 2-hour clips), idle (wake-ups, CPU and memory between
# minutes), tick (bench_minute_tick: one tick on the GUI thread).
#
# Needs Xvfb, openbox, xdotool, x11-utils and lame (scripts/install-deps test), the demo data
# tools (scripts/install-deps run), x11-apps for xclock (installed here when missing) and,
# for a cross-check of the wake-ups, perf (linux-perf).
set -uo pipefail
export LC_ALL=C.UTF-8

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)
for lib in report processes display screen; do
    source "$root/tests/e2e/lib/$lib.sh"
done
source "$here/idle/proc.sh"
source "$here/idle/startup.sh"
source "$here/idle/idle.sh"

build=$(cd "${1:-$root/build}" && pwd) || give_up "no build folder"
shift || true
steps=${*:-startup minute idle tick}
has_step() { [[ " $steps " == *" $1 "* ]]; }

executable=$build/vemraViewer/bin/vemraViewer
for program in "$executable" "$build/benchmarks/bench_minute_change" "$build/benchmarks/bench_minute_tick"; do
    [ -x "$program" ] || give_up "build first: $program is missing"
done
if ! command -v xclock >/dev/null; then
    echo "Installing x11-apps for xclock"
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update -qq && DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends x11-apps >/dev/null
    command -v xclock >/dev/null || give_up "xclock is missing (apt-get install x11-apps)"
fi
"$build/tools/demo_data/vemra-demo-data" "$build" >/dev/null || give_up "make the demo data set"

work=$(mktemp -d "${TMPDIR:-/tmp}/vemra-bench.XXXXXX")
on_exit "rm -rf '$work'"
mkdir -p "$work/config" "$work/runtime"
chmod 700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime
results=$work/results.md
: >"$results"
load_start=$(cut -d' ' -f1-3 /proc/loadavg)
start_display "$work" || give_up "start Xvfb and openbox"

# row WHAT MEDIAN P90 RANGE N XCLOCK TARGET
row() { printf '| %s | %s | %s | %s | %s | %s | %s |\n' "$@" >>"$results"; }
# figures: reads numbers, one a line; prints "median p90 least most n".
figures() {
    sort -g | awk '{ v[NR] = $1 } END {
        if (NR == 0) { print "- - - - 0"; exit }
        m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
        r = int(0.9 * NR); if (r < 0.9 * NR) r++
        printf "%.4g %.4g %.4g %.4g %d\n", m, v[r], v[1], v[NR], NR }'
}
# figures_row WHAT XCLOCK TARGET < numbers
figures_row() {
    local what=$1 xclock=$2 target=$3 median p90 least most n
    read -r median p90 least most n < <(figures)
    row "$what" "$median" "$p90" "$least to $most" "$n" "$xclock" "$target"
}
median_of() { figures | cut -d' ' -f1; }

# The clock as installed: demo data, every speaker on, SDL's disk driver at a sound card's pace.
printf 'seiyuOn/Off=1,1,1,1,1,1,1,1,1,1,1,1\nalarmOn=0\nalarmHour=00\nalarmMin=00\nalarmVoice=0\nvoiceMode=0\n' \
    >"$work/config/vemraViewer Prefs"
clock=(env -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$work/config" SDL_AUDIODRIVER=disk
       SDL_DISKAUDIOFILE="$work/audio.raw" "$executable")
CLOCK_TITLE='^[0-9]{2}:[0-9]{2}:[0-9]{2}$'
XCLOCK_TITLE='^xclock$'

# --- Start-up ----------------------------------------------------------------------------
if has_step startup; then
    echo "== Start-up: launch to window shown (first run cold, then 5 more)"
    declare -A shown_ms
    titled=()
    for name in clock xclock; do
        shown=()
        for i in $(seq 6); do
            if [ "$name" = clock ]; then
                result=$(time_to_window "$CLOCK_TITLE" "${clock[@]}") || give_up "the clock did not start"
            else
                result=$(time_to_window "$XCLOCK_TITLE" xclock -update 1) || give_up "xclock did not start"
            fi
            read -r ms_shown ms_titled pid <<<"$result"
            stop_pid "$pid"
            shown+=("$ms_shown")
            [ "$name" = clock ] && [ "$i" -gt 1 ] && titled+=("$ms_titled")
        done
        echo "$name: ${shown[*]} ms"
        shown_ms[$name]=$(printf '%s\n' "${shown[@]:1}")
    done
    printf '%s\n' "${shown_ms[clock]}" | figures_row "launch to window shown, ms (5 warm runs)" \
        "$(printf '%s\n' "${shown_ms[xclock]}" | median_of)" ""
    printf '%s\n' "${titled[@]}" | figures_row "launch to the time in the title, ms" "-" ""
fi

# --- The minute ---------------------------------------------------------------------------
if has_step minute; then
    long_clip=$build/benchmarks/two-hours.mp3
    if [ ! -s "$long_clip" ]; then
        echo "== Making a 2-hour MP3 (noise, 8 kbit/s, 7 MB) for the long clips"
        head -c 115200000 /dev/urandom | lame --quiet -r -s 8 --bitwidth 16 --signed --little-endian -m m -b 8 - \
            "$long_clip.part" 2>/dev/null && mv "$long_clip.part" "$long_clip" || give_up "lame could not make $long_clip"
    fi
    echo
    echo "== Minute changes: 12 minutes of 10 s, then 3 with a 2-hour clip (about 3 minutes)"
    mkdir -p "$work/minute"
    QT_QPA_PLATFORM=xcb "$build/benchmarks/bench_minute_change" --build "$build" --work "$work/minute" \
        --minutes 15 --long-minutes 3 --seconds-per-minute 10 --long-clip "$long_clip" \
        >"$work/minute.log" 2>"$work/minute.err" || give_up "bench_minute_change failed: $(tail -3 "$work/minute.err")"
    grep -v '^|' "$work/minute.log"
    grep '^| ' "$work/minute.log" | grep -v '^| what\|median | p90' >>"$results"
fi

# --- Idle ---------------------------------------------------------------------------------
# Each minute holds a window of the clock and then one of the bare Qt floor (bench_qt_floor:
# a window retitled each second by the same wall-clock timer), each beside xclock. The one not
# measured is stopped (SIGSTOP): two Qt programs running at once share their libraries' code
# in the caches and look cheaper than either does alone.
if has_step idle; then
    "${clock[@]}" >"$work/clock.log" 2>&1 &
    clock_pid=$!
    register_pid "$clock_pid"
    xclock -update 1 >/dev/null 2>&1 &
    xclock_pid=$!
    register_pid "$xclock_pid"
    env -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$build/benchmarks/bench_qt_floor" >/dev/null 2>&1 &
    floor_pid=$!
    register_pid "$floor_pid"
    # Only their running matters here; a window not found is noted.
    find_window "$clock_pid" "$CLOCK_TITLE" 60 >/dev/null || echo "(the clock's window was not found by its title)"
    find_window "$xclock_pid" "$XCLOCK_TITLE" 60 >/dev/null || echo "(xclock's window was not found)"
    find_window "$floor_pid" "$CLOCK_TITLE" 60 >/dev/null || echo "(the bare Qt floor's window was not found by its title)"
    kill -STOP "$floor_pid"
    # Gives up when one of the three has ended: its figures would be zeros.
    check_idle_programs() {
        kill -0 "$clock_pid" 2>/dev/null || give_up "the clock ended: $(tail -3 "$work/clock.log")"
        kill -0 "$xclock_pid" 2>/dev/null || give_up "xclock ended"
        kill -0 "$floor_pid" 2>/dev/null || give_up "the bare Qt floor ended"
    }
    windows=3
    echo
    echo "== Idle: $windows minutes, each with a window of the clock, from after the minute's clip and"
    echo "   the device's closing to second 32, then one of the bare Qt floor from second 33 to 57"
    : >"$work/idle.txt"
    : >"$work/floor.txt"
    for w in $(seq "$windows"); do
        check_idle_programs
        wait_for_quiet_minute "$clock_pid" "$work/audio.raw" 20
        seconds=$((32 - $(date +%s) % 60))
        perf_out=$work/perf-$w.txt
        if command -v perf >/dev/null; then
            perf stat -e context-switches -p "$clock_pid" -o "$perf_out" -- sleep "$seconds" 2>/dev/null &
            perf_pid=$!
        fi
        measure_idle "$seconds" "$clock_pid" "$xclock_pid" | tee -a "$work/idle.txt" | sed "s/^/window $w, clock ($seconds s): /"
        [ -n "${perf_pid:-}" ] && wait "$perf_pid"
        if [ -s "$perf_out" ]; then
            awk -v s="$seconds" '/context-switches/ { gsub(/[ ,]/, "", $1); printf "%.3f\n", $1 / s }' "$perf_out" >>"$work/perf.txt"
        fi
        # The floor's first, overdue tick falls before its window; it arms the next for the
        # wall clock's next half second.
        kill -STOP "$clock_pid"
        kill -CONT "$floor_pid"
        sleep 1
        seconds=$((57 - $(date +%s) % 60))
        measure_idle "$seconds" "$floor_pid" "$xclock_pid" | tee -a "$work/floor.txt" | sed "s/^/window $w, bare Qt floor ($seconds s): /"
        kill -STOP "$floor_pid"
        kill -CONT "$clock_pid"
    done
    # column FILE PID N: field N of the process's lines in FILE.
    column() { awk -v pid="$2" -v col="$3" '$1 == pid { print $col }' "$1"; }
    idle_col() { column "$work/idle.txt" "$@"; }
    floor_col() { column "$work/floor.txt" "$@"; }
    idle_col "$clock_pid" 2 | figures_row "idle wake-ups per second, every thread" "$(idle_col "$xclock_pid" 2 | median_of)" "<= 2.2"
    [ -s "$work/perf.txt" ] && figures_row "idle wake-ups per second, perf stat -p (cross-check)" "-" "<= 2.2" <"$work/perf.txt"
    idle_col "$clock_pid" 3 | figures_row "idle CPU, ms per second (schedstat, every thread)" \
        "$(idle_col "$xclock_pid" 3 | median_of)" ""
    floor_col "$floor_pid" 3 | figures_row "idle CPU of the bare Qt floor (a window retitled each second), ms per second, in its windows" \
        "$(floor_col "$xclock_pid" 3 | median_of)" ""
    # Window by window: the clock's CPU per second over the floor's in the same minute.
    paste <(idle_col "$clock_pid" 3) <(floor_col "$floor_pid" 3) | awk '$2 > 0 { printf "%.3f\n", $1 / $2 }' |
        figures_row "idle CPU, the clock's over the bare Qt floor's, window by window" "-" "<= 1.25"
    idle_col "$clock_pid" 4 | figures_row "idle CPU over the window, ms (/proc/PID/stat, 10 ms ticks)" \
        "$(idle_col "$xclock_pid" 4 | median_of)" ""
    idle_col "$clock_pid" 5 | awk '{ printf "%.1f\n", $1 / 1024 }' | figures_row "resident memory (VmRSS) while idle, MB" \
        "$(idle_col "$xclock_pid" 5 | awk '{ printf "%.1f\n", $1 / 1024 }' | median_of)" "<= 45"
    echo "threads seen in the windows: $(idle_col "$clock_pid" 7 | tr ',' '\n' | sort -u | tr '\n' ' ')"
    echo "an audio thread during a window: $(idle_col "$clock_pid" 6 | sort -u | tr '\n' ' ')"
fi

# --- One tick -----------------------------------------------------------------------------
# Last: its same-minute ticks rename the window a few million times, and openbox, which reads
# each new title, takes minutes to catch up, managing no new window meanwhile.
if has_step tick; then
    echo
    echo "== One tick on the GUI thread (5 repetitions; about 2 minutes)"
    QT_QPA_PLATFORM=xcb "$build/benchmarks/bench_minute_tick" --benchmark_repetitions=5 --benchmark_color=false \
        >"$work/tick.log" 2>"$work/tick.err" || give_up "bench_minute_tick failed: $(tail -3 "$work/tick.err")"
    grep -E '^(New|Same|Million)' "$work/tick.log" | grep -v '_\(mean\|median\|stddev\|cv\) '
    # tick_times NAME: one time a repetition, in ms.
    tick_times() {
        grep -E "^$1[/ ]" "$work/tick.log" | grep -v '_\(mean\|median\|stddev\|cv\) ' | awk '{
            t = $2; if ($3 == "us") t /= 1000; else if ($3 == "ns") t /= 1e6; else if ($3 == "s") t *= 1000
            print t }'
    }
    tick_times NewMinuteTick | figures_row "new-minute tick on the GUI thread (fresh clip and photo, device closed before), ms" "-" ""
    tick_times SameMinuteTick | awk '{ print $1 * 1000 }' | figures_row "same-minute tick (the title's seconds change), µs" "-" ""
    tick_times MillionLineMinuteTick | figures_row "new-minute tick, 1,000,000 catalogue lines naming the minute, ms" "-" ""
fi

load_end=$(cut -d' ' -f1-3 /proc/loadavg)
echo
echo "== Results ($(date -u +%Y-%m-%d), $(nproc) cores, load average $load_start at the start, $load_end at the end)"
echo
echo "| what | clock: median | p90 | range | n | xclock -update 1 (median) | target |"
echo "|---|---|---|---|---|---|---|"
cat "$results"
