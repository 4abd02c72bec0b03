#!/usr/bin/env bash
# Installs `shooter` into a temporary prefix and runs it from an unrelated
# folder, as a packaged game is run: it must find its pictures and sounds in
# the prefix, keep the player's files in a folder of their own (created with
# the defaults on the first start), keep them across runs, and never write
# into the prefix or the folder it was started from.
# Usage: install_test.sh BUILD_DIR
set -euo pipefail
build="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"
elsewhere="$work/elsewhere"
export XDG_DATA_HOME="$work/xdg"
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
user="$XDG_DATA_HOME/kestrel"
mkdir -p "$elsewhere"

fail() { echo "install test: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null
[ -x "$prefix/bin/shooter" ] || fail "no $prefix/bin/shooter"
installed_settings="$(sha256sum "$prefix/share/kestrel/settings.dat")"

# First run: the options screen raises the volume one step and ACCEPT saves.
# Menu: Down to OPTIONS, Enter (the options screen opens on the menu's item,
# the second); four Downs to VOLUME, Enter; Down to ACCEPT, Enter.
script="$work/options.txt"
{
  t=8
  for k in Down Enter Down Down Down Down Enter Down Enter; do
    echo "$t down $k"
    echo "$t.1 up $k"
    t=$((t + 1))
  done
  echo "$t close"
} >"$script"
cd "$elsewhere"
first="$("$prefix/bin/shooter" --timedemo "$script")" || fail "first run failed"
summary="$(grep '^timedemo:' <<<"$first")" || fail "no summary line in: $first"
[ -f "$user/settings.dat" ] || fail "the user folder has no settings.dat"
[ -f "$user/high_scores.dat" ] || fail "the user folder has no high_scores.dat"
[ "$(sed -n 3p "$user/settings.dat" | tr -d '\r')" = 112 ] || fail "volume not saved: $(cat -A "$user/settings.dat")"
grep -q ' volume=112 ' <<<"$summary" || fail "volume not applied: $summary"
[ "$(sha256sum "$prefix/share/kestrel/settings.dat")" = "$installed_settings" ] || fail "the installed defaults changed"

# Second run: the player's own table and options are the ones loaded.
printf 'TESTER\r\n99999\r\n' >"$work/table"
for i in 2 3 4 5 6 7 8 9 10; do printf 'PILOT%d\r\n%d\r\n' "$i" $((1000 - i)) >>"$work/table"; done
cp "$work/table" "$user/high_scores.dat"
printf '5 close\n' >"$work/close.txt"
second="$("$prefix/bin/shooter" --timedemo "$work/close.txt")" || fail "second run failed"
grep -q ' volume=112 ' <<<"$second" || fail "options not kept across runs: $second"
grep -q ' hs1=99999 ' <<<"$second" || fail "scores not kept across runs: $second"
cmp -s "$work/table" "$user/high_scores.dat" || fail "the player's table was rewritten"

# Relative paths on the command line mean the folder the command was typed
# in, not the user folder the program works in.
typed="$work/typed"
mkdir -p "$typed/scripts"
printf '5 close\n' >"$typed/scripts/close.txt"
cd "$typed"
"$prefix/bin/shooter" --timedemo scripts/close.txt --record made.txt --shot 1:shot.bmp >/dev/null ||
  fail "relative --timedemo failed"
[ -f made.txt ] && [ -f shot.bmp ] || fail "relative --record and --shot not written where typed: $(ls -A)"
[ ! -e "$user/made.txt" ] && [ ! -e "$user/shot.bmp" ] || fail "relative paths were written in the user folder"
# A timedemo's recording holds no clock readings, so --verify refuses it; its
# reason names the file it read.
refusal="$("$prefix/bin/shooter" --verify made.txt 2>&1)" && fail "--verify took a timedemo's recording"
grep -qF "$typed/made.txt" <<<"$refusal" || fail "relative --verify read another file: $refusal"
cd "$elsewhere"

# Nothing was written where the program was started.
[ -z "$(ls -A "$elsewhere")" ] || fail "files appeared in the starting folder: $(ls -A "$elsewhere")"
echo "install test: passed ($prefix/bin/shooter, user folder $user)"
