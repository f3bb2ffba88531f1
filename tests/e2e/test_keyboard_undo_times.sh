#!/usr/bin/env bash
# Finishes a Puzzle game with the keyboard only: F7 loads a saved game two swaps from the end, the
# arrows move the cursor, Space and Return swap, Ctrl+Z takes a swap back (the title's move count
# returns) and Ctrl+Shift+Z redoes it, and at the finish "times.txt" holds the result.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1"
e2e_single_picture_list

# The saved game: pieces 1 and 2 exchanged, and pieces 11 and 12; cell (c, r) of the 4 x 3 board
# lies at (3292 + 709 c, 1939 + 734 r) twips.
cells=(2 1 3 4 5 6 7 8 9 10 12 11)
line="$E2E_TMP/red.jpg,red.jpg,4,3,"
for cell in "${cells[@]}"; do
    c=$(( (cell - 1) % 4 )) r=$(( (cell - 1) / 4 ))
    line+="$(( 3292 + 709 * c )),$(( 1939 + 734 * r )),"
done
printf '%spuzzle,0,0,0\n' "$line" > "$PROGRAM_DIR/last.txt"

e2e_start_program
w=$(e2e_window) || fail "no window"
e2e_wait_title "$w" '^Quiltra - puzzle: red\.jpg  Size: 4x3=12$' >/dev/null
e2e_key "$w" F7
e2e_wait_title "$w" 'Moves: 000  Hints: 000 +Time: ' >/dev/null

# The first arrow shows the cursor on the top-left cell; Space selects, Right and Return swap.
e2e_key "$w" Right space Right Return
e2e_wait_title "$w" 'Moves: 001  Hints: 000 +Time: ' >/dev/null
e2e_key "$w" ctrl+z
e2e_wait_title "$w" 'Moves: 000  Hints: 000 +Time: ' >/dev/null
e2e_key "$w" ctrl+shift+z
e2e_wait_title "$w" 'Moves: 001  Hints: 000 +Time: ' >/dev/null

# From cell 2 down to cell 10, right to 11: select, then swap with cell 12 to finish.
e2e_key "$w" Down Down Right space Right space
title=$(e2e_wait_title "$w" '^Quiltra - puzzle: red\.jpg  Size: 4x3=12  Moves: 002  Hints: 000 +Time:  0:00:[0-9]{2}$')
for _ in $(seq 50); do [ -f "$PROGRAM_DIR/times.txt" ] && break; sleep 0.1; done
[ -f "$PROGRAM_DIR/times.txt" ] || fail "no times.txt after the finish"
seconds=$((10#${title: -2}))
printf -v expected 'red.jpg\t4\t3\tpuzzle\t%d\t2\t0\t' "$seconds"
grep -q "^$expected[0-9]\{4\}-[0-9]\{2\}-[0-9]\{2\}$" "$PROGRAM_DIR/times.txt" ||
    fail "times.txt does not hold the result: $(cat "$PROGRAM_DIR/times.txt")"
echo "1 passed, 0 failed"
