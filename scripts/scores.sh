#!/usr/bin/env bash
# Builds the world score server and the browser pages, then serves the board
# and the game together on http://127.0.0.1:8080/ (loopback only; Ctrl+C
# stops).
#   scripts/scores.sh [DB]   DB: a SQLite file or a postgresql:// address;
#                            default $XDG_DATA_HOME/kestrel/scores.sqlite
#                            (~/.local/share/kestrel/scores.sqlite)
# KESTREL_SCORES_LISTEN=HOST:PORT listens elsewhere; KESTREL_JOBS sets the
# build's parallel jobs.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
case "${1:-}" in
  -h|--help) sed -n '2,9p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
esac

bash scripts/install-deps.sh
jobs="${KESTREL_JOBS:-2}"
# The server, and the game's pictures and data that its verifier replays
# with (the dev build's run folder).
cmake --preset dev >/dev/null
cmake --build --preset dev -j"$jobs" --target kestrel-scores kestrel_assets kestrel_demo_files
# The browser pages, made from the same run folder's generated files.
KESTREL_WEB_NATIVE_BUILD="$root/build/dev" bash scripts/web.sh --build-only

data_home="${XDG_DATA_HOME:-}"
case "$data_home" in /*) ;; *) data_home="$HOME/.local/share" ;; esac
db="${1:-$data_home/kestrel/scores.sqlite}"
case "$db" in
  postgresql://*|postgres://*) ;;
  *) mkdir -p "$(dirname "$db")" ;;
esac

exec "$root/build/dev/run/kestrel-scores" --db "$db" \
  --listen "${KESTREL_SCORES_LISTEN:-127.0.0.1:8080}" \
  --site "$root/build/web/site" --assets "$root/build/dev/run"
