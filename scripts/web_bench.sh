#!/usr/bin/env bash
# The browser build's figures for docs/performance.md: the shooter page's
# transfer size, the same seeded timedemo on the native and the node build,
# and the Chromium load time, pacing and heap. Runs after either build of the
# pages: the test command's (whose native files come from build/dev) or
# `KESTREL_WEB_NATIVE_TARGETS=shooter scripts/web.sh --build-only` (from
# build/web/native). The native shooter is the one of the run folder the pages
# were built from, so both sides play the same files.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
site="$root/build/web/site"
[ -f "$site/shooter.html" ] && [ -f "$root/build/web/node/shooter.js" ] ||
  { echo "web bench: no browser build; run scripts/web.sh --build-only first" >&2; exit 1; }
run="$(sed -n 's/^KESTREL_NATIVE_RUN_DIR:[A-Z]*=//p' "$root/build/web/CMakeCache.txt")"
[ -x "$run/shooter" ] || { echo "web bench: $run holds no native shooter; build it there" \
  "(KESTREL_WEB_NATIVE_TARGETS=shooter scripts/web.sh --build-only)" >&2; exit 1; }
[ -d "$root/tests/web/node_modules" ] || (cd "$root/tests/web" && npm ci --no-audit --no-fund --loglevel=error)
total=0
for f in shooter.html kestrel_page.js kestrel_page.css shooter.js shooter.wasm shooter.data; do
  size=$(gzip -9c "$site/$f" | wc -c)
  total=$((total + size))
  printf 'size: %-16s %8d bytes, %7d gzip\n' "$f" "$(stat -c %s "$site/$f")" "$size"
done
echo "size: shooter page transfer $total bytes gzip-compressed"

# The golden seeded game (fire held, the boss at once, weaving), 65 s of game time.
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp "$run"/plik.bmp "$run"/anim_data.dat "$run"/*.wav "$root"/shooter/data/*.dat "$work/"
{
  printf '6 down Enter\n6.1 up Enter\n7 down Enter\n7.1 up Enter\n8 down Space\n'
  for t in $(seq 9 0.3 12.3); do printf '%s down KpPlus\n%s up KpPlus\n' "$t" "$(echo "$t + 0.1" | bc)"; done
  for t in $(seq 13 3 37); do printf '%s down Left\n%s.9 up Left\n%s.5 down Right\n%s.9 up Right\n' "$t" "$t" $((t + 1)) $((t + 1)); done
  printf '40 up Space\n65 close\n'
} >"$work/game.txt"
for build in native node; do
  for i in 1 2 3; do
    cp "$root"/shooter/data/*.dat "$work/"
    if [ $build = native ]; then line=$(cd "$work" && "$run/shooter" --timedemo game.txt --seed 5 | grep '^timedemo:')
    else line=$(cd "$work" && node "$root/build/web/node/shooter.js" --timedemo game.txt --seed 5 | grep '^timedemo:'); fi
    echo "timedemo $build run $i: $(echo "$line" | grep -oE 'frames=[0-9]+ game_seconds=[^ ]+ wall_seconds=[^ ]+ fps=[^ ]+')"
  done
done
node "$root/tests/web/measure_page.mjs" "$site"
