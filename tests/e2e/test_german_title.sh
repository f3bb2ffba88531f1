#!/usr/bin/env bash
# The real program in German: under LANG=de_DE.UTF-8 the intro greets in German, F5 and two clicks
# give the German status line with the time at the same column as in English, and the saved game
# keeps its English mode word.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1"
e2e_single_picture_list
unset LC_ALL LC_MESSAGES LANGUAGE
export LANG=de_DE.UTF-8
e2e_start_program
w=$(e2e_window) || fail "no window"
e2e_wait_title "$w" '^Willkommen bei Quiltra v1\.3$' 50 >/dev/null
e2e_wait_title "$w" '^Quiltra - Tauschpuzzle: red\.jpg  Größe: 4x3=12$' 200 >/dev/null

e2e_key "$w" F5
read -r x0 y0 < <(e2e_cell "$w" 0 0)
read -r x1 y1 < <(e2e_cell "$w" 1 0)
e2e_click "$w" "$x0" "$y0"
e2e_click "$w" "$x1" "$y1"
title=$(e2e_wait_title "$w" '^Quiltra - Tauschpuzzle: red\.jpg  Größe: 4x3=12  Züge: 001  Tipps: 000 +Zeit:  0:00:0[0-9]$')
# "Zeit:" starts at column 76, counted in characters as in English, whatever the bytes.
before=${title%%Zeit:*}
[ "$(printf '%s' "$before" | LC_ALL=C.UTF-8 wc -m)" -eq 75 ] || fail "the time is not at column 76: '$title'"

e2e_key "$w" F8
for _ in $(seq 50); do [ -s "$PROGRAM_DIR/last.txt" ] && break; sleep 0.1; done
grep -q ',puzzle,' "$PROGRAM_DIR/last.txt" || fail "the saved game is not in English: $(cat "$PROGRAM_DIR/last.txt")"
echo "1 passed, 0 failed"
