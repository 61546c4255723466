# A small data set for the clock: every minute of the day announces itself with one short
# clip, and the minute photos cycle through eight pictures so that neighbouring minutes always
# look different. Needs app.sh.

# The speakers who recorded every time announcement and every quarter-hour line.
FIXTURE_TIME_SPEAKER=3
FIXTURE_SERIF_SPEAKER=8

# Quadrant colours of the photos: photo k has colour k, k+2, k+4, k+6 (mod 8) in its top-left,
# top-right, bottom-left and bottom-right quarters, so photos k and k+1 differ everywhere.
FIXTURE_PALETTE=("rgb(220,30,30)" "rgb(30,200,30)" "rgb(30,30,220)" "rgb(230,230,30)"
                 "rgb(220,30,220)" "rgb(30,210,210)" "rgb(240,140,20)" "rgb(110,60,20)")

each_minute_key() {
    local h m
    for h in $(seq -w 0 23); do
        for m in $(seq -w 0 59); do
            echo "$h$m"
        done
    done
}

# photo_number MINUTE_KEY: which of the eight photos that minute shows.
photo_number() {
    local key=$1
    echo $(((10#${key:0:2} * 60 + 10#${key:2:2}) % 8))
}

# write_catalogues RESOURCES_FOLDER
write_catalogues() {
    local resources=$1 key i
    {
        for i in $(seq 12); do
            printf '%d\t%%E5%%A3%%B0%%E5%%84%%AA%%20%d\tface%02d\r\n' "$i" "$i" "$i"
        done
    } >"$resources/ActMain.txt"
    {
        for i in $(seq 0 23); do
            printf 'Alarm%%20%d\talarm%02d.mp3\r\n' "$i" "$i"
        done
    } >"$resources/Alarm.txt"
    each_minute_key | while read -r key; do
        printf '%s\t%d\r' "$key" "$FIXTURE_TIME_SPEAKER"
    done >"$resources/ActTime.txt"
    each_minute_key | grep -E '(00|15|30|45)$' | while read -r key; do
        printf '%s\t%d\r' "$key" "$FIXTURE_SERIF_SPEAKER"
    done >"$resources/ActSerif.txt"
}

# write_photos PHOTOS_FOLDER: photo-0.jpg to photo-7.jpg and HHMM.jpg for every minute.
write_photos() {
    local photos=$1 k key
    for k in $(seq 0 7); do
        local c=("${FIXTURE_PALETTE[@]}")
        convert -size 160x240 "xc:${c[k]}" "xc:${c[(k + 2) % 8]}" +append \
            \( -size 160x240 "xc:${c[(k + 4) % 8]}" "xc:${c[(k + 6) % 8]}" +append \) -append \
            -quality 92 "$photos/photo-$k.jpg"
    done
    each_minute_key | while read -r key; do
        ln "$photos/photo-$(photo_number "$key").jpg" "$photos/$key.jpg"
    done
}

# write_clips SOUNDS_FOLDER CLIP: the same clip for every minute and every quarter hour.
write_clips() {
    local sounds=$1 clip=$2 key
    mkdir -p "$sounds/Time" "$sounds/Serif" "$sounds/Alarm"
    cp "$clip" "$sounds/clip.mp3"
    each_minute_key | while read -r key; do
        ln "$sounds/clip.mp3" "$sounds/Time/$key.mp3"
    done
    each_minute_key | grep -E '(00|15|30|45)$' | while read -r key; do
        ln "$sounds/clip.mp3" "$sounds/Serif/$key.mp3"
    done
}

# make_fixture WORK_FOLDER CLIP: the catalogues and the data folder of an installed app.
make_fixture() {
    local work=$1 clip=$2
    local data
    data=$(data_folder "$work")
    mkdir -p "$data/Photos" "$data/Sounds"
    write_catalogues "$work/vemraViewer/Resources"
    # The two halves take about as long as each other; run them side by side.
    write_photos "$data/Photos" &
    local photos=$!
    write_clips "$data/Sounds" "$clip" || return 1
    wait "$photos"
}

# repeat_clip MP3 TIMES OUT_MP3: the clip played TIMES over without a pause, as one MP3 (made
# with lame from the decoded samples of a mono clip).
repeat_clip() {
    local clip=$1 times=$2 out=$3 i
    local samples=$out.pcm
    lame --decode -t --quiet "$clip" "$samples.one" || return 1
    for ((i = 0; i < times; i++)); do
        cat "$samples.one"
    done >"$samples"
    lame -r -s 44.1 --bitwidth 16 --signed --little-endian -m m -b 64 --quiet "$samples" "$out" 2>/dev/null
    local status=$?
    rm -f "$samples" "$samples.one"
    return "$status"
}
