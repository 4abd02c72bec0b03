#!/usr/bin/env bash
# Installs the dependencies, builds and runs every test: the normal build,
# the same tests under the address and undefined-behaviour sanitizers (with
# the 30-minute soak), every fuzz target for FUZZ_SECONDS (default 30) after
# replaying its corpus and past crash files, the browser build (node replays
# against the native build, every page in headless Chromium), the Windows
# build under Wine (scripts/windows_test.sh), and the release artefacts as a
# player meets them (scripts/release_check.sh: it installs and removes the
# kestrel package on this machine).
# KESTREL_QUICK_TESTS=1 runs the normal build's tests only.
# Every test has a time limit (CMakePresets.json: 120 s unless the test sets
# its own; a test that runs out of time gets one more try, and the log shows
# both), and so has every stage: a hang fails with its name instead of
# holding the run. Each stage prints its wall time.
set -euo pipefail
cd "$(dirname "$0")/.."
started=$SECONDS
jobs="$(nproc)"
echo "== test run on $jobs cores: $(uname -sr), commit $(git rev-parse --short HEAD 2>/dev/null || echo unknown)"

# descendants PID: the process and everything it started, a line each.
descendants() {
  local pids="$1" next="$1" more
  while [ -n "$next" ]; do
    more=""
    for p in $next; do more="$more $( (ps -o pid= --ppid "$p" || true) 2>/dev/null | tr '\n' ' ')"; done
    next="$(echo $more)"
    pids="$pids $next"
  done
  # shellcheck disable=SC2086
  ps -o pid,etime,args -p "$(echo $pids | tr ' ' ',')" 2>/dev/null | cut -c1-200 || true
}

# stage NAME LIMIT_SECONDS COMMAND...: runs one stage within its time limit.
# Shortly before the limit a watcher lists what is still running, so that a
# hang is named in the log even when the stage is killed.
stage_pid=""
# A stage runs in the background (so that the watcher can run beside it),
# where Ctrl+C does not reach it: the interrupt is handed on.
trap '[ -z "$stage_pid" ] || kill -TERM "$stage_pid" 2>/dev/null; exit 130' INT TERM
stage() {
  local name="$1" limit="$2" began=$SECONDS code=0 watcher ended
  shift 2
  echo "== $name"
  ended="$(mktemp -u)"
  timeout --kill-after=30 "$limit" "$@" &
  stage_pid=$!
  (
    sleep $((limit - 15))
    [ -e "$ended" ] && exit 0
    echo "== $name: still running after $((limit - 15)) s; its processes:"
    descendants "$stage_pid"
  ) 2>/dev/null &  # (no "Terminated" when the stage ends first and its sleep is stopped)
  watcher=$!
  wait "$stage_pid" || code=$?
  touch "$ended"
  pkill -P "$watcher" sleep 2>/dev/null || true
  wait "$watcher" 2>/dev/null || true
  rm -f "$ended"
  stage_pid=""
  if [ "$code" = 124 ] || [ "$code" = 137 ]; then
    echo "== $name: did not finish within $limit s"
  fi
  echo "== $name: $((SECONDS - began)) s (exit $code; $((SECONDS - started)) s so far)"
  return "$code"
}

stage "dependencies" 900 bash scripts/install-deps.sh
presets=(dev)
[ "${KESTREL_QUICK_TESTS:-0}" = 1 ] || presets+=(asan)
for preset in "${presets[@]}"; do
  stage "$preset build and tests" 1500 bash -c \
    'cmake --preset "$1" >/dev/null && cmake --build --preset "$1" -j"$2" && ctest --preset "$1" -j"$2"' _ "$preset" "$jobs"
done
if [ "${KESTREL_QUICK_TESTS:-0}" != 1 ]; then
  stage "fuzz targets" 900 bash scripts/fuzz.sh
  # The browser and Windows builds and the release take the generated
  # pictures and sounds from the normal build instead of building the
  # generators again.
  export KESTREL_WEB_NATIVE_BUILD="$PWD/build/dev" KESTREL_WINDOWS_NATIVE_BUILD="$PWD/build/dev"
  stage "browser build and checks" 1200 bash scripts/web_test.sh
  stage "Windows build and checks under Wine" 1500 bash scripts/windows_test.sh
  stage "release artefacts" 1200 bash scripts/release_check.sh
fi
echo "== all tests passed in $((SECONDS - started)) s"
