#!/usr/bin/env bash
# Plays the move sound through ALSA into a file of the test's own and checks that every play
# arrived there whole: the file's own samples, once per play, nothing lost or added.
# Usage: test_alsa_capture.sh <move_sound_probe> <move.wav>
set -euo pipefail

probe=$1
wave=$2
plays=2
gap_ms=500

work=$(mktemp -d /tmp/quiltra-alsa.XXXXXX)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAILED: $*"; exit 1; }

# ALSA's default device is a file plugin over a null device: it writes the bytes it is handed,
# in the stream's own format, to the capture file. No sound server is asked.
cat > "$work/alsa.conf" <<CONF
pcm.!default {
    type file
    slave.pcm { type null }
    file "$work/captured.raw"
    format "raw"
}
CONF
export ALSA_CONFIG_PATH="$work/alsa.conf" PULSE_SERVER="unix:$work/no-sound-server"

# The game's sounds are plain 44-byte-header wave files: the samples follow the "data" tag.
[ "$(dd if="$wave" bs=1 skip=36 count=4 2>/dev/null)" = data ] || fail "$wave has chunks before its samples"
tail -c +45 "$wave" > "$work/samples.raw"
for _ in $(seq $plays); do cat "$work/samples.raw"; done > "$work/expected.raw"

QUILTRA_AUDIO=alsa timeout 30 "$probe" "$wave" "$plays" "$gap_ms" > "$work/probe.log" 2>&1 \
  || fail "the probe exited with status $?: $(cat "$work/probe.log")"
[ ! -s "$work/probe.log" ] || fail "the probe wrote to the terminal: $(cat "$work/probe.log")"
[ -f "$work/captured.raw" ] || fail "nothing was played into ALSA"
cmp "$work/expected.raw" "$work/captured.raw" ||
  fail "captured $(stat -c %s "$work/captured.raw") bytes, expected the file's $(stat -c %s "$work/samples.raw") bytes $plays times"
echo "PASSED: $plays plays captured whole through ALSA"
