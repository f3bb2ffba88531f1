#!/usr/bin/env bash
# A picture whose name is not UTF-8 (Latin-1 "Lat\xe9n1.jpg"), named on the command line, is played;
# one in Graphics/ enters the default "init.txt" with its bytes unchanged.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1"
picture="$E2E_TMP/Lat"$'\xe9'"n1.jpg"
cp "$PROGRAM_DIR/Graphics/Fig.jpg" "$picture"
cp "$PROGRAM_DIR/Graphics/Cat.jpg" "$PROGRAM_DIR/Graphics/Dr"$'\xfc'"ck.jpg"
e2e_start_program "$picture"

window=$(e2e_window) || fail "no window appeared; log: $(cat "$E2E_TMP/program.log")"
grep -q ",$PROGRAM_DIR/Graphics/Dr"$'\xfc'"ck.jpg," "$PROGRAM_DIR/init.txt" ||
    fail "init.txt does not hold the Latin-1 name's bytes"
# The title shows the undecodable byte as a replacement character.
e2e_wait_title "$window" '^Quiltra - puzzle: Lat'$'\xef\xbf\xbd''n1\.jpg ' 200 >/dev/null
echo "1 passed, 0 failed"
