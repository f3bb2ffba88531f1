#!/usr/bin/env bash
# Takes screenshots of Quiltra's windows under Xvfb into docs/screenshots/.
# Usage: scripts/screenshots.sh [build-folder]   (default: build-tests)
set -euo pipefail
cd "$(dirname "$0")/.."
built="${1:-build-tests}/Quiltra"
[ -x "$built/quiltra" ] || { echo "build the program first (scripts/test.sh)" >&2; exit 1; }
out="$PWD/docs/screenshots"
mkdir -p "$out"
source tests/e2e/lib.sh
e2e_setup "$built"
e2e_start_program
window=$(e2e_window) || fail "no window"
# The intro takes about 4 s to assemble and 4 s more before the first picture is loaded.
e2e_wait_title "$window" '^Quiltra - ' 200 >/dev/null
sleep 0.5
import -window "$window" "$out/game-window.png"
e2e_key "$window" F5
sleep 0.5
import -window "$window" "$out/puzzle-game.png"
echo "screenshots written to $out"
