#!/usr/bin/env bash
# A click about a second after the start ends the intro at once: the picture from the list is in
# play with its whole title long before the intro would have ended (about 7 s), and a game starts
# and counts as after a full intro.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1"
e2e_single_picture_list
start=$(date +%s%N)
e2e_start_program

window=$(e2e_window) || fail "no window appeared; log: $(cat "$E2E_TMP/program.log")"
e2e_wait_title "$window" '^Welcome to Quiltra v1\.3$' >/dev/null
now=$(date +%s%N)
left=$(( 1000 - (now - start) / 1000000 ))
[ "$left" -gt 0 ] && sleep "0.$(printf '%03d' "$left")"
e2e_click "$window" 300 200
e2e_wait_title "$window" '^Quiltra - puzzle: red\.jpg  Size: 4x3=12$' 20 >/dev/null
elapsed=$(( ($(date +%s%N) - start) / 1000000 ))
[ "$elapsed" -lt 4000 ] || fail "the intro ended only after $elapsed ms"

# The menus are on and play is whole: F5 deals, a click on a piece starts the clock, and the title
# shows the counts and the time.
e2e_key "$window" F5
e2e_wait_title "$window" '^Quiltra - puzzle: red\.jpg  Size: 4x3=12$' 20 >/dev/null
read -r x y < <(e2e_cell "$window" 0 0)
e2e_click "$window" "$x" "$y"
e2e_wait_title "$window" '^Quiltra - puzzle: red\.jpg  Size: 4x3=12  Moves: 000  Hints: 000 +Time:  0:00:0[0-9]$' 30 >/dev/null
echo "1 passed, 0 failed"
