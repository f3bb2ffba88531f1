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
# The Open Picture window with the first file previewed, and the Picture List Editor.
e2e_key "$window" F9
sleep 1
open=$(xdotool search --pid "$PROGRAM_PID" --onlyvisible --name '^Quiltra - Open Picture$' | head -n1)
xdotool mousemove --window "$open" 260 64 click 1
sleep 0.5
import -window "$open" "$out/open-picture.png"
xdotool mousemove --window "$open" 229 396 click 1
sleep 0.5
e2e_key "$window" alt+p
sleep 0.3
xdotool key e
sleep 1
editor=$(xdotool search --pid "$PROGRAM_PID" --onlyvisible --name '^Quiltra - Picture List Editor$' | head -n1)
xdotool mousemove --window "$editor" 420 68 click 1
sleep 0.5
import -window "$editor" "$out/picture-list-editor.png"
xdotool mousemove --window "$editor" 504 392 click 1
sleep 0.3
# The Picture Viewer fitted to the window with its Zoom panel, the Help window and the About
# window. A window is taken from the screen by its place, which also works while it is moving up.
shoot() {
    local id="$1" file="$2" geometry
    geometry=$(xdotool getwindowgeometry "$id" | awk '/Position/ {split($2, p, ","); x=p[1]; y=p[2]}
        /Geometry/ {print $2 "+" x "+" y}')
    import -window root -crop "$geometry" +repage "$file"
}
e2e_key "$window" alt+v
sleep 0.3
xdotool key v
sleep 1
viewer=$(xdotool search --all --pid "$PROGRAM_PID" --onlyvisible --name '^Quiltra - Picture Viewer' | head -n1)
e2e_key "$viewer" F6 F7
sleep 0.5
shoot "$viewer" "$out/picture-viewer.png"
e2e_key "$viewer" alt+x
sleep 0.5
e2e_key "$window" F1
sleep 1
help=$(xdotool search --all --pid "$PROGRAM_PID" --onlyvisible --name '^Quiltra -  Help$' | head -n1)
shoot "$help" "$out/help-window.png"
xdotool mousemove --window "$help" 15 10
sleep 0.3
xdotool click 1
sleep 0.5
e2e_key "$window" alt+h
sleep 0.3
xdotool key a
sleep 1
about=$(xdotool search --all --pid "$PROGRAM_PID" --onlyvisible --name '^About Quiltra$' | head -n1)
shoot "$about" "$out/about-window.png"
xdotool mousemove --window "$about" 136 236
sleep 0.3
xdotool click 1
sleep 0.3
# The game window on a high-density screen (device pixel ratio 2): pieces drawn sharp.
kill "$PROGRAM_PID" 2>/dev/null || true
QT_SCALE_FACTOR=2 e2e_start_program
window=$(e2e_window) || fail "no window at scale 2"
e2e_wait_title "$window" '^Quiltra - ' 200 >/dev/null
e2e_key "$window" F5
sleep 0.5
shoot "$window" "$out/puzzle-game-scale2.png"
echo "screenshots written to $out"
