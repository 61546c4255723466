#!/usr/bin/env bash
# The settings dialog as a user meets it: opened from the menu bar of the running clock,
# changed with the mouse, left with Cancel (nothing kept) and with OK (kept), then Ctrl+Q writes
# what OK kept to the preferences file, together with the settings read at start-up.
#
#   tests/e2e/preferences.sh EXECUTABLE TEST_DATA_FOLDER [FOLDER_FOR_FAILURE_ARTIFACTS]
set -uo pipefail
export LC_ALL=C.UTF-8

here=$(cd "$(dirname "$0")" && pwd)
for lib in report processes display app fixture screen; do
    source "$here/lib/$lib.sh"
done

executable=$1
test_data=$2
artifacts=${3:-}

work=$(mktemp -d "${TMPDIR:-/tmp}/vemra-e2e-preferences.XXXXXX")
on_exit "keep_artifacts_on_failure '$work' '$artifacts'; rm -rf '$work'"

install_app "$work" "$executable" || give_up "install the program in $work"
make_fixture "$work" "$test_data/tone-440-300ms.mp3" || give_up "make the data set"
# Settings other than the defaults; the alarm hour 24 never comes, so the alarm stays quiet.
printf '%s\n' 'seiyuOn/Off=1,1,1,1,1,1,1,1,1,1,1,1' alarmOn=1 alarmHour=24 alarmMin=45 \
    alarmVoice=5 voiceMode=2 >"$(prefs_file "$work")"
start_display "$work" || give_up "start Xvfb and openbox"

start_app "$work"
main=$(find_window "$APP_PID" '^[0-9]{2}:[0-9]{2}:[0-9]{2}$' 240) || give_up "the clock's window appears"
read -r _ main_height < <(client_size "$main")
menu_bar_middle=$(((main_height - 480) / 2))

# Positions in the dialog's client area.
CANCEL_X=224 CANCEL_Y=676
OK_X=325 OK_Y=676
# The box of speaker n: two columns of six, the left one for speakers 1 to 6.
speaker_box() {
    local i=$(($1 - 1))
    echo $((i < 6 ? 107 : 283)) $((191 + 84 * (i % 6)))
}
click_speaker() {
    click_in "$dialog" $(speaker_box "$1")
}

menu_open() {
    [ "$(xdotool search --all --onlyvisible --pid "$APP_PID" --name '' 2>/dev/null | wc -l)" -gt 1 ]
}

# open_dialog: chooses ファイル > 環境設定... and sets `dialog`; false when no dialog shows.
open_dialog() {
    xdotool windowactivate --sync "$main" 2>/dev/null
    click_in "$main" 20 "$menu_bar_middle"
    wait_until 40 menu_open || return 1
    xdotool key Down Return
    dialog=$(find_window "$APP_PID" '^環境設定$' 60)
}

dialog_closed() {
    ! window_visible "$dialog"
}

# --- Looked at and left with Cancel ----------------------------------------------------------
open_dialog || give_up "ファイル > 環境設定... opens a window titled 環境設定"
pass "ファイル > 環境設定... opens a window titled 環境設定"
read -r width height < <(client_size "$dialog")
read -r min_w min_h max_w max_h < <(size_hints "$dialog")
check "the dialog is 385 x 706 (got ${width}x$height)" test "$width $height" = "385 706"
check "the dialog cannot be resized (size hints $min_w $min_h $max_w $max_h)" \
    test "$min_w $min_h $max_w $max_h" = "385 706 385 706"
modal() { xprop -id "$1" _NET_WM_STATE | grep -q _NET_WM_STATE_MODAL; }
check "the dialog is modal" modal "$dialog"
screenshot "$dialog" "$work/dialog-opened.png"

click_speaker 1
click_in "$dialog" "$CANCEL_X" "$CANCEL_Y"
check "キャンセル closes the dialog" wait_until 40 dialog_closed

# --- Changed and confirmed with OK -----------------------------------------------------------
if open_dialog; then
    pass "the dialog opens a second time"
    click_speaker 3
    click_speaker 8
    screenshot "$dialog" "$work/dialog-changed.png"
    click_in "$dialog" "$OK_X" "$OK_Y"
    check "OK closes the dialog" wait_until 40 dialog_closed
else
    fail "the dialog opens a second time"
fi

prefs=$(prefs_file "$work")
kept_by_ok() {
    cmp -s "$prefs" <(printf '%s\n' 'seiyuOn/Off=1,1,0,1,1,1,1,0,1,1,1,1' alarmOn=1 alarmHour=24 \
                      alarmMin=45 alarmVoice=5 voiceMode=2)
}
# Saved at once: a session that ended now, without closing the clock, would keep them.
check "OK saved speakers 3 and 8 off, and every other setting as it was read" kept_by_ok

# --- Quitting writes what OK kept ------------------------------------------------------------
end_program_with "$main" ctrl+q "Ctrl+Q"
check "quitting leaves the preferences file with what OK kept" kept_by_ok
[ "$E2E_FAILED" -eq 0 ] || { echo "preferences file:"; cat "$prefs"; }

finish
