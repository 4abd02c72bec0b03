#!/usr/bin/env bash
# Golden replays: scripted timedemo runs of all five programs whose results
# are compared, byte for byte, with the figures committed in expected.txt:
#  - shooter: a walk through every screen of the menus, and a seeded game with
#    fire, moves, keypad plus, the boss and a name entry;
#  - each demo program's scene.
# Each run contributes its summary line (without the wall-clock figures), the
# SHA-256 of every --shot picture and of the data files it leaves behind.
# Usage: golden_checks.sh RUN_DIR [--refresh | --pictures DIR]
#   --refresh writes expected.txt and pictures/ anew instead of comparing
#   (see README.md);
#   --pictures DIR also writes every shot into DIR (to make the expected
#   pictures that are not committed, at the commit that refreshed them).
# On a mismatch every differing shot is kept with its expected picture (from
# pictures/, gzip-compressed BMPs) and a difference picture drawn by
# golden_picture_diff, in KESTREL_GOLDEN_OUTPUT (default: golden-mismatch
# beside RUN_DIR); their paths are printed. KESTREL_GOLDEN_PICTURE_DIFF names
# the tool (default: tests/golden_picture_diff beside RUN_DIR).
# For other builds of shooter (the node build of the browser pages):
#   KESTREL_GOLDEN_SHOOTER="node .../shooter.js" runs that instead of RUN_DIR/shooter;
#   KESTREL_GOLDEN_ONLY=shooter runs and compares the shooter replays only.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
run="$(cd "$1" && pwd)"
refresh="${2:-}"
[ "$refresh" != --pictures ] || { mkdir -p "$3" && keep_pictures="$(cd "$3" && pwd)"; }
read -r -a shooter_cmd <<<"${KESTREL_GOLDEN_SHOOTER:-$run/shooter}"
only="${KESTREL_GOLDEN_ONLY:-}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/kept"
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
  mv "$work/shots/"* "$work/kept/"
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
  mv "$work/shots/"* "$work/kept/"
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

pictures="$here/pictures"
if [ "$refresh" = --refresh ]; then
  cp "$work/actual.txt" "$here/expected.txt"
  # The shots' pictures, so that a later mismatch can be shown. gzip -n
  # writes no name or time: the same picture gives the same bytes. A picture
  # that stays above 64 KB compressed (the flight tests' noisy backgrounds,
  # about 550 KB each) is left out, so that the folder stays small; the
  # mismatch message says how to make it.
  if [ -z "$only" ]; then rm -rf "$pictures"; fi
  mkdir -p "$pictures"
  for shot in "$work/kept/"*.bmp; do
    gzip -9n <"$shot" >"$pictures/$(basename "$shot").gz"
    if [ "$(stat -c %s "$pictures/$(basename "$shot").gz")" -gt 65536 ]; then
      rm "$pictures/$(basename "$shot").gz"
      echo "golden checks: $(basename "$shot") is not kept in pictures/ (above 64 KB compressed)"
    fi
  done
  echo "golden checks: expected.txt ($(wc -l <"$here/expected.txt") lines) and pictures/ ($(du -sh "$pictures" | cut -f1)) refreshed"
  exit 0
fi
[ -z "${keep_pictures:-}" ] || cp "$work/kept/"*.bmp "$keep_pictures/"
expected="$here/expected.txt"
if [ "$only" = shooter ]; then
  grep -E '^(menu_walk|seeded_game) ' "$here/expected.txt" >"$work/expected.txt"
  expected="$work/expected.txt"
fi
# show_mismatched_shots: for each shot whose line differs, the actual, the
# expected and the difference picture, kept in $out.
show_mismatched_shots() {
  local out="${KESTREL_GOLDEN_OUTPUT:-$(dirname "$run")/golden-mismatch}"
  local tool="${KESTREL_GOLDEN_PICTURE_DIFF:-$(dirname "$run")/tests/golden_picture_diff}"
  local name file sha want stem
  rm -rf "$out" && mkdir -p "$out"
  out="$(cd "$out" && pwd)"
  while read -r name file sha; do
    case "$file" in *.bmp) ;; *) continue ;; esac
    grep -qxF "$name $file $sha" "$expected" && continue
    stem="$out/${file%.bmp}"
    cp "$work/kept/$file" "$stem.actual.bmp"
    echo "golden checks: $file differs:" >&2
    echo "  actual:     $stem.actual.bmp" >&2
    if [ ! -f "$pictures/$file.gz" ]; then
      echo "  expected:   not committed (too large); to make it, build the commit that last refreshed" >&2
      echo "              expected.txt, $(git -C "$here" log -1 --format=%h -- expected.txt 2>/dev/null || echo '(see git log)'), and run there:" >&2
      echo "              bash tests/goldens/golden_checks.sh build/dev/run --pictures $out/expected" >&2
      continue
    fi
    gzip -dc "$pictures/$file.gz" >"$stem.expected.bmp"
    echo "  expected:   $stem.expected.bmp" >&2
    want="$(grep -E "^$name $file " "$expected" | cut -d' ' -f3)"
    [ "$(sha256sum <"$stem.expected.bmp" | cut -c1-64)" = "$want" ] ||
      echo "  (that committed picture does not match expected.txt: refresh both together)" >&2
    if [ -x "$tool" ]; then
      "$tool" "$stem.expected.bmp" "$stem.actual.bmp" "$stem.difference.bmp" >"$work/diff.txt" 2>&1 &&
        echo "  difference: $stem.difference.bmp ($(cat "$work/diff.txt"))" >&2 ||
        echo "  difference: none ($(cat "$work/diff.txt"))" >&2
    else
      echo "  difference: none (no $tool; build the tests to get it)" >&2
    fi
  done <"$work/actual.txt"
}
if ! diff -u "$expected" "$work/actual.txt"; then
  echo "golden checks: results differ from expected.txt (see README.md to refresh on purpose)" >&2
  show_mismatched_shots
  exit 1
fi
echo "golden checks: passed ($(wc -l <"$expected") lines)"
