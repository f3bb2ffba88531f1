#!/usr/bin/env bash
# A program folder that cannot be written (an installed copy): the program still starts, and its
# settings file is written in the player's data folder with entries that point at the pictures of
# the program folder.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1"
mkdir -p "$E2E_TMP/ro"
if ! mount --bind "$PROGRAM_DIR" "$E2E_TMP/ro" 2>/dev/null ||
   ! mount -o remount,ro,bind "$E2E_TMP/ro" 2>/dev/null; then
    umount "$E2E_TMP/ro" 2>/dev/null || true
    echo "SKIPPED: a read-only bind mount is not possible here"
    exit 77
fi
E2E_MOUNT="$E2E_TMP/ro"
PROGRAM_DIR="$E2E_TMP/ro"
touch "$PROGRAM_DIR/probe" 2>/dev/null && fail "the folder is writable"

e2e_start_program
w=$(e2e_window) || fail "no window; log: $(cat "$E2E_TMP/program.log")"
e2e_wait_title "$w" '^Welcome to Quiltra v1\.3$' >/dev/null
settings="$XDG_DATA_HOME/Quiltra/init.txt"
for _ in $(seq 50); do [ -f "$settings" ] && break; sleep 0.1; done
[ -f "$settings" ] || fail "no settings file in the data folder"
[ ! -e "$PROGRAM_DIR/init.txt" ] || fail "a settings file appeared in the read-only folder"
grep -q "^\*,9550,6750,20,20,&H80FF80,&H0080FFFF,12632256,1,1,1,1,1,1,1,$PROGRAM_DIR/Graphics/Astronaut.jpg," "$settings" ||
    fail "unexpected settings: $(head -c 300 "$settings")"
# The first picture from the list is loaded once the intro is over.
e2e_wait_title "$w" '^Quiltra - puzzle: ' >/dev/null
echo "1 passed, 0 failed"
