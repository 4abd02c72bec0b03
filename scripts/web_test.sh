#!/usr/bin/env bash
# The browser build's checks, for CI:
#  1. builds the pages and the node replay build (scripts/web.sh --build-only),
#     plus the native shooter;
#  2. replays the golden shooter scripts (a menu walk, a seeded game with the
#     boss) on the native and on the node build: both must give the committed
#     summaries, pictures and files, so they are identical to each other;
#  3. drives every page in Debian's headless Chromium (tests/web), and the
#     shooter page and the board against a world score server on loopback.
# Needs Debian's chromium (installed when missing) and npm for puppeteer-core.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
started=$(date +%s)
KESTREL_WEB_NATIVE_TARGETS='shooter kestrel-scores' bash scripts/web.sh --build-only
# npm may come with the machine's own node package rather than Debian's npm.
if command -v npm >/dev/null; then bash scripts/install-deps.sh chromium; else bash scripts/install-deps.sh chromium npm; fi
built=$(date +%s)

run="$(cd "${KESTREL_WEB_NATIVE_BUILD:-$root/build/web/native}" && pwd)/run"
echo "== node replays against the native build"
KESTREL_GOLDEN_ONLY=shooter bash tests/goldens/golden_checks.sh "$run"
KESTREL_GOLDEN_ONLY=shooter KESTREL_GOLDEN_SHOOTER="node $root/build/web/node/shooter.js" \
  bash tests/goldens/golden_checks.sh "$run"

echo "== Chromium"
(cd tests/web && npm ci --no-audit --no-fund --loglevel=error)
KESTREL_NATIVE_RUN="$run" node tests/web/chromium_checks.mjs "$root/build/web/site"
echo "== World scores in Chromium"
KESTREL_SCORES_BIN="$run/kestrel-scores" KESTREL_NATIVE_RUN="$run" KESTREL_SCORES_REQUIRED=1 \
  node tests/web/world_scores_checks.mjs "$root/build/web/site"
echo "web tests: passed (build $((built - started)) s, checks $(($(date +%s) - built)) s)"
