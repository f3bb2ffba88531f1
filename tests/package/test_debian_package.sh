#!/usr/bin/env bash
# Builds the Debian package, checks its dependencies and desktop files, unpacks it and starts the
# unpacked program under Xvfb with a fresh home: it shows its window and keeps its settings in the
# player's data folder. Also checks the command line's --version and unknown options.
# Usage: test_debian_package.sh BUILD_DIR
source "$(dirname "$0")/../e2e/lib.sh"
build="$1"
E2E_TMP=$(mktemp -d /tmp/quiltra-deb-XXXXXX)

(cd "$build" && cpack -G DEB -B "$E2E_TMP/pkg" >"$E2E_TMP/cpack.log" 2>&1) || fail "cpack failed: $(tail -20 "$E2E_TMP/cpack.log")"
deb=$(ls "$E2E_TMP"/pkg/quiltra_*.deb) || fail "no package was built"

depends=$(dpkg-deb --field "$deb" Depends)
for needed in libqt6widgets6 libqt6gui6 libcanberra0 libasound2 qt6-qpa-plugins qt6-image-formats-plugins libc6; do
    [[ "$depends" == *"$needed"* ]] || fail "Depends lacks $needed: $depends"
done
[[ "$(dpkg-deb --field "$deb" Recommends)" == *libcanberra-pulse* ]] ||
    fail "Recommends lacks libcanberra-pulse: $(dpkg-deb --field "$deb" Recommends)"
[ "$(dpkg-deb --field "$deb" Package)" = quiltra ] || fail "wrong package name"

root="$E2E_TMP/root"
dpkg -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/org.quiltra.Quiltra.desktop" || fail "desktop file"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.quiltra.Quiltra.metainfo.xml" >/dev/null ||
    fail "metainfo: $(appstreamcli validate --no-net "$root/usr/share/metainfo/org.quiltra.Quiltra.metainfo.xml")"
for size in 48x48 64x64 128x128 256x256; do
    [ -f "$root/usr/share/icons/hicolor/$size/apps/org.quiltra.Quiltra.png" ] || fail "no $size icon"
done
[ -f "$root/usr/share/icons/hicolor/scalable/apps/org.quiltra.Quiltra.svg" ] || fail "no scalable icon"
for language in de fr es; do
    [ -s "$root/usr/lib/quiltra/translations/quiltra_$language.qm" ] || fail "no $language translation"
    grep -q "^Comment\[$language\]=" "$root/usr/share/applications/org.quiltra.Quiltra.desktop" ||
        fail "the desktop entry has no $language comment"
    grep -q "<summary xml:lang=\"$language\">" "$root/usr/share/metainfo/org.quiltra.Quiltra.metainfo.xml" ||
        fail "the metainfo has no $language summary"
done

launcher="$root/usr/bin/quiltra"
[ "$("$launcher" --version)" = "Quiltra 1.3" ] || fail "--version"
set +e
"$launcher" --no-such-option 2>"$E2E_TMP/err"
status=$?
set -e
[ "$status" -eq 2 ] || fail "an unknown option exited with $status"
grep -q "unknown option '--no-such-option'" "$E2E_TMP/err" || fail "no message for an unknown option"

export HOME="$E2E_TMP/home" QUILTRA_AUDIO=none QT_QPA_PLATFORM=xcb
unset XDG_DATA_HOME
mkdir -p "$HOME"
e2e_start_x
(cd / && exec "$launcher") >"$E2E_TMP/program.log" 2>&1 &
PROGRAM_PID=$!
E2E_PIDS+=($PROGRAM_PID)
w=$(e2e_window) || fail "no window; log: $(cat "$E2E_TMP/program.log")"
e2e_wait_title "$w" '^Welcome to Quiltra v1\.3$' >/dev/null
settings="$HOME/.local/share/Quiltra/init.txt"
for _ in $(seq 50); do [ -f "$settings" ] && break; sleep 0.1; done
[ -f "$settings" ] || fail "no settings in the data folder"
[ ! -e "$root/usr/lib/quiltra/init.txt" ] || fail "settings were written into the installed folder"
grep -q ",$root/usr/lib/quiltra/Graphics/Astronaut.jpg," "$settings" || fail "entries do not point at the installed pictures"
e2e_wait_title "$w" '^Quiltra - puzzle: ' >/dev/null
echo "1 passed, 0 failed"
