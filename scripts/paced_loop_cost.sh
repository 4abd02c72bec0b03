#!/usr/bin/env bash
# What the paced main loop costs on a real X display: runs the release
# `shooter` under Xvfb in a 640x480 window at 50 FPS, 20 s on the main menu and
# 20 s in a game driven by an input script (--demo), and reports per second of
# play the CPU time of the whole process, of its main thread, of the presents
# alone and of the game's own work (main thread less presents), and the peak
# resident memory. Then times start-up: launch to the first drawn frame.
#
# CPU times come from /proc/PID/stat and /proc/PID/task/PID/stat (utime +
# stime), peak memory from VmHWM in /proc/PID/status. Presents are counted and
# timed by bench/present_probe.cpp, preloaded into the game, which also stamps
# the first presents: the loading line, the loop's first flip (still the
# loading page) and then the first drawn frame.
#
# The game plays from a scratch folder holding links to the run folder's
# pictures and sounds and its own settings.dat and high_scores.dat, so the
# user's files are never read or written.
#
#   scripts/paced_loop_cost.sh
#   KESTREL_PACED_SECONDS=60 scripts/paced_loop_cost.sh
#   SDL_RENDER_DRIVER=software SDL_FRAMEBUFFER_ACCELERATION=0 scripts/paced_loop_cost.sh  # no OpenGL
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
run="$root/build/release/run"
probe="$root/build/release/bench/libkestrel_present_probe.so"
seconds="${KESTREL_PACED_SECONDS:-20}"
startups="${KESTREL_PACED_STARTUPS:-5}"

if [ ! -x "$run/shooter" ] || [ ! -f "$probe" ] || [ ! -f "$run/plik.bmp" ]; then
  cmake --preset release >/dev/null
  cmake --build --preset release -j2
fi

# A display number nobody uses.
display=99
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done

play="$(mktemp -d)"
xvfb_pid=""
game_pid=""
cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$play"
}
trap cleanup EXIT

Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >"$play/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.05; done
export DISPLAY=":$display" SDL_AUDIODRIVER=dummy
unset SDL_VIDEODRIVER

for file in "$run"/*; do ln -s "$file" "$play/"; done
rm -f "$play/settings.dat" "$play/high_scores.dat"
printf '2\r\n0\r\n96\r\n50\r\n1\r\n20\r\n' >"$play/settings.dat"  # 640x480, window, volume 96, 50 FPS, PER PIXEL, 20
cp shooter/data/high_scores.dat "$play/"
echo "# menu: no keys; the title gives way to the main menu after about 5 s" >"$play/menu.txt"

clk_tck="$(getconf CLK_TCK)"
# utime + stime in clock ticks of /proc/PID/stat or /proc/PID/task/TID/stat.
ticks() { sed 's/^.*) //' "$1" | awk '{ print $12 + $13 }'; }
probe_field() { tr ' ' '\n' <"$1" | sed -n "s/^$2=//p" | head -1; }

# Starts the game in the background with the probe; sets game_pid and launch_ns.
launch() {
  local script="$1" probe_file="$2"
  launch_ns="$(date +%s%N)"
  (cd "$play" && KESTREL_PROBE_FILE="$probe_file" LD_PRELOAD="$probe" \
     exec "$run/shooter" --demo "$script" --seed 7 --scale 1 --windowed >"$play/stdout.log" 2>&1) &
  game_pid=$!
}

# Ends the game in order (SDL turns SIGTERM into the window's close button).
finish() {
  kill -TERM "$game_pid" 2>/dev/null || true
  wait "$game_pid" 2>/dev/null || true
  game_pid=""
}

# measure ID LABEL SCRIPT WARMUP: prints one table row.
measure() {
  local name="$2" script="$3" warmup="$4" probe_file="$play/probe.$1"
  launch "$script" "$probe_file"
  sleep "$warmup"
  local p0 m0 n0 c0 t0 p1 m1 n1 c1 t1 hwm renderer
  t0="$(date +%s%N)"
  p0="$(ticks "/proc/$game_pid/stat")"
  m0="$(ticks "/proc/$game_pid/task/$game_pid/stat")"
  n0="$(probe_field "$probe_file" presents)"
  c0="$(probe_field "$probe_file" present_cpu_ns)"
  sleep "$seconds"
  t1="$(date +%s%N)"
  p1="$(ticks "/proc/$game_pid/stat")"
  m1="$(ticks "/proc/$game_pid/task/$game_pid/stat")"
  n1="$(probe_field "$probe_file" presents)"
  c1="$(probe_field "$probe_file" present_cpu_ns)"
  hwm="$(awk '/^VmHWM:/ { print $2 }' "/proc/$game_pid/status")"
  renderer="$(probe_field "$probe_file" renderer)"
  local threads
  threads="$(ls "/proc/$game_pid/task" | wc -l)"
  finish
  awk -v name="$name" -v t0="$t0" -v t1="$t1" -v p0="$p0" -v p1="$p1" -v m0="$m0" -v m1="$m1" \
      -v n0="$n0" -v n1="$n1" -v c0="$c0" -v c1="$c1" -v hz="$clk_tck" -v hwm="$hwm" -v r="$renderer" \
      -v threads="$threads" 'BEGIN {
    wall = (t1 - t0) / 1e9
    proc = (p1 - p0) / hz / wall * 100
    main = (m1 - m0) / hz / wall * 100
    present = (c1 - c0) / 1e9 / wall * 100
    own = main - present; if (own < 0) own = 0
    printf "| %s | %.1f s | %.1f | %.2f%% | %.2f%% | %.2f%% | %.2f%% | %.1f MB | %s | %d |\n",
      name, wall, (n1 - n0) / wall, proc, main, present, own, hwm / 1024, r, threads
  }'
}

echo "### Paced loop under Xvfb: 640x480 window, 50 FPS, ${seconds} s each (CPU as % of one core)"
echo
echo "| run | measured | frames/s | whole process | main thread | presents | game's own work | peak RSS (VmHWM) | renderer | threads |"
echo "|---|---|---|---|---|---|---|---|---|---|"
measure menu "main menu" "$play/menu.txt" 7
measure game "game (--demo bench/timedemo_busy_game.txt)" "$root/bench/timedemo_busy_game.txt" 9

# Start-up: from just before launch to the third present, the first frame the
# main loop draws. Start-up waits 1000 ms only after a failure, so none is
# included here; the exit's 1000 ms wait comes after the measurement.
echo
echo "### Start-up, launch to first drawn frame (${startups} launches)"
echo
echo "| launch | loading line shown | first drawn frame |"
echo "|---|---|---|"
firsts=()
for i in $(seq "$startups"); do
  probe_file="$play/probe.startup$i"
  launch "$play/menu.txt" "$probe_file"
  for _ in $(seq 200); do
    n="$( [ -s "$probe_file" ] && probe_field "$probe_file" presents || echo 0)"
    [ "${n:-0}" -ge 3 ] && break
    sleep 0.02
  done
  stamps="$(probe_field "$probe_file" first_ns)"
  finish
  loading_ms="$(echo "$stamps" | awk -F, -v l="$launch_ns" '{ printf "%.1f", ($1 - l) / 1e6 }')"
  first_ms="$(echo "$stamps" | awk -F, -v l="$launch_ns" '{ printf "%.1f", ($3 - l) / 1e6 }')"
  firsts+=("$first_ms")
  echo "| $i | $loading_ms ms | $first_ms ms |"
done
median="$(printf '%s\n' "${firsts[@]}" | sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }')"
echo
echo "Median launch to first drawn frame: $median ms"
