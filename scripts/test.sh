#!/usr/bin/env bash
# The test command: installs the Debian packages that building and testing
# need, builds the dev preset and runs its tests (with every benchmark run
# once for a moment), then lets CTest run the later stages one after another
# (tests/stages/CMakeLists.txt, `ctest --preset stages`):
#   Stage.AsanBuildAndTests      the same tests under the address and
#                                undefined-behaviour sanitizers, with the soak;
#   Stage.FuzzTargets            every fuzz target for FUZZ_SECONDS (default
#                                30) after replaying its corpus and crash files;
#   Stage.BrowserBuildAndChecks  node replays against the native build, every
#                                page in headless Chromium;
#   Stage.WindowsBuildAndChecks  the Windows build under Wine (goldens, files,
#                                a window, recordings across systems);
#   Stage.ReleaseArtefacts       the release artefacts as a player meets them,
#                                installed into a throwaway folder.
# KESTREL_QUICK_TESTS=1 runs the dev preset's tests only. One stage alone:
#   ctest --preset stages -L fuzz
# Every test and every stage has a time limit (CMakePresets.json: 120 s unless
# the test sets its own); CTest names a test that runs out of time and stops
# everything it started. Nothing is installed on this machine beyond the
# build dependencies.
set -euo pipefail
cd "$(dirname "$0")/.."
started=$SECONDS
jobs="$(nproc)"
echo "== test run on $jobs cores: $(uname -sr), commit $(git rev-parse --short HEAD 2>/dev/null || echo unknown)"

echo "== dependencies"
# The later stages' packages too, so that everything is installed first.
stage_packages=()
if [ "${KESTREL_QUICK_TESTS:-0}" != 1 ]; then
  stage_packages=(emscripten nodejs chromium lintian unzip appstream desktop-file-utils dpkg-dev fakeroot file xz-utils zip)
  command -v npm >/dev/null || stage_packages+=(npm)  # npm may come with the machine's own node
fi
bash scripts/install-deps.sh "${stage_packages[@]}"
echo "== dependencies: $((SECONDS - started)) s"

began=$SECONDS
echo "== dev build and tests"
cmake --preset dev >/dev/null
timeout --kill-after=30 1500 cmake --build --preset dev -j"$jobs"
ctest --preset dev -j"$jobs"
echo "== dev build and tests: $((SECONDS - began)) s ($((SECONDS - started)) s so far)"

if [ "${KESTREL_QUICK_TESTS:-0}" != 1 ]; then
  ctest --preset stages
fi
echo "== all tests passed in $((SECONDS - started)) s"
