#!/usr/bin/env bash
# Plays the game's sound effects into a private PulseAudio null sink and checks what is heard:
# every play whole, a stopped one cut short, and no stream held on the server while the game is
# idle between sounds.
# With --stalled the server is stopped (SIGSTOP) before the probe starts: no command may wait
# for it, so the probe ends in moments, silently, as the game would go on and end.
# Usage: test_effects_heard.sh [--stalled] <sound_probe> <program folder> <step>...
#   A step is <effect>@<ms> (open the effect unless it is open, rewind and play it, then wait) or
#   stop@<ms> (rewind, stopping what plays, then wait). A played step whose wait is shorter than
#   its sound must be heard cut short by the step after it; every other play must be heard whole.
#   A wait of 2000 ms or more is also checked for an idle server halfway through.
# Exits 77 (skipped) only when no PulseAudio server can be started here.
set -euo pipefail

stalled=false
[ "$1" = --stalled ] && { stalled=true; shift; }
probe=$1
folder=$2
shift 2
steps=("$@")
rate=44100
threshold=0.02     # an envelope above this (about -34 dB) is sound
quiet_ms=20        # a burst ends after this much quiet
tolerance_ms=6     # a whole play may differ this much from the file's own length

work=$(mktemp -d /tmp/quiltra-sound.XXXXXX)
server_pid=""
stopped_pid=""
recorder_pid=""
probe_pid=""
cleanup() {
  set +e
  [ -n "$probe_pid" ] && { kill "$probe_pid"; wait "$probe_pid"; } 2>/dev/null
  [ -n "$recorder_pid" ] && { kill "$recorder_pid"; wait "$recorder_pid"; } 2>/dev/null
  [ -n "$stopped_pid" ] && kill -CONT "$stopped_pid" 2>/dev/null
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

file_of() {
  case $1 in
    intro) echo "$folder/Sound/intro.wav" ;;
    move) echo "$folder/Sound/move.wav" ;;
    finish) echo "$folder/Sound/finish.wav" ;;
    tone) echo "$folder/Sound/Temp/tone1.wav" ;;
    *) fail "unknown effect $1" ;;
  esac
}

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

# What is to be heard, one line per play: "whole <ms>" or "cut <ms of the file>".
: > "$work/expected"
for i in "${!steps[@]}"; do
  effect=${steps[$i]%@*}
  wait_ms=${steps[$i]#*@}
  [ "$effect" = stop ] && continue
  length=$(bursts "$(file_of "$effect")")
  [ "$(echo "$length" | wc -l)" -eq 1 ] || fail "$effect should be one burst, got: $length"
  if awk -v l="$length" -v w="$wait_ms" 'BEGIN { exit !(w < l) }'; then
    echo "cut $length" >> "$work/expected"
  else
    echo "whole $length" >> "$work/expected"
  fi
done

# A server of our own: its own home, runtime and state folders, a null sink, and a socket in
# the temporary folder, so that nothing on this machine hears or disturbs the test. The sink
# must not rewind: a rewind rewrites audio the monitor has already handed to the recorder, and
# the recording then loses time and cuts bursts short.
mkdir -p "$work/home" "$work/run" "$work/state"
chmod 700 "$work/run"
socket="$work/pulse.sock"
cat > "$work/server.pa" <<CONF
load-module module-null-sink sink_name=quiltra_probe rate=$rate channels=2 norewinds=1
set-default-sink quiltra_probe
load-module module-native-protocol-unix socket=$socket auth-anonymous=1
CONF
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

if $stalled; then
  # The server itself, the child of `timeout`.
  stopped_pid=$(ps -o pid= --ppid "$server_pid" | tr -d ' ')
  [ -n "$stopped_pid" ] || fail "the server's process was not found"
  kill -STOP "$stopped_pid"
  started=$(date +%s%N)
  QUILTRA_AUDIO=pulse timeout 20 "$probe" "$folder" "${steps[@]}" > "$work/probe.log" 2>&1 ||
    fail "the probe exited with status $? while the server was stopped: $(cat "$work/probe.log")"
  took_ms=$(( ($(date +%s%N) - started) / 1000000 ))
  [ ! -s "$work/probe.log" ] || fail "the probe wrote to the terminal: $(cat "$work/probe.log")"
  [ "$took_ms" -lt 3000 ] || fail "the probe took $took_ms ms while the server was stopped: a command waited for it"
  echo "PASSED: with the server stopped the probe ended after $took_ms ms, silently"
  exit 0
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

QUILTRA_AUDIO=pulse timeout 30 "$probe" "$folder" "${steps[@]}" > "$work/probe.log" 2>&1 &
probe_pid=$!
# The streams the server holds, sampled while the probe runs.
while kill -0 "$probe_pid" 2>/dev/null; do
  pactl list short sink-inputs | wc -l
  sleep 0.2
done > "$work/streams"
wait "$probe_pid" || fail "the probe exited with status $?: $(cat "$work/probe.log")"
probe_pid=""
[ ! -s "$work/probe.log" ] || fail "the probe wrote to the terminal: $(cat "$work/probe.log")"
sleep 0.5
kill -INT "$recorder_pid"; wait "$recorder_pid" 2>/dev/null || true
recorder_pid=""

heard=$(bursts -t raw -r $rate -e signed -b 16 -c 1 "$work/heard.raw")
echo "expected:" $(cat "$work/expected")
echo "heard $(echo "$heard" | grep -c . || true) bursts:" $heard
[ "$(echo "$heard" | grep -c . || true)" -eq "$(wc -l < "$work/expected")" ] ||
  fail "expected $(wc -l < "$work/expected") plays to be heard"
paste -d' ' "$work/expected" <(echo "$heard") | awk -v tol=$tolerance_ms '
  $1 == "whole" { d = $3 - $2; if (d < 0) d = -d; if (d > tol) { printf "play %d lasted %s ms, the file %s ms\n", NR, $3, $2; bad = 1 } }
  $1 == "cut" { if ($3 > $2 - 100) { printf "play %d lasted %s ms of the file'"'"'s %s ms: it was not stopped\n", NR, $3, $2; bad = 1 } }
  END { exit bad }' || fail "a play was not heard as it should be"

# Once a sound has played, the game holds no stream while it is idle: a wait of two seconds
# or more shows the server without the game's stream for at least a second.
if printf '%s\n' "${steps[@]}" | awk -F@ '$2 >= 2000 { found = 1 } END { exit !found }'; then
  idle=$(awk '$1 > 0 { seen = 1 } seen && $1 == 0 { n++ } END { print n + 0 }' "$work/streams")
  [ "$idle" -ge 5 ] || fail "the server held a stream of the game while it was idle (samples: $(tr '\n' ' ' < "$work/streams"))"
fi
echo "PASSED: $(wc -l < "$work/expected") plays heard as played"
