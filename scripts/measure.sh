#!/usr/bin/env bash
# Whole-process measurements of the real program under Xvfb, each beside its reference taken in
# the same run: start-up to the first window and memory (USS, PSS and VmRSS, against a minimal
# Qt window, after the intro and with a 24-megapixel photo in play),
# idle CPU without and with a running game clock, peak memory with a 24-megapixel photo, the
# 24-megapixel photo from command to painted (against djpeg's decode at 1/8, the size shown, and
# at full size, process start included), the 48- and 100-megapixel photos, start-up with a list
# of 100,000 pictures (against one of 22), and arrowing through a folder of 24-megapixel photos
# in the Open Picture window and the Picture List Editor (each key's answer, and the latest
# preview against its own decode), and the Slider solver's figures (bench/solver_figures: 1,000
# random 4 x 4 positions, the 80-slide one, 100 each of 5 x 5 to 20 x 15; about three minutes).
# Usage: scripts/measure.sh [build folder] [runs]
#   build folder: configured with -DQUILTRA_BENCH=ON (default: build-bench beside scripts/);
#   runs: default 5. Takes about a minute and a half a run; run it on an otherwise idle machine.
# Set MEASURE_AUDIO=none to play no sound (QUILTRA_AUDIO=none) instead of into a private PulseAudio server,
# and MEASURE_QUICK=1 to measure start-up, memory and idle CPU only (a few minutes less).
set -euo pipefail
build="$(cd "${1:-$(dirname "$0")/../build-bench}" && pwd)"
cd "$(dirname "$0")/.."
runs="${2:-5}"
bench="$build/bench"
for f in "$build/Quiltra/quiltra" "$bench/minimal_window" "$bench/first_window" "$bench/make_picture" \
         "$bench/take_picture_timing" "$bench/preview_timing"; do
    [ -x "$f" ] || { echo "missing $f: build the benchmarks first (see README)" >&2; exit 1; }
done
for tool in Xvfb xdotool djpeg; do
    command -v $tool >/dev/null || { echo "$tool is missing (scripts/install-deps.sh installs it)" >&2; exit 1; }
done

