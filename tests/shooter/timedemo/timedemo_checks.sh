#!/usr/bin/env bash
# Plays `shooter` from scripts, as a user would, in timedemo runs of the real
# program in a scratch copy of its run folder:
#  - a walk through the menus gives the same pictures and summary every run;
#  - the options screen raising the volume twice from 96 and ACCEPT saves 128;
#  - a scripted game (fire held, weaving, keypad plus) reaches game over with
#    the same summary for the same seed, and the name typed on the name-entry
#    screen is saved at the top of high_scores.dat;
#  - Esc on the main menu ends the program with its exit lines and code 0;
#  - a first word holding "fps" (--showfps) shows the FPS line.
# Usage: timedemo_checks.sh RUN_DIR
set -euo pipefail
run="$(cd "$1" && pwd)"
work="$(mktemp -d)"
trap '[ -n "${KEEP:-}" ] || rm -rf "$work"' EXIT
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
fail() { echo "timedemo checks: $*" >&2; exit 1; }

# A fresh folder with the generated files and the given table of scores.
fresh() {
  rm -rf "$work/play" && mkdir -p "$work/play"
  cp "$run"/plik.bmp "$run"/anim_data.dat "$run"/*.wav "$work/play/"
  printf '2\r\n0\r\n96\r\n50\r\n1\r\n20\r\n' >"$work/play/settings.dat"
  cp "$1" "$work/play/high_scores.dat"
}
# The summary line without its wall-clock figures.
summary() { grep '^timedemo:' | sed -E 's/ wall_seconds=[^ ]+ fps=[^ ]+//'; }
# Key taps: "TIME KEY" pairs, each held for 0.1 s.
# shellcheck source=../../support/key_scripts.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../support/key_scripts.sh"

table="$work/table"
: >"$table"
for i in 1 2 3 4 5 6 7 8 9 10; do printf 'PILOT%d\r\n%d\r\n' "$i" $((1100 - 100 * i)) >>"$table"; done
low="$work/low_table"
printf 'ACE\r\n50\r\n' >"$low"
for i in 2 3 4 5 6 7 8 9 10; do printf 'PILOT%d\r\n%d\r\n' "$i" $((12 - i)) >>"$low"; done

# Menu walk: credits, high scores, options and back, with a picture of each.
{ taps 6 Down 7 Down 7.5 Enter 9 Enter 10 Down 10.5 Enter 12 Esc 13 Up 13.5 Up 14 Up 14.5 Enter 16 Esc; echo "17 close"; } >"$work/walk.txt"
for pass in 1 2; do
  fresh "$table"
  args=()
  for t in 5.5 6.5 8 11 14.8; do args+=(--shot "$t:$work/walk$pass-$t.bmp"); done
  (cd "$work/play" && "$run/shooter" --timedemo "$work/walk.txt" --seed 11 "${args[@]}" | summary >"$work/walk$pass.txt") \
    || fail "menu walk run $pass failed"
done
for t in 5.5 6.5 8 11 14.8; do
  [ -s "$work/walk1-$t.bmp" ] || fail "no picture at $t s"
  cmp -s "$work/walk1-$t.bmp" "$work/walk2-$t.bmp" || fail "the picture at $t s differs between runs"
done
cmp -s "$work/walk1.txt" "$work/walk2.txt" || fail "menu walk summaries differ: $(cat "$work/walk1.txt" "$work/walk2.txt")"

# Options: the menu's second item opens the options screen with the pointer
# on its second item; four Downs reach VOLUME, two Enters raise it twice, one
# Down reaches ACCEPT.
{ taps 8 Down 9 Enter 10 Down 10.5 Down 11 Down 11.5 Down 12 Enter 12.5 Enter 13 Down 13.5 Enter; echo "15 close"; } >"$work/options.txt"
fresh "$table"
out="$(cd "$work/play" && "$run/shooter" --timedemo "$work/options.txt")" || fail "options run failed"
[ "$(sed -n 3p "$work/play/settings.dat" | tr -d '\r')" = 128 ] || fail "volume not saved as 128: $(tr -d '\r' <"$work/play/settings.dat" | paste -sd,)"
grep -q ' volume=128 ' <<<"$out" || fail "volume not applied: $out"

# A whole game: fire held, the boss brought on at once, weaving until the
# craft is lost; then a name on the name-entry screen.
boss_game_script >"$work/game.txt"
for pass in 1 2; do
  fresh "$low"
  (cd "$work/play" && "$run/shooter" --timedemo "$work/game.txt" --seed 5 | summary >"$work/game$pass.txt") \
    || fail "game run $pass failed"
done
cmp -s "$work/game1.txt" "$work/game2.txt" || fail "the same seed gave different games: $(cat "$work/game1.txt" "$work/game2.txt")"
[ "$(head -1 "$work/play/high_scores.dat" | tr -d '\r')" = KES ] || fail "the name was not saved: $(head -2 "$work/play/high_scores.dat")"
score="$(sed -n 2p "$work/play/high_scores.dat" | tr -d '\r')"
[ "$score" -ge 50 ] || fail "the new score $score should top the table (a tie goes above)"
[ "$(sed -n 3p "$work/play/high_scores.dat" | tr -d '\r')" = ACE ] || fail "the old first place did not move down"
[ "$(wc -l <"$work/play/high_scores.dat")" = 20 ] || fail "the table is not ten names and scores"

# Esc on the main menu ends the program in order.
{ taps 6 Esc; } >"$work/quit.txt"
fresh "$table"
set +e
out="$(cd "$work/play" && "$run/shooter" --timedemo "$work/quit.txt")"
code=$?
set -e
[ "$code" = 0 ] || fail "Esc on the main menu ended with code $code"
grep -q "thank you for playing" <<<"$out" || fail "no exit lines: $out"
# A first word holding "fps" turns the FPS line on, even written as an option.
fresh "$table"
set +e
out="$(cd "$work/play" && "$run/shooter" --showfps --timedemo "$work/quit.txt" 2>&1)"
code=$?
set -e
[ "$code" = 0 ] || fail "--showfps ended with code $code: $out"
grep -q "^FPS: " <<<"$out" || fail "--showfps showed no FPS line: $out"

echo "timedemo checks: passed"
