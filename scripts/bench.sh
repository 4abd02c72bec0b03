#!/usr/bin/env bash
# Builds the release preset and runs the whole benchmark suite: blits in every
# mode against SDL_BlitSurface and memcpy, the whole-frame compose, the playing
# frame and the collision pass with full pools, the start-up mask build,
# present on SDL's dummy video driver, the sound-channel walks, and timedemo
# throughput runs of a busy scripted game. Prints one table of medians and
# ratios (bench/bench_table.py); the raw results stay in build/release/bench-results.
#
#   scripts/bench.sh                 # 5 repetitions of every benchmark
#   KESTREL_BENCH_REPETITIONS=9 scripts/bench.sh
#   KESTREL_BENCH_NO_BUILD=1 scripts/bench.sh   # reuse the last release build
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
repetitions="${KESTREL_BENCH_REPETITIONS:-5}"
min_time="${KESTREL_BENCH_MIN_TIME:-0.2}"
timedemo_runs="${KESTREL_BENCH_TIMEDEMO_RUNS:-3}"

if [ "${KESTREL_BENCH_NO_BUILD:-0}" != 1 ]; then
  # Build output goes to stderr: standard output is the table alone.
  cmake --preset release >&2
  cmake --build --preset release -j2 >&2
fi

run="$root/build/release/run"
results="$root/build/release/bench-results"
rm -rf "$results"
mkdir -p "$results"
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy

# Repetitions are interleaved at random, so a burst of load from elsewhere on
# the machine lands on every benchmark alike instead of on one of a pair.
for program in blit_bench game_frame_bench present_bench testbench_sound_bench verify_bench; do
  echo "== $program" >&2
  (cd "$results" && "$run/$program" --benchmark_repetitions="$repetitions" --benchmark_min_time="$min_time" \
     --benchmark_enable_random_interleaving=true --benchmark_report_aggregates_only=true \
     --benchmark_out="$results/$program.json" --benchmark_out_format=json >"$results/$program.txt")
done

echo "== shooter --timedemo bench/timedemo_busy_game.txt (x$timedemo_runs)" >&2
bash bench/timedemo_runs.sh "$run" "$timedemo_runs" >>"$results/timedemo.txt"

python3 bench/bench_table.py "$results"
