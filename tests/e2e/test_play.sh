#!/usr/bin/env bash
# Plays the real program by keyboard and mouse and reads its title bar: F5 starts a Puzzle game,
# two clicks make a move, F6 starts a Slider game, repeated F2 solves a Puzzle game, and about two
# seconds later the whole picture is back.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1"
e2e_single_picture_list
e2e_start_program
w=$(e2e_window) || fail "no window"
e2e_wait_title "$w" '^Quiltra - puzzle: red\.jpg  Size: 4x3=12$' >/dev/null

# Between the first two cells: the picture's red while it is shown whole.
read -r gx gy < <(e2e_cell "$w" 0 0)
gap_x=$(( (20 + 3292 + 674 + 17) / 15 ))
[ "$(e2e_pixel "$w" "$gap_x" "$gy")" = "red" ] || fail "the whole picture is not shown"

e2e_key "$w" F5
read -r x0 y0 < <(e2e_cell "$w" 0 0)
read -r x1 y1 < <(e2e_cell "$w" 1 0)
e2e_click "$w" "$x0" "$y0"
e2e_wait_title "$w" 'Moves: 000  Hints: 000 +Time:  0:00:0[0-9]$' >/dev/null
e2e_click "$w" "$x1" "$y1"
e2e_wait_title "$w" '^Quiltra - puzzle: red\.jpg  Size: 4x3=12  Moves: 001  Hints: 000 +Time:  0:00:0[0-9]$' >/dev/null
# The puzzle is on view: the gap between the cells shows the background.
[ "$(e2e_pixel "$w" "$gap_x" "$gy")" = "grey" ] || fail "the puzzle is not shown"

e2e_key "$w" F6
e2e_wait_title "$w" '^Quiltra - slider: red\.jpg  Size: 4x3=12$' >/dev/null

# Hints: the first marks, each further one puts a piece home, until the picture is whole.
e2e_key "$w" F5
for _ in $(seq 14); do
    e2e_key "$w" F2
    sleep 0.1
done
title=$(e2e_wait_title "$w" '^Quiltra - puzzle: red\.jpg  Size: 4x3=12  Moves: 000  Hints: [0-9]{3} +Time: ')
sleep 1
[ "$(e2e_title "$w")" = "$title" ] || fail "the final counts did not stay"
sleep 1.5
[ "$(e2e_pixel "$w" "$gap_x" "$gy")" = "red" ] || fail "the whole picture did not come back"
[ "$(e2e_title "$w")" = "$title" ] || fail "the title changed after the game"
echo "1 passed, 0 failed"
