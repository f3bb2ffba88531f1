#!/usr/bin/env bash
# Plays the move sound into a private PulseAudio null sink and checks that each play is heard whole.
# Usage: test_move_sound_whole.sh <move_sound_probe> <move.wav> [plays] [milliseconds between plays]
# (ten plays 300 ms apart by default).
# Exits 77 (skipped) only when no PulseAudio server can be started here.
set -euo pipefail

probe=$1
wave=$2
plays=${3:-10}
gap_ms=${4:-300}
rate=44100
threshold=0.02     # an envelope above this (about -34 dB) is sound
quiet_ms=20        # a burst ends after this much quiet
tolerance_ms=6     # each burst may differ this much from the file's own length

work=$(mktemp -d /tmp/quiltra-sound.XXXXXX)
server_pid=""
recorder_pid=""
cleanup() {
  set +e
  [ -n "$recorder_pid" ] && { kill "$recorder_pid"; wait "$recorder_pid"; } 2>/dev/null
  [ -n "$server_pid" ] && { kill "$server_pid"; wait "$server_pid"; } 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

skip() { echo "SKIPPED: $*"; exit 77; }
fail() { echo "FAILED: $*"; exit 1; }

command -v pulseaudio >/dev/null || skip "pulseaudio is not installed, so there is no server to play into"
for tool in pactl parec sox; do
  command -v $tool >/dev/null || fail "$tool is missing (scripts/install-deps.sh installs it)"
done

# A server of our own: its own home, runtime and state folders, a null sink, and a socket in
# the temporary folder, so that nothing on this machine hears or disturbs the test. The sink
# must not rewind: a rewind rewrites audio the monitor has already handed to the recorder, and
# the recording then loses time and cuts bursts short.
mkdir -p "$work/home" "$work/run" "$work/state"
chmod 700 "$work/run"
socket="$work/pulse.sock"
cat > "$work/server.pa" <<EOF
load-module module-null-sink sink_name=quiltra_probe rate=$rate channels=2 norewinds=1
set-default-sink quiltra_probe
load-module module-native-protocol-unix socket=$socket auth-anonymous=1
EOF
export HOME="$work/home" XDG_RUNTIME_DIR="$work/run" PULSE_RUNTIME_PATH="$work/run" \
       PULSE_STATE_PATH="$work/state" PULSE_SERVER="unix:$socket"
unset DISPLAY DBUS_SESSION_BUS_ADDRESS
# The server and the recorder end by themselves after a while even if this script is killed
# outright and cannot clean up.
timeout 55 pulseaudio -n --daemonize=no --exit-idle-time=-1 --system=false --use-pid-file=no \
  --realtime=no --high-priority=no --log-target=stderr -F "$work/server.pa" \
  2> "$work/server.log" &
server_pid=$!
for _ in $(seq 1 50); do
  pactl info >/dev/null 2>&1 && break
  kill -0 "$server_pid" 2>/dev/null || break
  sleep 0.1
done
if ! pactl info >/dev/null 2>&1; then
  cat "$work/server.log"
  skip "PulseAudio could not be started here"
fi

# Record the sink's monitor, mono, from before the first play to after the last. A short
# recording latency keeps the sink rendering in small blocks, in step with the clock.
timeout 50 parec --latency-msec=10 --device=quiltra_probe.monitor --format=s16le --rate=$rate --channels=1 --raw \
  > "$work/heard.raw" 2> "$work/recorder.log" &
recorder_pid=$!
for _ in $(seq 1 50); do
  [ "$(pactl list short source-outputs | wc -l)" -ge 1 ] && break
  sleep 0.1
done
[ "$(pactl list short source-outputs | wc -l)" -ge 1 ] || { cat "$work/recorder.log"; fail "the recorder did not connect"; }
sleep 0.3

QUILTRA_AUDIO=pulse timeout 30 "$probe" "$wave" "$plays" "$gap_ms" \
  || fail "the probe exited with status $?"
sleep 0.5
kill -INT "$recorder_pid"; wait "$recorder_pid" 2>/dev/null || true
recorder_pid=""

# Bursts of sound: each starts at the first sample above the threshold and ends at the last
# one before at least quiet_ms of quiet. Prints one length in milliseconds per burst.
bursts() {
  sox "$@" -t dat -r $rate -c 1 - 2>/dev/null | awk -v thr=$threshold -v rate=$rate -v quiet_ms=$quiet_ms '
    /^;/ { next }
    {
      n++
      a = $2 < 0 ? -$2 : $2
      if (a > thr) {
        if (!on) { on = 1; first = n }
        last = n
      } else if (on && (n - last) * 1000 / rate > quiet_ms) {
        printf "%.1f\n", (last - first + 1) * 1000 / rate
        on = 0
      }
    }
    END { if (on) printf "%.1f\n", (last - first + 1) * 1000 / rate }'
}

expected=$(bursts "$wave")
[ "$(echo "$expected" | wc -l)" -eq 1 ] || fail "the file itself should be one burst, got: $expected"
heard=$(bursts -t raw -r $rate -e signed -b 16 -c 1 "$work/heard.raw")
count=$(echo "$heard" | grep -c . || true)
echo "file: $expected ms; heard $count bursts:" $heard

[ "$count" -eq "$plays" ] || fail "expected $plays plays to be heard, heard $count"
echo "$heard" | awk -v want="$expected" -v tol=$tolerance_ms '
  { d = $1 - want; if (d < 0) d = -d; if (d > tol) { printf "play %d lasted %s ms, the file %s ms\n", NR, $1, want; bad = 1 } }
  END { exit bad }' || fail "a play was not heard whole"
echo "PASSED: $plays plays, each $expected ms within $tolerance_ms ms"
