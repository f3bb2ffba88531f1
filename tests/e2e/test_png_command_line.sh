#!/usr/bin/env bash
# The real program started with a PNG named on the command line plays it once the intro is over:
# the title shows its name, and nothing is written to the terminal.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1"
export XDG_RUNTIME_DIR="$E2E_TMP/run"
mkdir -m 700 "$XDG_RUNTIME_DIR"

mkdir -p "$E2E_TMP/pictures"
picture="$E2E_TMP/pictures/beach.png"
convert -size 320x240 gradient:'#3080ff-#f0e0a0' "$picture"
[ "$(head -c 8 "$picture" | od -An -tx1 | tr -d ' ')" = 89504e470d0a1a0a ] || fail "not a PNG"

e2e_start_program "$picture"
window=$(e2e_window) || fail "no window appeared; log: $(cat "$E2E_TMP/program.log")"
e2e_wait_title "$window" '^Quiltra - puzzle: beach\.png +Size: [0-9]+x[0-9]+=[0-9]+$' 200 >/dev/null
[ ! -s "$E2E_TMP/program.log" ] || fail "the terminal was not quiet: $(cat "$E2E_TMP/program.log")"
echo "1 passed, 0 failed"
