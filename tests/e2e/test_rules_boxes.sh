#!/usr/bin/env bash
# The rules boxes of the Help menu take the focus from the game window, yet the game clock runs on
# while they are open and after they close.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1"
e2e_single_picture_list
e2e_start_program
w=$(e2e_window) || fail "no window"
e2e_wait_title "$w" '^Quiltra - puzzle: red\.jpg  Size: 4x3=12$' >/dev/null

e2e_key "$w" F5
read -r x0 y0 < <(e2e_cell "$w" 0 0)
e2e_click "$w" "$x0" "$y0"
e2e_wait_title "$w" 'Time:  0:00:0[0-9]$' >/dev/null

focused() { xdotool getwindowfocus getwindowname 2>/dev/null || true; }
seconds() { local t; t=$(e2e_title "$w"); t=${t##*:}; echo $((10#$t)); }
for item in p s; do
    e2e_key "$w" alt+h "$item"
    box=""
    for _ in $(seq 50); do
        box=$(xdotool search --pid "$PROGRAM_PID" --onlyvisible --name ' Mode - Rules$' 2>/dev/null | head -n1 || true)
        [ -n "$box" ] && focused | grep -q ' Mode - Rules$' && break
        sleep 0.1
    done
    [ -n "$box" ] || fail "the rules box ($item) did not open"
    focused | grep -q ' Mode - Rules$' || fail "the rules box ($item) did not take the focus"
    sleep 1.5
    xdotool key Return
    sleep 0.5
    before=$(seconds)
    sleep 2.2
    after=$(seconds)
    [ "$after" -ge $((before + 2)) ] || fail "the clock stopped after the rules box ($item): $before -> $after"
done
echo "1 passed, 0 failed"
