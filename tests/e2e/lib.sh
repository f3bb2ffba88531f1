# Helpers for the end-to-end tests: a private X server, a fresh program folder, the real program.
# Usage: source it, then call e2e_setup PROGRAM_DIR; everything is cleaned up on exit.
set -euo pipefail

E2E_PIDS=()
E2E_TMP=""

e2e_cleanup() {
    for pid in "${E2E_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${E2E_PIDS[@]}"; do wait "$pid" 2>/dev/null || true; done
    [ -n "${E2E_MOUNT:-}" ] && umount "$E2E_MOUNT" 2>/dev/null
    [ -n "$E2E_TMP" ] && rm -rf "$E2E_TMP"
    return 0
}
trap e2e_cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# Starts Xvfb on a free display and exports DISPLAY. The number is taken far from the low ones
# that desktops and other programs' tests on a shared machine start, use and clean up after.
# -noreset keeps the server up as it is when its last client goes: a test that stops the program
# and starts it again must not meet a server in the middle of its reset.
e2e_start_x() {
    local fdfile="$E2E_TMP/display" n=$(( 300 + RANDOM % 600 ))
    while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
    Xvfb ":$n" -displayfd 3 -screen 0 1600x1200x24 -nolisten tcp -noreset 3>"$fdfile" 2>/dev/null &
    E2E_PIDS+=($!)
    for _ in $(seq 100); do
        [ -s "$fdfile" ] && break
        sleep 0.1
    done
    [ -s "$fdfile" ] || fail "Xvfb did not start"
    export DISPLAY=":$(head -n1 "$fdfile")"
    e2e_wait_display
}

# Waits until the X server answers a client (up to 10 s).
e2e_wait_display() {
    for _ in $(seq 100); do
        xdotool getdisplaygeometry >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    fail "the X server on $DISPLAY does not answer"
}

# Copies the built program folder (without any settings or saved game) into a temporary folder.
e2e_setup() {
    local built="$1"
    E2E_TMP=$(mktemp -d /tmp/quiltra-e2e-XXXXXX)
    PROGRAM_DIR="$E2E_TMP/Quiltra"
    mkdir -p "$PROGRAM_DIR"
    cp -r "$built/quiltra" "$built/Graphics" "$built/Sound" "$built/translations" "$built/intro.bmp" \
        "$built/CREDITS.md" "$built/portable.txt" "$PROGRAM_DIR/"
    export HOME="$E2E_TMP/home" XDG_DATA_HOME="$E2E_TMP/home/.local/share"
    mkdir -p "$HOME"
    export QUILTRA_AUDIO=none QT_QPA_PLATFORM=xcb
    e2e_start_x
}

# Starts the program from another current directory, so it must find its folder itself.
e2e_start_program() {
    e2e_wait_display
    (cd / && exec "$PROGRAM_DIR/quiltra" "$@") >"$E2E_TMP/program.log" 2>&1 &
    PROGRAM_PID=$!
    E2E_PIDS+=($PROGRAM_PID)
}

# The program's top-level window id, waiting up to 10 s for it.
e2e_window() {
    local id=""
    for _ in $(seq 100); do
        id=$(xdotool search --pid "$PROGRAM_PID" --onlyvisible --name 'Quiltra' 2>/dev/null | head -n1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

e2e_title() { xdotool getwindowname "$1" 2>/dev/null || true; }

# Waits until the window's title matches an extended regular expression (default 15 s).
e2e_wait_title() {
    local id="$1" pattern="$2" tries="${3:-150}" title=""
    for _ in $(seq "$tries"); do
        title=$(e2e_title "$id")
        if [[ "$title" =~ $pattern ]]; then echo "$title"; return 0; fi
        sleep 0.1
    done
    fail "title never matched /$pattern/; last title: '$title'"
}

# Sends keys to the window after giving it the keyboard focus (there is no window manager).
e2e_key() {
    local id="$1"; shift
    xdotool windowfocus --sync "$id" 2>/dev/null || xdotool windowfocus "$id"
    xdotool key --delay 50 "$@"
}

# Clicks at a point of the window, in its own pixel coordinates.
e2e_click() {
    local id="$1" x="$2" y="$3"
    xdotool mousemove --window "$id" "$x" "$y" click 1
}

# A program folder whose list holds one generated picture of 180 x 140 pixels (2700 x 2100
# twips): in the default window it is shown at natural size and offers the single size 4x3=12,
# so its cells lie at known places.
e2e_single_picture_list() {
    convert -size 180x140 xc:'#ff0000' "$E2E_TMP/red.jpg"
    printf '*,9550,6750,20,20,&H80FF80,&H0080FFFF,12632256,1,1,1,1,1,1,1,%s,end\n' \
        "$E2E_TMP/red.jpg" > "$PROGRAM_DIR/init.txt"
}

# The centre of cell (column, row) of the 4 x 3 board of that picture, in window pixels: cells are
# 674 x 699 twips, 35 apart, the first at (3292, 1939) inside the game area at (20, 20), below
# the menu bar.
e2e_cell() {
    local id="$1" col="$2" row="$3" height menubar
    height=$(xdotool getwindowgeometry "$id" | awk '/Geometry/ {split($2, a, "x"); print a[2]}')
    menubar=$((height - 400))
    echo "$(( (20 + 3292 + col * 709 + 337) / 15 )) $(( menubar + (20 + 1939 + row * 734 + 349) / 15 ))"
}

# The colour of one pixel of the window, as "red", "grey" or "other" (JPEG colours are near).
e2e_pixel() {
    local id="$1" x="$2" y="$3"
    import -window "$id" -crop "1x1+$x+$y" +repage -depth 8 txt:- 2>/dev/null | tail -n1 |
        sed -n 's/^[^(]*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2 \3/p' |
        awk '{ if ($1 > 200 && $2 < 60 && $3 < 60) print "red";
               else if ($1 > 180 && $1 < 205 && $2 > 180 && $2 < 205 && $3 > 180 && $3 < 205) print "grey";
               else print "other" }'
}
