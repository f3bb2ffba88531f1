#!/usr/bin/env bash
# The real program's Help and Picture Viewer: F1 opens the help window beside the game window
# and its Exit closes it; View > Picture Viewer shows the picture in the game window's place, and
# the viewer's Exit brings the game window back.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1"
e2e_single_picture_list
e2e_start_program
w=$(e2e_window) || fail "no window"
e2e_wait_title "$w" '^Quiltra - puzzle: red\.jpg  Size: 4x3=12$' 200 >/dev/null

visible() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }
# The id of the program's visible window whose title matches, waiting up to 5 s.
find_window() {
    local id=""
    for _ in $(seq 50); do
        id=$(xdotool search --all --pid "$PROGRAM_PID" --onlyvisible --name "$1" 2>/dev/null | head -n1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}
geometry() { xdotool getwindowgeometry "$1" | awk '/Position|Geometry/ {print $2}' | tr '\n' ' '; }
# Waits until a window is no longer shown.
wait_gone() {
    for _ in $(seq 50); do visible "$1" || return 0; sleep 0.1; done
    return 1
}

# F1: the help window opens beside the game window, which stays shown.
e2e_key "$w" F1
help=$(find_window '^Quiltra -  Help$') || fail "F1 opened no help window"
visible "$w" || fail "the game window went away with the help window"
[ "$(geometry "$help" | cut -d' ' -f1)" = "$(geometry "$w" | cut -d' ' -f1)" ] ||
    fail "the help window is not centred over the game window: $(geometry "$help") vs $(geometry "$w")"
# Its Exit, the first item of its menu bar, once the window has settled.
sleep 0.5
xdotool mousemove --window "$help" 15 10
sleep 0.3
xdotool click 1
wait_gone "$help" || fail "Exit did not close the help window"

# View > Picture Viewer: the viewer covers the game window, which hides.
e2e_key "$w" alt+v
sleep 0.3
xdotool key v
viewer=$(find_window '^Quiltra - Picture Viewer:  Press Exit to return to previous screen\.  red\.jpg$') ||
    fail "View > Picture Viewer opened no viewer"
wait_gone "$w" || fail "the game window stayed shown beside the viewer"
[ "$(geometry "$viewer")" = "$(geometry "$w")" ] ||
    fail "the viewer does not take the game window's place: $(geometry "$viewer") vs $(geometry "$w")"
# The 180 x 140 picture at natural size, centred: its middle is red.
sleep 0.3
menubar=$(( $(xdotool getwindowgeometry "$viewer" | awk '/Geometry/ {split($2, a, "x"); print a[2]}') - 400 ))
[ "$(e2e_pixel "$viewer" 315 $((menubar + 199)))" = "red" ] || fail "the viewer does not show the picture"

# Exit brings the game window back.
e2e_key "$viewer" alt+x
wait_gone "$viewer" || fail "Exit did not close the viewer"
for _ in $(seq 50); do visible "$w" && break; sleep 0.1; done
visible "$w" || fail "the game window did not come back"
e2e_wait_title "$w" '^Quiltra - puzzle: red\.jpg  Size: 4x3=12' >/dev/null
echo "1 passed, 0 failed"
