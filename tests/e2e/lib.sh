# Helpers for the end-to-end tests: a private X server, a fresh program folder, the real program.
# Usage: source it, then call e2e_setup PROGRAM_DIR; everything is cleaned up on exit.
set -euo pipefail

E2E_PIDS=()
E2E_TMP=""

e2e_cleanup() {
    for pid in "${E2E_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${E2E_PIDS[@]}"; do wait "$pid" 2>/dev/null || true; done
    [ -n "$E2E_TMP" ] && rm -rf "$E2E_TMP"
}
trap e2e_cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# Starts Xvfb on a free display and exports DISPLAY.
e2e_start_x() {
    local fdfile="$E2E_TMP/display"
    Xvfb -displayfd 3 -screen 0 1600x1200x24 -nolisten tcp 3>"$fdfile" 2>/dev/null &
    E2E_PIDS+=($!)
    for _ in $(seq 100); do
        [ -s "$fdfile" ] && break
        sleep 0.1
    done
    [ -s "$fdfile" ] || fail "Xvfb did not start"
    export DISPLAY=":$(head -n1 "$fdfile")"
}

# Copies the built program folder (without any settings or saved game) into a temporary folder.
e2e_setup() {
    local built="$1"
    E2E_TMP=$(mktemp -d /tmp/quiltra-e2e-XXXXXX)
    PROGRAM_DIR="$E2E_TMP/Quiltra"
    mkdir -p "$PROGRAM_DIR"
    cp -r "$built/quiltra" "$built/Graphics" "$built/Sound" "$built/intro.bmp" "$built/CREDITS.md" "$PROGRAM_DIR/"
    export HOME="$E2E_TMP/home" XDG_DATA_HOME="$E2E_TMP/home/.local/share"
    mkdir -p "$HOME"
    export SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb
    e2e_start_x
}

# Starts the program from another current directory, so it must find its folder itself.
e2e_start_program() {
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
