#!/usr/bin/env bash
# timedemo_runs.sh RUN_DIR COUNT: COUNT timedemo runs of the busy scripted game
# (bench/timedemo_busy_game.txt, seed 7) by RUN_DIR's shooter; prints each
# run's "timedemo:" line. scripts/bench.sh measures with it; the test command
# runs it once so that the script keeps playing.
# The runs play from a scratch folder holding links to the run folder's
# pictures and sounds and fresh data files, so the user's settings.dat and
# high_scores.dat are never read or written.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
run="$(cd "$1" && pwd)"
count="$2"
play="$(mktemp -d)"
trap 'rm -rf "$play"' EXIT
for file in "$run"/*; do ln -s "$file" "$play/"; done
rm -f "$play/settings.dat" "$play/high_scores.dat"
printf '2\r\n0\r\n96\r\n50\r\n1\r\n20\r\n' >"$play/settings.dat"  # 640x480, window, volume 96, 50 FPS, PER PIXEL, 20
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
for _ in $(seq "$count"); do
  cp "$root/shooter/data/high_scores.dat" "$play/"
  line="$(cd "$play" && "$run/shooter" --timedemo "$root/bench/timedemo_busy_game.txt" --seed 7 | grep '^timedemo:')" ||
    { echo "timedemo runs: the busy game did not play to its end" >&2; exit 1; }
  echo "$line"
done
