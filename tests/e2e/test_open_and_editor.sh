#!/usr/bin/env bash
# The real program's Open Picture window and Picture List Editor: F9 opens the Open Picture
# window in the game window's place, Cancel brings the game window back, a double click on a
# file opens it; Picture > Edit List opens the editor and its OK returns to the game window.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1"
e2e_start_program
w=$(e2e_window) || fail "no window appeared; log: $(cat "$E2E_TMP/program.log")"
e2e_wait_title "$w" '^Quiltra - puzzle: ' 200 >/dev/null

visible() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }
find_window() {
    local id=""
    for _ in $(seq 50); do
        id=$(xdotool search --pid "$PROGRAM_PID" --onlyvisible --name "$1" 2>/dev/null |
            head -n1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}
wait_gone() {
    for _ in $(seq 50); do visible "$1" || return 0; sleep 0.1; done
    return 1
}
wait_shown() {
    for _ in $(seq 50); do visible "$1" && return 0; sleep 0.1; done
    return 1
}
# The centre of an element designed at left, top, width, height twips, in window pixels.
at() { echo "$(( ($1 + $3 / 2) / 15 )) $(( ($2 + $4 / 2) / 15 ))"; }

# F9: the Open Picture window replaces the game window; Cancel brings it back.
e2e_key "$w" F9
open=$(find_window '^Quiltra - Open Picture$') || fail "F9 opened no Open Picture window"
wait_gone "$w" || fail "the game window stayed shown beside the Open Picture window"
sleep 0.3
e2e_click "$open" $(at 2880 5760 1095 375)
wait_gone "$open" || fail "Cancel did not close the Open Picture window"
wait_shown "$w" || fail "the game window did not come back after Cancel"

# A double click on the first file of the Graphics folder opens it.
first=$(cd "$PROGRAM_DIR/Graphics" && ls -1 | grep -i '\.jpg$' | LC_ALL=C sort -f | head -n1)
e2e_key "$w" F9
open=$(find_window '^Quiltra - Open Picture$') || fail "F9 opened no Open Picture window again"
sleep 0.3
read -r x _ < <(at 3120 840 1935 3990)
xdotool mousemove --window "$open" "$x" 64 click --repeat 2 --delay 80 1
wait_gone "$open" || fail "a double click on $first did not open it"
wait_shown "$w" || fail "the game window did not come back after the open"
e2e_wait_title "$w" "^Quiltra - puzzle: ${first//./\\.} Size: [0-9]+x[0-9]+=[0-9]+$" >/dev/null

# Picture > Edit List: the editor replaces the game window; OK returns to it.
e2e_key "$w" alt+p
sleep 0.3
xdotool key e
editor=$(find_window '^Quiltra - Picture List Editor$') || fail "Edit List opened no editor"
wait_gone "$w" || fail "the game window stayed shown beside the editor"
sleep 0.3
rm -f "$PROGRAM_DIR/init.txt"
e2e_click "$editor" $(at 5730 5700 1125 375)
wait_gone "$editor" || fail "OK did not close the editor"
wait_shown "$w" || fail "the game window did not come back after OK"
grep -q ",end$" "$PROGRAM_DIR/init.txt" 2>/dev/null || fail "OK wrote no settings file"
echo "1 passed, 0 failed"
