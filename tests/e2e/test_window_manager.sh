#!/usr/bin/env bash
# Under a window manager (metacity, whose Super+Up and Super+Down maximise and restore) the game
# window is maximised and restored like any window: the title keeps the counts of the game in
# play, the window takes the screen and comes back to its size, and a key skips the intro.
source "$(dirname "$0")/lib.sh"
command -v metacity >/dev/null || { echo "SKIP: metacity is not installed"; exit 77; }
e2e_setup "$1"
e2e_single_picture_list
metacity --sm-disable >"$E2E_TMP/metacity.log" 2>&1 &
E2E_PIDS+=($!)
for _ in $(seq 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' || fail "metacity did not start"
e2e_start_program

window=$(e2e_window) || fail "no window appeared; log: $(cat "$E2E_TMP/program.log")"
e2e_wait_title "$window" '^Welcome to Quiltra v1\.3$' >/dev/null
e2e_key "$window" space
e2e_wait_title "$window" '^Quiltra - puzzle: red\.jpg  Size: 4x3=12$' 20 >/dev/null

# A swap: the title shows one move.
e2e_key "$window" F5
read -r x y < <(e2e_cell "$window" 0 0)
e2e_click "$window" "$x" "$y"
read -r x y < <(e2e_cell "$window" 1 0)
e2e_click "$window" "$x" "$y"
counts='  Moves: 001  Hints: 000 +Time:  0:00:[0-9][0-9]$'
e2e_wait_title "$window" "$counts" 30 >/dev/null

size() { xdotool getwindowgeometry "$window" | awk '/Geometry/ {print $2}'; }
# Presses a window manager key until the test holds (up to three times): xdotool changes the key
# map for a key it has not typed yet, and the window manager may miss the press that follows.
press_until() {
    local key="$1" test="$2"
    for _ in 1 2 3; do
        e2e_key "$window" "$key"
        for _ in $(seq 15); do
            eval "$test" && return 0
            sleep 0.1
        done
    done
    return 1
}
before=$(size)
press_until super+Up '[ "$(size | cut -dx -f1)" -gt 1500 ]' || fail "the window was not maximised: $(size)"
sleep 0.5
e2e_wait_title "$window" "$counts" 10 >/dev/null
# The pieces were laid out for the new game area, round its middle (a 4 x 3 grid has a gap in the
# middle column line, so the point is a little to the right of it).
read -r w h < <(size | tr x ' ')
[ "$(e2e_pixel "$window" $((w / 2 + 20)) $((h / 2)))" = red ] ||
    fail "no piece in the middle of the maximised window"

press_until super+Down '[ "$(size)" = "$before" ]' || fail "restoring gave $(size), not $before"
sleep 0.5
e2e_wait_title "$window" "$counts" 10 >/dev/null
echo "1 passed, 0 failed"
