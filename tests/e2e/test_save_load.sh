#!/usr/bin/env bash
# Saves a game with F8, starts another, loads the saved one with F7: the title shows the saved
# counts and "last.txt" holds 4 + 2N + 4 fields.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1"
e2e_single_picture_list
e2e_start_program
w=$(e2e_window) || fail "no window"
e2e_wait_title "$w" '^Quiltra - puzzle: red\.jpg  Size: 4x3=12$' >/dev/null

e2e_key "$w" F5
read -r x0 y0 < <(e2e_cell "$w" 0 0)
read -r x1 y1 < <(e2e_cell "$w" 1 0)
read -r x2 y2 < <(e2e_cell "$w" 2 1)
e2e_click "$w" "$x0" "$y0"
e2e_click "$w" "$x1" "$y1"
e2e_click "$w" "$x2" "$y2"
e2e_click "$w" "$x0" "$y0"
e2e_wait_title "$w" 'Moves: 002  Hints: 000' >/dev/null
e2e_key "$w" F8
for _ in $(seq 50); do [ -f "$PROGRAM_DIR/last.txt" ] && break; sleep 0.1; done
[ -f "$PROGRAM_DIR/last.txt" ] || fail "F8 wrote no last.txt"
fields=$(tr ',' '\n' < "$PROGRAM_DIR/last.txt" | wc -l)
[ "$fields" -eq $((4 + 2 * 12 + 4)) ] || fail "last.txt has $fields fields"
head -c 200 "$PROGRAM_DIR/last.txt" | grep -q "^$E2E_TMP/red.jpg,red.jpg,4,3," || fail "last.txt starts wrongly"

# Another game: the counts start again; loading brings the saved ones back.
e2e_key "$w" F6
e2e_wait_title "$w" '^Quiltra - slider: red\.jpg  Size: 4x3=12$' >/dev/null
e2e_key "$w" F7
e2e_wait_title "$w" '^Quiltra - puzzle: red\.jpg  Size: 4x3=12  Moves: 002  Hints: 000 +Time: ' >/dev/null
echo "1 passed, 0 failed"
