#!/usr/bin/env bash
# The real program in a fresh program folder without "init.txt": it writes the default settings
# file byte for byte and shows its window titled "Welcome to Quiltra v1.3".
source "$(dirname "$0")/lib.sh"
e2e_setup "$1"
e2e_start_program

window=$(e2e_window) || fail "no window appeared; log: $(cat "$E2E_TMP/program.log")"
e2e_wait_title "$window" '^Welcome to Quiltra v1\.3$' >/dev/null

expected="*,9550,6750,20,20,&H80FF80,&H0080FFFF,12632256,1,1,1,1,1,1,1,"
while IFS= read -r name; do
    expected+="$PROGRAM_DIR/Graphics/$name,"
done < <(cd "$PROGRAM_DIR/Graphics" && ls -1 | grep -i '\.jpg$' | LC_ALL=C sort)
expected+="end"
printf '%s\n' "$expected" > "$E2E_TMP/expected.txt"
cmp "$E2E_TMP/expected.txt" "$PROGRAM_DIR/init.txt" || fail "init.txt differs from the default file"
[ "$(grep -o ',' "$PROGRAM_DIR/init.txt" | wc -l)" -eq 35 ] || fail "expected 20 picture entries"

# Once the intro is over, the title is the short status caption of a picture from the list.
title=$(e2e_wait_title "$window" '^Quiltra - puzzle: .+  Size: [0-9]+x[0-9]+=[0-9]+$' 200)
name=${title#Quiltra - puzzle: }
name=${name%%  Size: *}
found=0
while IFS= read -r file; do
    short="$file"
    [ ${#file} -gt 16 ] && short="${file:0:14}.."
    [ "$short" = "$name" ] && found=1
done < <(ls -1 "$PROGRAM_DIR/Graphics")
[ "$found" -eq 1 ] || fail "'$name' is not a picture of the list"

# Only the game window is shown.
visible=$(xdotool search --pid "$PROGRAM_PID" --onlyvisible --name '.' 2>/dev/null | wc -l)
[ "$visible" -eq 1 ] || fail "expected one visible window, saw $visible"
echo "1 passed, 0 failed"
