#!/usr/bin/env bash
# Plays each of the game's sound effects through ALSA into a file of the test's own and checks that
# every play arrived there whole: each file's own samples, once per play, nothing lost or added.
# Usage: test_alsa_capture.sh <sound_probe> <program folder>
set -euo pipefail

probe=$1
folder=$2

work=$(mktemp -d /tmp/quiltra-alsa.XXXXXX)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAILED: $*"; exit 1; }

# ALSA's default device is a file plugin over a null device: it writes the bytes it is handed,
# in the stream's own format, to the capture file; each play opens the device anew and so writes
# a file of its own beside it (captured.raw, captured.raw.0001, ...). No sound server is asked.
cat > "$work/alsa.conf" <<CONF
pcm.!default {
    type file
    slave.pcm { type null }
    file "$work/captured.raw"
    format "raw"
    truncate false
}
CONF
export ALSA_CONFIG_PATH="$work/alsa.conf" PULSE_SERVER="unix:$work/no-sound-server"

# Each effect played once, waiting for it to end; the game's sounds are plain 44-byte-header wave
# files: the samples follow the "data" tag.
steps=() expected="$work/expected.raw"
: > "$expected"
for effect in intro:Sound/intro.wav:1500 move:Sound/move.wav:300 finish:Sound/finish.wav:1500 \
              tone:Sound/Temp/tone1.wav:400; do
  IFS=: read -r name file wait_ms <<< "$effect"
  wave="$folder/$file"
  [ "$(dd if="$wave" bs=1 skip=36 count=4 2>/dev/null)" = data ] || fail "$wave has chunks before its samples"
  tail -c +45 "$wave" >> "$expected"
  steps+=("$name@$wait_ms")
done

QUILTRA_AUDIO=alsa timeout 30 "$probe" "$folder" "${steps[@]}" > "$work/probe.log" 2>&1 \
  || fail "the probe exited with status $?: $(cat "$work/probe.log")"
[ ! -s "$work/probe.log" ] || fail "the probe wrote to the terminal: $(cat "$work/probe.log")"
[ -f "$work/captured.raw" ] || fail "nothing was played into ALSA"
cat "$work"/captured.raw "$work"/captured.raw.[0-9]* > "$work/all.raw" 2>/dev/null || true
cmp "$expected" "$work/all.raw" ||
  fail "captured $(stat -c %s "$work/all.raw") bytes in $(ls "$work"/captured.raw* | wc -l) files, expected the effects' $(stat -c %s "$expected") bytes in turn"
echo "PASSED: ${#steps[@]} effects captured whole through ALSA"
