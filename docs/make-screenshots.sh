#!/usr/bin/env bash
# Takes the README's screenshots: the clock's window and its settings dialog, under Xvfb and
# openbox with the demo data set, each cropped to the window with its frame.
#
#   docs/make-screenshots.sh [BUILD_FOLDER]     (default: build)
#
# Makes the demo data set in the build folder when it is not there yet; starts the clock with
# empty settings of its own, so all speakers are on.
set -uo pipefail
export LC_ALL=C.UTF-8

root=$(cd "$(dirname "$0")/.." && pwd)
for lib in report processes display screen; do
    source "$root/tests/e2e/lib/$lib.sh"
done

build=$(cd "${1:-$root/build}" && pwd) || give_up "no build folder"
out=$root/docs/screenshots
executable=$build/vemraViewer/bin/vemraViewer
[ -x "$executable" ] || give_up "build the clock first: $executable is missing"
"$build/tools/demo_data/vemra-demo-data" "$build" >/dev/null || give_up "make the demo data set"

work=$(mktemp -d "${TMPDIR:-/tmp}/vemra-screenshots.XXXXXX")
on_exit "rm -rf '$work'"
mkdir -p "$work/config" "$work/runtime" "$out"
chmod 700 "$work/runtime"
start_display "$work" || give_up "start Xvfb and openbox"

env -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$work/config" \
    XDG_RUNTIME_DIR="$work/runtime" SDL_AUDIODRIVER=dummy "$executable" >"$work/app.log" 2>&1 &
app=$!
register_pid "$app"

main=$(find_window "$app" '^[0-9]{2}:[0-9]{2}:[0-9]{2}$' 60) || give_up "the clock's window appears"
started() { [ "$(window_title "$main")" != 00:00:00 ]; }
wait_until 10 started || give_up "the clock ticks"
sleep 1 # the first photo is drawn right after the first tick
import -frame -window "$main" "$out/main-window.png" || give_up "screenshot of the main window"
pass "docs/screenshots/main-window.png"

read -r _ main_height < <(client_size "$main")
xdotool windowactivate --sync "$main" 2>/dev/null
click_in "$main" 20 $(((main_height - 480) / 2))
sleep 0.5
xdotool key Down Return
dialog=$(find_window "$app" '^環境設定$' 15) || give_up "ファイル > 環境設定... opens the dialog"
sleep 1
import -frame -window "$dialog" "$out/preferences.png" || give_up "screenshot of the dialog"
pass "docs/screenshots/preferences.png"
xdotool key Escape
finish
