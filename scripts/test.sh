#!/usr/bin/env bash
# Installs the dependencies, builds and runs every test: the normal build,
# then the same tests under the address and undefined-behaviour sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
jobs="$(nproc)"
for preset in dev asan; do
  echo "== $preset build"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j"$jobs"
  echo "== $preset tests"
  ctest --preset "$preset" -j"$jobs"
done
echo "== fuzz targets"
bash scripts/fuzz.sh
