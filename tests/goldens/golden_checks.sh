#!/usr/bin/env bash
# Golden replays: scripted timedemo runs of all five programs whose results
# are compared, byte for byte, with the figures committed in expected.txt:
#  - shooter: a walk through every screen of the menus, and a seeded game with
#    fire, moves, keypad plus, the boss and a name entry;
#  - each demo program's scene.
# Each run contributes its summary line (without the wall-clock figures), the
# SHA-256 of every --shot picture and of the data files it leaves behind.
# Usage: golden_checks.sh RUN_DIR [--refresh]
#   --refresh writes expected.txt anew instead of comparing (see README.md).
# For other builds of shooter (the node build of the browser pages):
#   KESTREL_GOLDEN_SHOOTER="node .../shooter.js" runs that instead of RUN_DIR/shooter;
#   KESTREL_GOLDEN_ONLY=shooter runs and compares the shooter replays only.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
run="$(cd "$1" && pwd)"
refresh="${2:-}"
read -r -a shooter_cmd <<<"${KESTREL_GOLDEN_SHOOTER:-$run/shooter}"
only="${KESTREL_GOLDEN_ONLY:-}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy

summary() { grep '^timedemo:' | sed -E 's/ wall_seconds=[^ ]+ fps=[^ ]+//'; }
# shellcheck source=../support/key_scripts.sh
source "$(dirname "${BASH_SOURCE[0]}")/../support/key_scripts.sh"
hashes() { # NAME FILES...: one "NAME FILE SHA" line per file
  local name="$1"; shift
  for f in "$@"; do
    [ -f "$f" ] || { echo "golden checks: $name left no $(basename "$f")" >&2; exit 1; }
    printf '%s %s %s\n' "$name" "$(basename "$f")" "$(sha256sum <"$f" | cut -c1-64)"; done
}
# A fresh play folder: the generated files, fixed settings and a fixed table.
fresh() {
  rm -rf "$work/play" && mkdir -p "$work/play"
  cp "$run"/plik.bmp "$run"/anim_data.dat "$run"/*.wav "$work/play/"
  printf '2\r\n0\r\n96\r\n50\r\n1\r\n20\r\n' >"$work/play/settings.dat"
  : >"$work/play/high_scores.dat"
  for i in 1 2 3 4 5 6 7 8 9 10; do printf 'PILOT%d\r\n%d\r\n' "$i" $((12 - i)) >>"$work/play/high_scores.dat"; done
}
# shooter_run NAME SEED SCRIPT SHOT_TIMES...
shooter_run() {
  local name="$1" seed="$2" script="$3"; shift 3
  local args=() t
  for t in "$@"; do args+=(--shot "$t:$work/shots/$name-$t.bmp"); done
  fresh
  rm -rf "$work/shots" && mkdir -p "$work/shots"
  local line
  line="$(cd "$work/play" && "${shooter_cmd[@]}" --timedemo "$script" --seed "$seed" "${args[@]}" | summary)" \
    || { echo "golden checks: $name did not run to its end" >&2; exit 1; }
  printf '%s %s\n' "$name" "$line"
  for t in "$@"; do hashes "$name" "$work/shots/$name-$t.bmp"; done
  hashes "$name" "$work/play/settings.dat" "$work/play/high_scores.dat"
}
# demo_run PROGRAM SCRIPT SHOT_TIMES...: run in a copy of the run folder.
demo_run() {
  [ "$only" = shooter ] && return 0
  local name="$1" script="$2"; shift 2
  local args=() t
  for t in "$@"; do args+=(--shot "$t:$work/shots/$name-$t.bmp"); done
  rm -rf "$work/demo" "$work/shots" && mkdir -p "$work/shots" && cp -r "$run" "$work/demo"
  local line
  line="$(cd "$work/demo" && "$run/$name" --timedemo "$script" --seed 3 "${args[@]}" | summary)" \
    || { echo "golden checks: $name did not run to its end" >&2; exit 1; }
  printf '%s %s\n' "$name" "$line"
  for t in "$@"; do hashes "$name" "$work/shots/$name-$t.bmp"; done
}

{
  # Every screen: title, menu, credits, high scores, options, instructions,
  # the game and its pause box, back to the menu.
  { taps 6.5 Down 7 Down 7.5 Enter 9.5 Enter 10.5 Down 11 Enter 13 Esc 14 Up 14.5 Up 15 Enter 17 Esc \
      18 Enter 20.5 Enter 24 Esc; echo "27 close"; } >"$work/walk.txt"
  shooter_run menu_walk 11 "$work/walk.txt" 1 6.2 8.5 12 16 19.5 23 25.5

  # A game: fire held, the boss brought on at once, weaving until the craft
  # is lost; then a name on the name-entry screen.
  boss_game_script >"$work/game.txt"
  shooter_run seeded_game 5 "$work/game.txt" 10 15 25 35 61.5 64

  { echo "0.5 down Left"; echo "1.5 up Left"; echo "2 down Right"; echo "3 up Right"; taps 3.5 A 4 KpPlus 4.5 Space; echo "6 down Up"; echo "7 up Up"; taps 8 Esc; } >"$work/flight.txt"
  demo_run flight_test "$work/flight.txt" 1 2.5 5 7.5
  { echo "0.5 down Left"; echo "0.5 down Up"; echo "1.5 up Left"; echo "1.5 up Up"; taps 2 A; echo "3 down Right"; echo "4 up Right"; taps 5 Esc; } >"$work/plain.txt"
  demo_run flight_test_plain "$work/plain.txt" 1 2.5 4.5
  { echo "1 down Left"; echo "2 up Left"; echo "2.5 down Right"; echo "3.5 up Right"; taps 6 Esc 8 Space; } >"$work/timing.txt"
  demo_run timing_test "$work/timing.txt" 1 3 5.5
  { echo "1 down B"; echo "2.5 up B"; echo "3 down Left"; echo "4 up Left"; echo "4.5 down N"; echo "5.5 up N"; taps 6 Esc 8 Space; } >"$work/collision.txt"
  demo_run collision_test "$work/collision.txt" 2 3.5 5
} >"$work/actual.txt"

if [ "$refresh" = --refresh ]; then
  cp "$work/actual.txt" "$here/expected.txt"
  echo "golden checks: expected.txt refreshed ($(wc -l <"$here/expected.txt") lines)"
  exit 0
fi
expected="$here/expected.txt"
if [ "$only" = shooter ]; then
  grep -E '^(menu_walk|seeded_game) ' "$here/expected.txt" >"$work/expected.txt"
  expected="$work/expected.txt"
fi
if ! diff -u "$expected" "$work/actual.txt"; then
  echo "golden checks: results differ from expected.txt (see README.md to refresh on purpose)" >&2
  exit 1
fi
echo "golden checks: passed ($(wc -l <"$expected") lines)"
