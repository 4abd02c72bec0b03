#!/usr/bin/env bash
# Builds Kestrel's browser pages and serves them on http://127.0.0.1:8000/
# (loopback only; Ctrl+C stops).
#   scripts/web.sh               install what is missing, build, serve
#   scripts/web.sh --build-only  install what is missing and build
# The pictures and sounds are made by the native generators first (in
# build/web/native) and packaged into the pages; the site is build/web/site,
# the node replay build build/web/node/shooter.js.
# KESTREL_WEB_NATIVE_TARGETS adds native targets to build beside the
# generators (scripts/web_test.sh adds shooter for its comparisons).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
build_only=0
case "${1:-}" in
  --build-only) build_only=1 ;;
  "") ;;
  *) echo "usage: scripts/web.sh [--build-only]" >&2; exit 2 ;;
esac

# The native generators need the desktop build's packages; the pages need
# Debian's emscripten and node.
bash scripts/install-deps.sh emscripten nodejs
# em++ runs its JavaScript tools with the node on PATH; one that is not
# Debian's still finds Debian's acorn there.
[ -d /usr/share/nodejs ] && export NODE_PATH="/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}"

jobs="${KESTREL_JOBS:-2}"
# KESTREL_WEB_NATIVE_BUILD names a native build folder that is built already
# (the test command passes build/dev): its run folder gives the files.
if [ -n "${KESTREL_WEB_NATIVE_BUILD:-}" ]; then
  native="$(cd "$KESTREL_WEB_NATIVE_BUILD" && pwd)"
  [ -f "$native/run/plik.bmp" ] || { echo "web: $native/run holds no generated files" >&2; exit 1; }
else
  native="$root/build/web/native"
  cmake -S "$root" -B "$native" -DCMAKE_BUILD_TYPE=Release -DKESTREL_BUILD_TESTS=OFF \
    -DKESTREL_WITH_BENCH=OFF -DKESTREL_WITH_FUZZ=OFF >/dev/null
  # shellcheck disable=SC2086
  cmake --build "$native" -j"$jobs" --target kestrel_assets kestrel_demo_files ${KESTREL_WEB_NATIVE_TARGETS:-}
fi

cmake --preset web -DKESTREL_NATIVE_RUN_DIR="$native/run" >/dev/null
cmake --build --preset web -j"$jobs"
echo "web build: site in build/web/site, node replays in build/web/node/shooter.js"

[ "$build_only" = 1 ] && exit 0
exec node "$root/tests/web/static_server.mjs" "$root/build/web/site" 8000
