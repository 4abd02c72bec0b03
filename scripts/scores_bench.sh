#!/usr/bin/env bash
# Board reads under load, on SQLite and on PostgreSQL: 1,000 board reads a
# second for 20 s from 8 connections while 200 submitted games are verified
# beside them, p99 at most 20 ms. Runs the world checks of the test command
# with that load in place of their small one, on the release build.
#
#   scripts/scores_bench.sh [sqlite|postgres ...]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
cmake --preset release >/dev/null
cmake --build --preset release -j"$(nproc)" --target shooter kestrel-scores scores_load kestrel_assets
stores=("$@")
[[ ${#stores[@]} -gt 0 ]] || stores=(sqlite postgres)
for store in "${stores[@]}"; do
  echo "== $store"
  KESTREL_SCORES_LOAD="--reads 20000 --rate 1000 --connections 8 --submissions 200 --max-p99-ms 20" \
    bash tests/scores/world_checks.sh build/release/run "$store" "$(mktemp -d)/checks" | grep '^scores_load'
done
