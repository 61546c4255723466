# Check results of one end-to-end run: "ok - ..." and "not ok - ..." lines and a closing count.

E2E_PASSED=0
E2E_FAILED=0

pass() {
    echo "ok - $*"
    E2E_PASSED=$((E2E_PASSED + 1))
}

fail() {
    echo "not ok - $*"
    E2E_FAILED=$((E2E_FAILED + 1))
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
# screenshots, audio output and preferences file for a look.
keep_artifacts_on_failure() {
    local work=$1 destination=$2
    [ "$E2E_FAILED" -gt 0 ] && [ -n "$destination" ] || return 0
    rm -rf "$destination"
    mkdir -p "$destination"
    cp "$work"/*.log "$work"/*.png "$work"/*.raw "$destination"/ 2>/dev/null
    cp -r "$work/config" "$destination"/ 2>/dev/null
    echo "kept what the failed run left in $destination"
}
