#!/usr/bin/env bash
# The real program on a machine without any sound device writes nothing to the terminal: the
# sound server is not there, ALSA fails quietly, and the game is silent. A picture named on the
# command line that cannot be used is the one thing it reports there, naming the file.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1"

# No sound server and an ALSA without any device, whatever this machine has.
unset QUILTRA_AUDIO
export PULSE_SERVER="unix:$E2E_TMP/no-sound-server" XDG_RUNTIME_DIR="$E2E_TMP/run"
mkdir -m 700 "$XDG_RUNTIME_DIR"
: > "$E2E_TMP/alsa.conf"
export ALSA_CONFIG_PATH="$E2E_TMP/alsa.conf"

e2e_start_program
window=$(e2e_window) || fail "no window appeared; log: $(cat "$E2E_TMP/program.log")"
# The intro sound is tried at once and the move sound after the intro.
e2e_wait_title "$window" '^Quiltra - puzzle: ' 200 >/dev/null
sleep 1
[ ! -s "$E2E_TMP/program.log" ] || fail "the terminal was not quiet: $(cat "$E2E_TMP/program.log")"
kill "$PROGRAM_PID"; wait "$PROGRAM_PID" 2>/dev/null || true

missing="$E2E_TMP/pictures/missing.jpg"
e2e_start_program "$missing"
window=$(e2e_window) || fail "no window appeared; log: $(cat "$E2E_TMP/program.log")"
for _ in $(seq 200); do
    [ -s "$E2E_TMP/program.log" ] && break
    sleep 0.1
done
printf 'quiltra: %s: File not found\n' "$missing" > "$E2E_TMP/expected.log"
cmp -s "$E2E_TMP/expected.log" "$E2E_TMP/program.log" ||
    fail "expected only the refused picture on the terminal, saw: $(cat "$E2E_TMP/program.log")"
echo "2 passed, 0 failed"
