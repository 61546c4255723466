# Idle cost of a running program over a quiet window. Needs proc.sh.
#
# Every thread that lived in the window is counted: the threads are sampled every 0.2 s, and
# one seen for the first time after the window began was born in it and counts from zero; one
# that ends counts up to its last sample (the CPU time of /proc/PID/stat, which keeps what
# ended threads used, is given beside). perf, where installed, counts context switches of the
# process and every thread it starts, as a cross-check.

# wait_for_quiet_minute PID AUDIO_FILE [LATEST_SECOND]: returns once the minute's
# announcement has been written and the audio device has closed (no audio thread, output
# untouched for a second), by second LATEST_SECOND (28) of the minute.
wait_for_quiet_minute() {
    local pid=$1 audio=$2 latest=${3:-28} now written
    while :; do
        sleep 0.2
        audio_threads "$pid" && continue
        [ -e "$audio" ] || continue
        now=$(date +%s)
        written=$(date -r "$audio" +%s)
        [ $((written / 60)) -eq $((now / 60)) ] && [ $((now - written)) -ge 1 ] && [ $((now % 60)) -le "$latest" ] && return 0
    done
}

# measure_idle SECONDS PID...: samples the processes until SECONDS have passed and prints,
# for each, "pid wake-ups-per-s cpu-ms-per-s stat-cpu-ms rss-kb audio-seen threads".
measure_idle() {
    local seconds=$1 pid tid run switches name key
    shift
    declare -A first_run first_sw last_run last_sw names cpu0 audio_seen
    local t0 t1
    t0=$(now_ms)
    for pid in "$@"; do
        cpu0[$pid]=$(cpu_ms "$pid")
        audio_seen[$pid]=no
        while read -r tid run switches name; do
            key=$pid:$tid
            first_run[$key]=$run first_sw[$key]=$switches
        done < <(task_sample "$pid")
    done
    while :; do
        for pid in "$@"; do
            audio_threads "$pid" && audio_seen[$pid]=yes
            while read -r tid run switches name; do
                key=$pid:$tid
                [ -n "${first_run[$key]:-}" ] || { first_run[$key]=0 first_sw[$key]=0; }
                last_run[$key]=$run last_sw[$key]=$switches names[$key]=$name
            done < <(task_sample "$pid")
        done
        t1=$(now_ms)
        [ $((t1 - t0)) -ge $((seconds * 1000)) ] && break
        sleep 0.2
    done
    for pid in "$@"; do
        local total_run=0 total_sw=0 threads=""
        for key in "${!last_run[@]}"; do
            [ "${key%%:*}" = "$pid" ] || continue
            total_run=$((total_run + last_run[$key] - first_run[$key]))
            total_sw=$((total_sw + last_sw[$key] - first_sw[$key]))
            threads+="${names[$key]},"
        done
        awk -v pid="$pid" -v ms=$((t1 - t0)) -v run="$total_run" -v sw="$total_sw" \
            -v stat=$(($(cpu_ms "$pid") - cpu0[$pid])) -v rss="$(rss_kb "$pid")" \
            -v audio="${audio_seen[$pid]}" -v threads="${threads%,}" 'BEGIN {
            printf "%s %.3f %.4f %d %d %s %s\n", pid, sw * 1000 / ms, run / 1e6 / (ms / 1000), stat, rss, audio, threads }'
    done
}
