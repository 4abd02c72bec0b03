#!/usr/bin/env bash
# Installs the dependencies, builds and runs every test: the normal build,
# the same tests under the address and undefined-behaviour sanitizers (with
# the 30-minute soak), every fuzz target for FUZZ_SECONDS (default 30) after
# replaying its corpus and past crash files, the browser build (node replays
# against the native build, every page in headless Chromium), and the
# release artefacts as a player meets them (scripts/release_check.sh: it
# installs and removes the kestrel package on this machine).
# KESTREL_QUICK_TESTS=1 runs the normal build's tests only.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
jobs="$(nproc)"
presets=(dev)
[ "${KESTREL_QUICK_TESTS:-0}" = 1 ] || presets+=(asan)
for preset in "${presets[@]}"; do
  echo "== $preset build"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j"$jobs"
  echo "== $preset tests"
  ctest --preset "$preset" -j"$jobs"
done
if [ "${KESTREL_QUICK_TESTS:-0}" != 1 ]; then
  echo "== fuzz targets"
  bash scripts/fuzz.sh
  # The browser build and the release take the generated pictures and sounds
  # from the normal build instead of building the generators again.
  export KESTREL_WEB_NATIVE_BUILD="$PWD/build/dev"
  echo "== browser build"
  bash scripts/web_test.sh
  echo "== release artefacts"
  bash scripts/release_check.sh
fi
echo "== all tests passed"
