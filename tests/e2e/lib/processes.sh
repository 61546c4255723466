# Every process a run starts is registered here and ended when the script exits, also on
# failure or interruption. Processes are ended by their own ids, newest first.

E2E_PIDS=()
E2E_CLEANUPS=()

register_pid() {
    E2E_PIDS+=("$1")
}

# on_exit COMMAND: runs after the processes have been ended (e.g. removing the work folder).
on_exit() {
    E2E_CLEANUPS+=("$1")
}

# stop_pid PID: asks politely, then insists after 15 s.
stop_pid() {
    local pid=$1 i
    kill -0 "$pid" 2>/dev/null || return 0
    kill -TERM "$pid" 2>/dev/null || return 0
    for i in $(seq 150); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}

e2e_cleanup() {
    local status=$? i
    trap - EXIT INT TERM
    for ((i = ${#E2E_PIDS[@]} - 1; i >= 0; i--)); do
        stop_pid "${E2E_PIDS[i]}"
    done
    for i in "${E2E_CLEANUPS[@]}"; do
        eval "$i" || true
    done
    exit "$status"
}

trap e2e_cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
