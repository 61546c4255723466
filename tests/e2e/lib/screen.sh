# Windows and pixels as another X client sees them.

# find_window PID NAME_REGEX TIMEOUT: prints the id of the visible window of that process whose
# title matches; false on timeout.
find_window() {
    local pid=$1 name=$2 deadline=$((SECONDS + $3)) id
    while [ "$SECONDS" -lt "$deadline" ]; do
        id=$(xdotool search --all --onlyvisible --pid "$pid" --name "$name" 2>/dev/null | head -n1)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    return 1
}

window_title() {
    xdotool getwindowname "$1" 2>/dev/null
}

window_visible() {
    xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'
}

# client_size WINDOW: "width height" of the window's client area (without the frame).
client_size() {
    xwininfo -id "$1" | awk '/^  Width:/ { w = $2 } /^  Height:/ { h = $2 } END { print w, h }'
}

# size_hints WINDOW: "min-width min-height max-width max-height" as the program asks them.
size_hints() {
    xprop -id "$1" WM_NORMAL_HINTS | awk '
        /minimum size/ { min = $(NF - 2) " " $NF }
        /maximum size/ { max = $(NF - 2) " " $NF }
        END { print min, max }'
}

screenshot() {
    import -window "$1" "$2" 2>/dev/null
}

# pixels IMAGE X1 Y1 [X2 Y2 ...]: one line "r g b" (0 to 255) for each point.
pixels() {
    local image=$1 format="" x y c
    shift
    while [ $# -ge 2 ]; do
        x=$1 y=$2
        shift 2
        for c in r g b; do
            format+="%[fx:int(255*u.p{$x,$y}.$c+0.5)] "
        done
        format+='\n'
    done
    convert "$image" -format "$format" info: | sed 's/ $//'
}

# close_colours "r g b" "r g b" TOLERANCE: every channel within the tolerance.
close_colours() {
    local a b tolerance=$3
    read -ra a <<<"$1"
    read -ra b <<<"$2"
    local i d
    for i in 0 1 2; do
        d=$((a[i] - b[i]))
        [ "${d#-}" -le "$tolerance" ] || return 1
    done
}

# shows_picture SCREENSHOT PICTURE LEFT TOP: the screenshot shows the picture with its top-left
# corner at (LEFT, TOP), judged near its corners and in the middles of its quarters. JPEG
# leaves colours a little off, hence the tolerance.
shows_picture() {
    local shot=$1 picture=$2 left=$3 top=$4
    local width height
    read -r width height < <(identify -format '%w %h' "$picture")
    local points=(6 6 $((width - 7)) 6 6 $((height - 7)) $((width - 7)) $((height - 7))
                  $((width / 4)) $((height / 4)) $((3 * width / 4)) $((height / 4))
                  $((width / 4)) $((3 * height / 4)) $((3 * width / 4)) $((3 * height / 4)))
    local shifted=() i
    for ((i = 0; i < ${#points[@]}; i += 2)); do
        shifted+=($((left + points[i])) $((top + points[i + 1])))
    done
    local expected seen
    mapfile -t expected < <(pixels "$picture" "${points[@]}")
    mapfile -t seen < <(pixels "$shot" "${shifted[@]}")
    [ "${#seen[@]}" -eq "${#expected[@]}" ] || return 1
    for i in "${!expected[@]}"; do
        close_colours "${seen[i]}" "${expected[i]}" 24 || return 1
    done
}

# click_in WINDOW X Y: a left click at a point of the window's client area.
click_in() {
    xdotool mousemove --window "$1" "$2" "$3" click 1
}
