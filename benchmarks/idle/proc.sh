# What /proc tells about a running process and its threads.

# cpu_ms PID: user and system time of the whole process so far, threads that have ended
# included, in milliseconds (10 ms resolution).
cpu_ms() {
    local ticks
    ticks=$(getconf CLK_TCK)
    # The command name may hold blanks; the fields after its closing parenthesis are fixed.
    sed 's/.*) //' /proc/"$1"/stat | awk -v hz="$ticks" '{ print int(($12 + $13) * 1000 / hz) }'
}

rss_kb() {
    awk '/^VmRSS/ { print $2 }' /proc/"$1"/status
}

# thread_names PID: the names of its threads, on one line.
thread_names() {
    cat /proc/"$1"/task/*/comm 2>/dev/null | tr '\n' ' ' | sed 's/ $//'
}

# audio_threads PID: true while the clock has an audio thread: SDL's (SDLAudio...), alive
# while the device is open, or its own (vemraAudio), alive while there is sound work.
audio_threads() {
    grep -qsE '^(SDLAudio|vemraAudio)' /proc/"$1"/task/*/comm
}

now_ms() {
    echo $(($(date +%s%N) / 1000000))
}

# task_sample PID: one line per thread alive now, "tid run-ns switches name": the time it
# has run (schedstat, ns) and its voluntary plus involuntary context switches (its wake-ups).
task_sample() {
    local task
    for task in /proc/"$1"/task/*; do
        awk -v tid="${task##*/}" -v name="$(cat "$task/comm" 2>/dev/null)" '
            FILENAME ~ /schedstat$/ { run = $1 }
            /^voluntary_ctxt_switches/ { s += $2 }
            /^nonvoluntary_ctxt_switches/ { s += $2 }
            END { gsub(/ /, "_", name); print tid, run + 0, s + 0, name }' "$task/schedstat" "$task/status" 2>/dev/null
    done
}