LOAD_BEFORE=$(cut -d' ' -f1-3 /proc/loadavg)
work=$(mktemp -d /tmp/quiltra-measure.XXXXXX)
pids=()
cleanup() {
    set +e
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
    for p in "${pids[@]}"; do wait "$p" 2>/dev/null; done
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

say() { printf '%s\n' "$*" >&2; }
ms_now() { echo $(( $(date +%s%N) / 1000000 )); }
median() { sort -g | awk '{ v[NR] = $1 } END { if (NR == 0) print "nan"; else if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (a !~ /^[0-9.]+$/ || b !~ /^[0-9.]+$/ || b == 0) print "nan"; else printf "%.2f", a / b }'; }

# ---- The display and the audio server ----
# Starts a private X server; started again by `start` if it is gone (on a shared machine another
# user's clean-up may end it).
# A display number far from the low ones that other X servers and tests on the machine take.
start_display() {
    local n=$(( 300 + RANDOM % 600 ))
    while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1600x1200x24 -nolisten tcp 2>/dev/null &
    XVFB=$!
    pids+=($XVFB)
    for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
    [ -e "/tmp/.X11-unix/X$n" ] || { say "Xvfb did not start"; exit 1; }
    export DISPLAY=":$n"
}
start_display
export QT_QPA_PLATFORM=xcb
export HOME="$work/home" XDG_DATA_HOME="$work/home/.local/share" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

# A private PulseAudio server with a null sink stands for the player's sound server, so the
# program opens a real audio stream, as it does on a desktop.
audio="${MEASURE_AUDIO:-pulse}"
if [ "$audio" = pulse ] && command -v pulseaudio >/dev/null && command -v pactl >/dev/null; then
    export PULSE_RUNTIME_PATH="$work/run" PULSE_STATE_PATH="$work/state" PULSE_SERVER="unix:$work/pulse.sock"
    mkdir -p "$work/state"
    printf 'load-module module-null-sink sink_name=measure\nset-default-sink measure\nload-module module-native-protocol-unix socket=%s auth-anonymous=1\n' \
        "$work/pulse.sock" > "$work/server.pa"
    pulseaudio -n --daemonize=no --exit-idle-time=-1 --system=false --use-pid-file=no --realtime=no \
        --high-priority=no -F "$work/server.pa" 2>"$work/pulse.log" &
    pids+=($!)
    for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
    pactl info >/dev/null 2>&1 && export QUILTRA_AUDIO=pulse || { audio=none; export QUILTRA_AUDIO=none; }
else
    audio=none
    export QUILTRA_AUDIO=none
fi

# ---- Inputs: generated photos and program folders ----
say "generating pictures..."
"$bench/make_picture" "$work/photo-24mp.jpg" 6000 4000
"$bench/make_picture" "$work/photo-48mp.jpg" 8000 6000
"$bench/make_picture" "$work/photo-100mp.jpg" 12000 8400
supplied="$build/Quiltra/Graphics/Dragonfly.jpg"

# A program folder whose list holds the given pictures only.
program_folder() {
    local dir="$work/$1"; shift
    mkdir -p "$dir"
    cp -r "$build/Quiltra/quiltra" "$build/Quiltra/Graphics" "$build/Quiltra/Sound" "$build/Quiltra/intro.bmp" \
        "$build/Quiltra/portable.txt" "$dir/"
    local list=""
    for p in "$@"; do list+="$p,"; done
    printf '*,9550,6750,20,20,&H80FF80,&H0080FFFF,12632256,1,1,1,1,1,1,1,%send\n' "$list" > "$dir/init.txt"
    echo "$dir"
}
dir_supplied=$(program_folder supplied "$supplied")
dir_24=$(program_folder mp24 "$work/photo-24mp.jpg")
dir_48=$(program_folder mp48 "$work/photo-48mp.jpg")

# ---- Process helpers ----
# Starts a program through first_window; sets PID (the program) and MAPPED (ms to its first window).
# A launch that cannot reach the X server is tried again on a new one (counted in RESTARTS).
RESTARTS=0
start() {
    local attempt
    for attempt in 1 2 3; do
        if ! kill -0 "$XVFB" 2>/dev/null || [ ! -e "/tmp/.X11-unix/X${DISPLAY#:}" ] ||
           ! xdpyinfo >/dev/null 2>&1; then
            say "the X server cannot be reached: starting another"
            kill "$XVFB" 2>/dev/null || true
            RESTARTS=$((RESTARTS + 1))
            start_display
        fi
        start_once "$@" && return 0
    done
    return 1
}
start_once() {
    local out="$work/start.$RANDOM"
    : > "$out"
    "$bench/first_window" "$@" >"$out" 2>"$out.err" &
    pids+=($!)
    HELPER=$!
    PID="" MAPPED=""
    for _ in $(seq 300); do
        PID=$(awk '/^pid/ { print $2 }' "$out" || true)
        MAPPED=$(awk '/^mapped/ { print $2 }' "$out" || true)
        [ -n "$MAPPED" ] && return 0
        kill -0 "$HELPER" 2>/dev/null || break
        sleep 0.05
    done
    say "no window from $*: $(cat "$out" "$out.err")"
    return 1
}
# KILL, not TERM: nothing is to be saved here, and older builds caught TERM and never ended by it.
stop() {
    kill -KILL "$PID" 2>/dev/null || true
    wait "$HELPER" 2>/dev/null || true
}
status_kb() { awk -v k="$2:" '$1 == k { print $2 }' "/proc/$1/status"; }
# "USS PSS RSS" in KiB from /proc/PID/smaps_rollup: USS is what the process alone holds
# (Private_Clean + Private_Dirty), PSS adds its share of pages it shares with other processes,
# RSS counts every shared page whole.
memory_kb() {
    awk '$1 == "Rss:" { r = $2 } $1 == "Pss:" { p = $2 }
         $1 == "Private_Clean:" || $1 == "Private_Dirty:" { u += $2 }
         END { print u, p, r }' "/proc/$1/smaps_rollup"
}
# CPU time of every thread of a process, in nanoseconds, and the number of times its threads
# were switched in (wake-ups), as "ns wakeups threads".
cpu_sample() {
    local ns=0 sw=0 n=0 t v nv
    for t in /proc/"$1"/task/*; do
        read -r v _ < "$t/schedstat" || continue
        nv=$(awk '/ctxt_switches/ { s += $2 } END { print s }' "$t/status")
        ns=$((ns + v)); sw=$((sw + nv)); n=$((n + 1))
    done
    echo "$ns $sw $n"
}
# Percent of one core and wake-ups per second over `seconds`; also the thread counts seen.
cpu_over() {
    local pid="$1" seconds="$2" a b
    a=$(cpu_sample "$pid"); sleep "$seconds"; b=$(cpu_sample "$pid")
    awk -v a="$a" -v b="$b" -v s="$seconds" 'BEGIN { split(a, x, " "); split(b, y, " ");
        printf "%.3f %.1f %d/%d\n", (y[1] - x[1]) / (s * 1e7), (y[2] - x[2]) / s, x[3], y[3] }'
}
window_of() { xdotool search --pid "$1" --onlyvisible --name 'Quiltra' 2>/dev/null | head -n1; }
# Waits until the program's title matches a pattern (up to 30 s); prints the title.
wait_title() {
    local pid="$1" pattern="$2" id title=""
    for _ in $(seq 300); do
        id=$(window_of "$pid")
        title=$( [ -n "$id" ] && xdotool getwindowname "$id" 2>/dev/null || true)
        if [[ "$title" =~ $pattern ]]; then echo "$title"; return 0; fi
        sleep 0.1
    done
    say "title never matched /$pattern/: '$title'"
    return 1
}
key() {
    local id; id=$(window_of "$1"); shift
    xdotool windowfocus --sync "$id" 2>/dev/null || xdotool windowfocus "$id"
    xdotool key --delay 100 "$@"
}

# ---- 1. Start-up to the first window (minimal window vs Quiltra, alternately, back to back) ----
startups=$((runs * 3))
say "start-up ($startups launches each, after one warm-up)..."
: > "$work/startup-min"; : > "$work/startup-q"
for run in $(seq 0 "$startups"); do
    if start "$bench/minimal_window"; then [ "$run" -gt 0 ] && echo "$MAPPED" >> "$work/startup-min"; fi
    stop
    if start "$dir_supplied/quiltra"; then [ "$run" -gt 0 ] && echo "$MAPPED" >> "$work/startup-q"; fi
    stop
done

# Memory is read with the minimal window and Quiltra running side by side: a page of a library
# that both touch is shared, whatever else runs on the machine, so each one's USS is what it holds
# beyond the other. Alone, every page of Qt would count as private whenever no other Qt program
# happened to run on the machine, and the figures would follow the neighbours.
start_minimal() { start "$bench/minimal_window" || return 1; MIN_PID=$PID MIN_HELPER=$HELPER; }
stop_minimal() { kill -KILL "$MIN_PID" 2>/dev/null || true; wait "$MIN_HELPER" 2>/dev/null || true; }

# ---- 2. Memory after the intro and idle CPU (minimal window beside Quiltra) ----
say "memory and idle CPU ($runs runs each)..."
: > "$work/mem-min"; : > "$work/mem-q"; : > "$work/hwm-q"; : > "$work/idle-q"; : > "$work/clock-q"
: > "$work/idle-min"; : > "$work/mem-min24"; : > "$work/mem-24"
for run in $(seq 1 "$runs"); do
    start_minimal || continue
    sleep 2
    [ "$run" -le 2 ] && cpu_over "$MIN_PID" 10 >> "$work/idle-min"

    start "$dir_supplied/quiltra" || { stop_minimal; continue; }
    wait_title "$PID" '^Quiltra - puzzle: Dragonfly\.jpg' >/dev/null
    sleep 3
    memory_kb "$PID" >> "$work/mem-q"
    memory_kb "$MIN_PID" >> "$work/mem-min"
    status_kb "$PID" VmHWM >> "$work/hwm-q"
    # Idle after the intro, no game: nothing is due, so nothing should wake.
    cpu_over "$PID" 10 >> "$work/idle-q"
    # A Puzzle game (F5) whose clock runs from a Hint (F2): one display change a second.
    key "$PID" F5 F2
    wait_title "$PID" 'Time: +0:00:0[1-9]' >/dev/null
    sleep 2
    t0=$(xdotool getwindowname "$(window_of "$PID")")
    cpu_over "$PID" 10 >> "$work/clock-q"
    t1=$(xdotool getwindowname "$(window_of "$PID")")
    [ "${t0##*Time:}" != "${t1##*Time:}" ] || say "the game clock did not run: '$t1'"
    stop
    stop_minimal
done

# ---- 3. Memory with a 24-megapixel photo in play, and its peak; the 48-megapixel photo plays ----
say "memory with the 24 MP photo ($runs runs)..."
: > "$work/hwm-24"
for run in $(seq 1 "$runs"); do
    start_minimal || continue
    start "$dir_24/quiltra" || { stop_minimal; continue; }
    wait_title "$PID" '^Quiltra - puzzle: photo-24mp\.jpg' >/dev/null
    sleep 3
    memory_kb "$PID" >> "$work/mem-24"
    memory_kb "$MIN_PID" >> "$work/mem-min24"
    status_kb "$PID" VmHWM >> "$work/hwm-24"
    stop
    stop_minimal
done
say "the 48 MP photo..."
title48="" hwm48="" play48="did not start"
if start "$dir_48/quiltra"; then
    title48=$(wait_title "$PID" '^Quiltra - puzzle: photo-48mp\.jpg' || true)
    hwm48=$(status_kb "$PID" VmHWM)
    key "$PID" F5 F2
    play48=$(wait_title "$PID" 'photo-48mp\.jpg.*Moves: 000.*Time: +0:00:0[1-9]' || echo "did not play")
    stop
fi

# The pixels the game must hold with a picture shown whole: its one copy at the size shown, as the
# harness reports it ("shown <w>x<h>"), 4 bytes a pixel.
held_kb() { echo "$1" | awk '{ for (i = 1; i < NF; i++) if ($i == "shown") { split($(i + 1), d, "x"); printf "%d %s\n", d[1] * d[2] * 4 / 1024, $(i + 1) } }'; }
read -r held_q_kb held_q_size < <(held_kb "$("$bench/take_picture_timing" "$supplied" 1 2>/dev/null)")
read -r held24_kb held24_size < <(held_kb "$("$bench/take_picture_timing" "$work/photo-24mp.jpg" 1 2>/dev/null)")

# MEASURE_QUICK=1 stops here: start-up and memory only.
for f in djpeg djpeg8 taken decode list-22 list-100k arrow-open arrow-editor; do : > "$work/$f"; done
detail24="" line48="" line100="" rss24=""
if [ "${MEASURE_QUICK:-0}" != 1 ]; then

# ---- 4. The 24 MP photo from command to painted, against djpeg at 1/8 and at full size ----
say "24 MP photo from command to painted, and djpeg ($runs rounds)..."
: > "$work/djpeg"; : > "$work/djpeg8"; : > "$work/taken"; : > "$work/decode"
for run in $(seq 1 "$runs"); do
    for _ in 1 2 3; do
        a=$(date +%s%N); djpeg -outfile /dev/null "$work/photo-24mp.jpg"; b=$(date +%s%N)
        awk -v a="$a" -v b="$b" 'BEGIN { printf "%.1f\n", (b - a) / 1e6 }' >> "$work/djpeg"
        a=$(date +%s%N); djpeg -scale 1/8 -outfile /dev/null "$work/photo-24mp.jpg"; b=$(date +%s%N)
        awk -v a="$a" -v b="$b" 'BEGIN { printf "%.1f\n", (b - a) / 1e6 }' >> "$work/djpeg8"
    done
    line=$("$bench/take_picture_timing" "$work/photo-24mp.jpg" 5 2>/dev/null)
    echo "$line" | awk '{ print $2 }' >> "$work/taken"
    echo "$line" | awk '{ print $4 }' >> "$work/decode"
done
detail24=$(echo "$line" | sed 's/.*\(decoded .*\)/\1/')
line48=$("$bench/take_picture_timing" "$work/photo-48mp.jpg" 3 2>/dev/null)
line100=$( { /usr/bin/time -f "maxrss %M" "$bench/take_picture_timing" "$work/photo-100mp.jpg" 3; } 2>&1 | tr '\n' ' ')
rss24=$( { /usr/bin/time -f "%M" "$bench/take_picture_timing" "$work/photo-24mp.jpg" 1 >/dev/null; } 2>&1 | tail -n1)

# ---- 5. Start-up with a list of 100,000 pictures, against one of 22 (alternately) ----
say "start-up with 22 and 100,000 listed pictures ($runs launches each)..."
mapfile -t graphics < <(ls "$build/Quiltra/Graphics"/*.jpg)
list22=(); for i in $(seq 0 21); do list22+=("${graphics[i % ${#graphics[@]}]}"); done
dir_22=$(program_folder list22 "${list22[@]}")
dir_100k="$work/list100k"
mkdir -p "$dir_100k"
cp -r "$dir_22"/. "$dir_100k/"
awk -v n=100000 -v files="$(printf '%s,' "${graphics[@]}")" 'BEGIN {
    k = split(files, f, ",") - 1
    printf "*,9550,6750,20,20,&H80FF80,&H0080FFFF,12632256,1,1,1,1,1,1,1,"
    for (i = 0; i < n; i++) printf "%s,", f[i % k + 1]
    print "end" }' > "$dir_100k/init.txt"
: > "$work/list-22"; : > "$work/list-100k"
for run in $(seq 0 "$runs"); do
    if start "$dir_22/quiltra"; then [ "$run" -gt 0 ] && echo "$MAPPED" >> "$work/list-22"; fi
    stop
    if start "$dir_100k/quiltra"; then [ "$run" -gt 0 ] && echo "$MAPPED" >> "$work/list-100k"; fi
    stop
done

# ---- 6. Arrowing through a folder of 24 MP photos with View checked ----
say "arrowing through 24 MP photos in the Open Picture window and the editor ($runs runs each)..."
mkdir -p "$work/photos"
for i in 1 2 3 4 5 6; do cp "$work/photo-24mp.jpg" "$work/photos/photo-$i.jpg"; done
: > "$work/arrow-open"; : > "$work/arrow-editor"
for run in $(seq 1 "$runs"); do
    for where in open editor; do
        "$bench/preview_timing" "$work/photos" "$where" 5 30 2>/dev/null >> "$work/arrow-$where" \
            || say "preview_timing $where failed"
    done
done

fi

# ---- Report ----
m() { median < "$work/$1"; }
su_min=$(m startup-min); su_q=$(m startup-q)
# Column c of a file of "USS PSS RSS" lines, median.
mc() { awk -v c="$2" '{ print $c }' "$work/$1" | median; }
hwm_q=$(m hwm-q); hwm_24=$(m hwm-24)
uss_min=$(mc mem-min 1); uss_q=$(mc mem-q 1); uss_24=$(mc mem-24 1)
allowance_kb=1536
uss_goal=$(awk -v a="$uss_min" -v b="$held_q_kb" -v c="$allowance_kb" 'BEGIN { printf "%.0f", a + b + c }')
uss_met=$(awk -v q="$uss_q" -v g="$uss_goal" 'BEGIN { if (q <= g) printf "met, %.0f KiB to spare", g - q; else printf "not met, %.0f KiB over", q - g }')
mem_row() {  # label, file, minimal's file
    printf '| %s, USS / PSS / VmRSS (KiB) | %s / %s / %s | minimal Qt window %s / %s / %s | USS %s, PSS %s |\n' "$1" \
        "$(mc "$2" 1)" "$(mc "$2" 2)" "$(mc "$2" 3)" "$(mc "$3" 1)" "$(mc "$3" 2)" "$(mc "$3" 3)" \
        "$(ratio "$(mc "$2" 1)" "$(mc "$3" 1)")" "$(ratio "$(mc "$2" 2)" "$(mc "$3" 2)")"
}
djpeg_ms=$(m djpeg); djpeg8_ms=$(m djpeg8); taken_ms=$(m taken); decode_ms=$(m decode)
list22_ms=$(m list-22); list100k_ms=$(m list-100k)
# Column `c` (1-based, fields: answer <ms> max <ms> latest <ms> decode <ms> ...) of a timing file.
arrow() { awk -v c="$2" '{ print $(2 * c) }' "$work/arrow-$1" | median; }
arrow_row() {
    printf '| %s: each Down key answered (ms, median; worst) | %s; %s | | |\n' "$2" "$(arrow "$1" 1)" "$(arrow "$1" 2)"
    printf '| %s: last key to latest preview shown (ms) | %s | its decode alone %s | %s |\n' "$2" \
        "$(arrow "$1" 3)" "$(arrow "$1" 4)" "$(ratio "$(arrow "$1" 3)" "$(arrow "$1" 4)")"
}
cpu_col() { awk -v c="$2" '{ print $c }' "$work/$1" | median; }
cat <<EOF

Quiltra whole-process measurements — $(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores, audio: $audio
$(grep -m1 'model name' /proc/cpuinfo | sed 's/.*: //'); load before/after: $LOAD_BEFORE / $(cut -d' ' -f1-3 /proc/loadavg)
runs: $runs (medians; start-up: $startups launches each)

| measurement | Quiltra | reference | ratio |
| --- | --- | --- | --- |
| start-up to first window (ms) | $su_q | minimal Qt window $su_min | $(ratio "$su_q" "$su_min") |
$(mem_row "memory after the intro" mem-q mem-min)
$(mem_row "memory with the 24 MP photo in play" mem-24 mem-min24)
| peak memory, supplied picture (KiB) | $hwm_q | | |
| peak memory, 24 MP photo (KiB) | $hwm_24 | supplied picture $hwm_q | +$(( (${hwm_24%.*} - ${hwm_q%.*}) / 1024 )) MiB |
| 24 MP photo, command to painted (ms) | $taken_ms (decode $decode_ms) | djpeg -scale 1/8 $djpeg8_ms | $(ratio "$taken_ms" "$djpeg8_ms") |
| the same against djpeg full size (ms) | $taken_ms | djpeg full size $djpeg_ms | $(ratio "$taken_ms" "$djpeg_ms") |
| start-up with 100,000 listed pictures (ms) | $list100k_ms | 22 listed $list22_ms | +$(awk -v a="$list100k_ms" -v b="$list22_ms" 'BEGIN { printf "%.0f ms", a - b }') |
$(arrow_row open "Open Picture window")
$(arrow_row editor "Picture List Editor")
| idle CPU after the intro, no game (% of a core; wake-ups/s) | $(cpu_col idle-q 1); $(cpu_col idle-q 2) | minimal Qt window $(cpu_col idle-min 1); $(cpu_col idle-min 2) | |
| idle CPU, game clock running (% of a core; wake-ups/s) | $(cpu_col clock-q 1); $(cpu_col clock-q 2) | | |

USS after the intro: Quiltra $uss_q KiB against minimal window $uss_min + pictures held $held_q_kb ($held_q_size x 4 bytes) + allowance $allowance_kb = $uss_goal KiB: $uss_met
USS with the 24 MP photo: $uss_24 KiB, of which the picture shown is $held24_kb KiB ($held24_size x 4 bytes)
24 MP: $detail24
48 MP at start-up: ${title48:-no title}; peak $hwm48 KiB; after F5 F2: $play48
48 MP chosen from the menu: $line48
100 MP chosen from the menu: $line100
harness peak memory with the 24 MP photo: $rss24 KiB
X server restarts: $RESTARTS
threads seen (idle / clock): $(awk '{ print $3 }' "$work/idle-q" | sort -u | tr '\n' ' ')/ $(awk '{ print $3 }' "$work/clock-q" | sort -u | tr '\n' ' ')
EOF
for f in startup-min startup-q hwm-q hwm-24 djpeg djpeg8 taken decode idle-q clock-q idle-min \
         list-22 list-100k; do
    printf '%s: %s\n' "$f" "$(tr '\n' ' ' < "$work/$f")"
done
for f in mem-min mem-q mem-min24 mem-24; do printf '%s (USS PSS RSS): %s\n' "$f" "$(tr '\n' ';' < "$work/$f")"; done
for where in open editor; do printf 'arrow-%s: %s\n' "$where" "$(tr '\n' ';' < "$work/arrow-$where")"; done

# ---- The Slider solver (no display needed): its own program prints every figure ----
if [ -x "$bench/solver_figures" ]; then
    say "Slider solver figures (1,000 random 4 x 4 positions and more)"
    printf 'load average before: %s\n' "$(cut -d' ' -f1-3 /proc/loadavg)"
    "$bench/solver_figures" 1000
    printf 'load average after: %s\n' "$(cut -d' ' -f1-3 /proc/loadavg)"
fi
