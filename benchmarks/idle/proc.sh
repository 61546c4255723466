# What /proc tells about a running process, all of its threads counted.

# context_switches PID: "voluntary involuntary", summed over the threads alive now.
context_switches() {
    cat /proc/"$1"/task/*/status 2>/dev/null | awk '
        /^voluntary_ctxt_switches/ { v += $2 }
        /^nonvoluntary_ctxt_switches/ { n += $2 }
        END { print v + 0, n + 0 }'
}

# cpu_ms PID: user and system time of the whole process so far, in milliseconds.
cpu_ms() {
    local ticks
    ticks=$(getconf CLK_TCK)
    # The command name may hold blanks; the fields after its closing parenthesis are fixed.
    sed 's/.*) //' /proc/"$1"/stat | awk -v hz="$ticks" '{ print int(($12 + $13) * 1000 / hz) }'
}

rss_kb() {
    awk '/^VmRSS/ { print $2 }' /proc/"$1"/status
}

thread_ids() {
    ls /proc/"$1"/task | sort -n | tr '\n' ' '
}

# thread_names PID: the names of its threads, on one line.
thread_names() {
    cat /proc/"$1"/task/*/comm 2>/dev/null | tr '\n' ' ' | sed 's/ $//'
}

thread_count() {
    ls /proc/"$1"/task | wc -l
}

# SDL names its audio device thread SDLAudio...; it exists while the device is open.
audio_thread() {
    grep -qs '^SDLAudio' /proc/"$1"/task/*/comm
}

now_ms() {
    echo $(($(date +%s%N) / 1000000))
}

# thread_switches PID: one line per thread, "tid name voluntary involuntary".
thread_switches() {
    local task
    for task in /proc/"$1"/task/*; do
        awk -v tid="${task##*/}" -v name="$(cat "$task/comm" 2>/dev/null)" '
            /^voluntary_ctxt_switches/ { v = $2 }
            /^nonvoluntary_ctxt_switches/ { n = $2 }
            END { print tid, name, v + 0, n + 0 }' "$task/status" 2>/dev/null
    done
}
