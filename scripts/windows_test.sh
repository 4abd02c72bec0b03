#!/usr/bin/env bash
# The Windows build's checks, under Debian's Wine:
#  1. builds SDL2 and SDL2_mixer for Windows (once: scripts/windows_deps.sh
#     keeps them in a cache), the native generators and the windows preset;
#  2. replays every golden script of the five .exe programs on the headless
#     backend: they must give the committed summaries and picture hashes;
#     the test programs' media-control layer answers winmm's way, row for
#     row of tests/windows/media_control_diff.cpp (the rows that differ say
#     why), and --media-control system plays through winmm;
#  3. files: the programs unpacked in a folder whose name has a space and a
#     non-ASCII letter, the player's folder in %APPDATA%\kestrel: a first start
#     makes it with the defaults, ACCEPT on the options screen writes the same
#     settings.dat as Linux, damaged files and a missing data file give the
#     Linux build's messages; started from another folder;
#  4. a real window under Xvfb: shooter.exe shows the menu (screenshot kept in
#     build/windows/checks/menu.png), Esc ends it with exit code 0; a game
#     recorded under Wine passes --verify on Linux and one recorded on Linux
#     passes --verify under Wine.
# Wine runs in a prefix of this test's own (build/windows/wineprefix, kept
# between runs), quiet (WINEDEBUG=-all).
# KESTREL_WINDOWS_NATIVE_BUILD names a native build folder that is built
# already (the test command passes build/dev); otherwise build/windows/native
# is built here.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
started=$(date +%s)
jobs="${KESTREL_JOBS:-2}"

# ---- 1. The builds -------------------------------------------------------------
deps="$(bash scripts/windows_deps.sh | tail -n1)"
bash scripts/install-deps.sh imagemagick >/dev/null
if [ -n "${KESTREL_WINDOWS_NATIVE_BUILD:-}" ]; then
  native="$(cd "$KESTREL_WINDOWS_NATIVE_BUILD" && pwd)"
else
  native="$root/build/windows/native"
  cmake -S "$root" -B "$native" -DCMAKE_BUILD_TYPE=Release -DKESTREL_BUILD_TESTS=OFF \
    -DKESTREL_WITH_BENCH=OFF -DKESTREL_WITH_FUZZ=OFF >/dev/null
  cmake --build "$native" -j"$jobs" --target kestrel_assets kestrel_demo_files shooter
fi
[ -x "$native/run/shooter" ] && [ -f "$native/run/Plane1.BMP" ] || {
  echo "windows test: $native/run holds no shooter or no generated files" >&2; exit 1; }
cmake --preset windows -DKESTREL_WINDOWS_DEPS="$deps" -DKESTREL_NATIVE_RUN_DIR="$native/run" >/dev/null
cmake --build --preset windows -j"$jobs"
built=$(date +%s)

win="$root/build/windows/run"
checks="$root/build/windows/checks"
rm -rf "$checks" && mkdir -p "$checks"
work="$(mktemp -d)"
xvfb_pid=""
game_pid=""
cleanup() {
  [ -z "$game_pid" ] || kill -KILL "$game_pid" 2>/dev/null || true
  [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
  wineserver -k 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "windows test: $*" >&2; exit 1; }

export WINEPREFIX="$root/build/windows/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  wineboot --init >/dev/null 2>&1
  wineserver -w
fi
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
# Wine's file name of a Unix path (its Z: drive is the Unix root).
winpath() { printf 'Z:%s' "${1//\//\\}"; }

# ---- 2. The goldens --------------------------------------------------------------
# golden_checks.sh runs RUN_DIR/<program>; here each is a line that starts the
# .exe under Wine, beside a copy of the Windows run folder.
echo "== goldens under Wine"
mkdir -p "$work/run"
cp -r "$win/." "$work/run/"
for program in shooter flight_test flight_test_plain timing_test collision_test; do
  printf '#!/bin/sh\nexec wine "$(dirname "$0")/%s.exe" "$@"\n' "$program" >"$work/run/$program"
  chmod +x "$work/run/$program"
done
bash tests/goldens/golden_checks.sh "$work/run"

# The test programs' media-control layer against winmm, command for command.
echo "== media control against winmm"
# (Wine's sound driver finds no sound card here; its complaints go to a file.)
(cd "$work/run" && wine "$root/build/windows/tools/media_control_diff.exe" 2>"$checks/wine_sound.log") | tee "$checks/media_control.txt"
# --media-control system: the demo programs play through winmm itself.
printf '1 down Left\n2 up Left\n3 close\n' >"$work/media_keys.txt"
line="$(cd "$work/run" && wine ./timing_test.exe --media-control system --timedemo "$work/media_keys.txt" --seed 3 2>>"$checks/wine_sound.log" |
  grep '^timedemo:')" || fail "timing_test.exe --media-control system did not run to its end"
echo "timing_test.exe --media-control system: ${line%% wall_seconds=*}"
(cd "$work/run" && "$native/run/timing_test" --media-control system --timedemo "$work/media_keys.txt" 2>/dev/null) &&
  fail "--media-control system was taken on Linux, which has no such interface"

# ---- 3. Files ----------------------------------------------------------------------
echo "== files"
# The programs as unpacked from the zip (programs at the top, their data in
# data/), in a folder with a space and a non-ASCII letter.
unpacked="$work/Kestrel spiele ü"
mkdir -p "$unpacked/data"
cp "$win"/*.exe "$win"/*.dll "$unpacked/"
for f in "$win"/*; do
  case "$f" in *.exe|*.dll) ;; *) cp "$f" "$unpacked/data/" ;; esac
done
cp shooter/data/settings.dat shooter/data/high_scores.dat shooter/data/Readme.txt "$unpacked/data/"
# Wine sets %APPDATA% itself (the prefix's own); the first start is the one
# after its kestrel folder is removed.
appdata="$(winepath -u "$(wine cmd /c echo %APPDATA% | tr -d '\r')")"
rm -rf "$appdata/kestrel"
mkdir -p "$work/elsewhere"
# The same install for Linux: the programs with data/ beside them, the
# player's folder under $XDG_DATA_HOME.
linux="$work/linux"
mkdir -p "$linux" "$work/xdg"
cp "$native/run/shooter" "$linux/"
cp -r "$unpacked/data" "$linux/data"

# run_both NAME SCRIPT: plays SCRIPT (a timedemo) from another folder on both
# systems; keeps stdout and stderr of each in $work/NAME.{linux,wine}.
run_both() {
  local name="$1" script="$2" code
  set +e
  (cd "$work/elsewhere" && XDG_DATA_HOME="$work/xdg" "$linux/shooter" --timedemo "$script" --seed 3 \
     >"$work/$name.linux" 2>&1)
  code=$?
  echo "exit $code" >>"$work/$name.linux"
  (cd "$work/elsewhere" && wine "$unpacked/shooter.exe" --timedemo "$(winpath "$script")" \
     --seed 3 >"$work/$name.wine" 2>&1)
  code=$?
  echo "exit $code" >>"$work/$name.wine"
  set -e
  sed -i -E 's/ wall_seconds=[^ ]+ fps=[^ ]+//' "$work/$name.linux" "$work/$name.wine"
  diff -u "$work/$name.linux" "$work/$name.wine" || fail "$name: Wine's output differs from Linux's"
}
echo "2 close" >"$work/close.txt"
run_both first_start "$work/close.txt"
for f in settings.dat high_scores.dat; do
  cmp -s "$appdata/kestrel/$f" "shooter/data/$f" || fail "first start: %APPDATA%\\kestrel\\$f is not the default"
done
echo "first start: %APPDATA%\\kestrel made with the default settings.dat and high_scores.dat"

# Options: Volume up once, ACCEPT, Esc from the menu.
source tests/support/key_scripts.sh
{ taps 6.5 Down 7 Enter 8 Down 8.5 Down 9 Down 9.5 Down 10.5 Enter 11 Down 11.5 Enter 13 Esc; echo "15 close"; } \
  >"$work/accept.txt"
run_both accept "$work/accept.txt"
cmp -s "$appdata/kestrel/settings.dat" "$work/xdg/kestrel/settings.dat" || fail "ACCEPT: settings.dat differs from Linux's"
cmp -s "$appdata/kestrel/settings.dat" shooter/data/settings.dat && fail "ACCEPT wrote no new settings.dat"
echo "ACCEPT: settings.dat written in %APPDATA%\\kestrel, the same bytes as on Linux"

for f in settings.dat high_scores.dat; do
  printf 'not\r\na number\r\n' >"$appdata/kestrel/$f"
  printf 'not\r\na number\r\n' >"$work/xdg/kestrel/$f"
  run_both "damaged_$f" "$work/close.txt"
  echo "damaged $f: the same lines as on Linux ($(grep -c . "$work/damaged_$f.wine") lines)"
  cp "shooter/data/$f" "$appdata/kestrel/$f"
  cp "shooter/data/$f" "$work/xdg/kestrel/$f"
done

# The sprite sheet missing: no data folder is found beside the program.
mv "$unpacked/data/plik.bmp" "$work/plik.bmp"
mv "$linux/data/plik.bmp" "$work/plik-linux.bmp"
run_both missing_data "$work/close.txt"
grep -q 'not found' "$work/missing_data.wine" || fail "a missing plik.bmp gave no start-up message: $(cat "$work/missing_data.wine")"
echo "missing data file: $(head -n1 "$work/missing_data.wine")"
mv "$work/plik.bmp" "$unpacked/data/plik.bmp"
mv "$work/plik-linux.bmp" "$linux/data/plik.bmp"

# ---- 4. A real window ------------------------------------------------------------
echo "== a window under Xvfb"
# The Wine session of the headless runs has no display: a new one starts.
wineserver -k 2>/dev/null || true
wineserver -w
source "$root/tests/support/xvfb.sh"
start_xvfb || fail "no free X display number"
unset SDL_VIDEODRIVER
xdo() { timeout 10 xdotool "$@"; }
for _ in $(seq 50); do xdo getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

# start_window FOLDER OUTPUT ARGS...: shooter.exe in a window, focused.
start_window() {
  local folder="$1" output="$2"; shift 2
  (cd "$folder" && exec wine "$win/shooter.exe" --windowed --scale 1 "$@" >"$output" 2>&1) &
  game_pid=$!
  local window=""
  for _ in $(seq 100); do
    window="$(xdotool search --onlyvisible --name 'Kestrel' 2>/dev/null | head -n1)" && [ -n "$window" ] && break
    sleep 0.2
  done
  [ -n "$window" ] || fail "no window appeared: $(cat "$output")"
  xdo windowfocus --sync "$window" 2>/dev/null || xdo windowfocus "$window"
  window_id="$window"
}
# wait_end SECONDS: the exit code of the window's program, or a failure.
wait_end() {
  for _ in $(seq $(($1 * 10))); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$game_pid" 2>/dev/null && return 124
  local code=0
  wait "$game_pid" || code=$?
  game_pid=""
  return "$code"
}
tap() { xdo key --delay 80 "$@"; }
play_folder() { # a fresh play folder like the goldens'
  rm -rf "$1" && mkdir -p "$1"
  cp "$win"/plik.bmp "$win"/anim_data.dat "$win"/*.wav "$1/"
  printf '0\r\n0\r\n96\r\n50\r\n1\r\n20\r\n' >"$1/settings.dat"
  : >"$1/high_scores.dat"
  for i in 1 2 3 4 5 6 7 8 9 10; do printf 'PILOT%d\r\n%d\r\n' "$i" $((1100 - 100 * i)) >>"$1/high_scores.dat"; done
}

play_folder "$work/window"
start_window "$work/window" "$work/window.out"
sleep 7    # the title screen lasts about five seconds
import -window root "$checks/menu.png"
# The window opens in the middle of the 1024x768 screen; the main menu's
# yellow box fills most of the 90x80 pixels just above its centre.
yellow="$(convert "$checks/menu.png" -crop 90x80+467+344 +repage -fx '(r>0.8&&g>0.8&&b<0.25)?1:0' -format '%[fx:mean]' info:)"
awk -v y="$yellow" 'BEGIN { exit !(y > 0.5) }' || fail "the window shows no main menu (yellow share $yellow, see $checks/menu.png)"
tap Escape
code=0
wait_end 15 || code=$?
[ "$code" = 0 ] || fail "Esc on the menu ended shooter.exe with exit code $code: $(cat "$work/window.out")"
grep -q '^Thanks!' "$work/window.out" || fail "no exit lines: $(cat "$work/window.out")"
echo "window: menu shown ($checks/menu.png), Esc ended it with exit code 0"

# A game recorded under Wine, verified on Linux.
play_folder "$work/recorded"
start_window "$work/recorded" "$work/recorded.out" --record "$(winpath "$work/wine.rec")"
sleep 6.5
xdo windowfocus "$window_id"
tap Return; sleep 0.6; tap Return; sleep 0.5
xdo keydown space
for _ in 1 2 3; do
  xdo keydown Left; sleep 0.7; xdo keyup Left
  xdo keydown Right; sleep 0.9; xdo keyup Right
done
xdo keyup space
sleep 0.3; tap Escape; sleep 0.5
import -window root "$checks/paused.png"
tap q
wait_end 15 || fail "the recorded game under Wine did not end on Q: $(cat "$work/recorded.out")"
[ -s "$work/wine.rec" ] || fail "no recording was written under Wine"
verdict="$(cd "$work/recorded" && timeout 60 "$native/run/shooter" --verify "$work/wine.rec")" ||
  fail "a recording made under Wine does not verify on Linux: $verdict"
echo "Wine's recording on Linux: $verdict"
kill "$xvfb_pid" 2>/dev/null || true
xvfb_pid=""

# A game recorded on Linux, verified under Wine.
SAVE_RECORDING="$work/linux.rec" bash tests/shooter/replay/window_replay_check.sh "$native/run" 4 >/dev/null
export SDL_VIDEODRIVER=dummy
verdict="$(cd "$work/recorded" && timeout 60 wine "$win/shooter.exe" --verify "$(winpath "$work/linux.rec")")" ||
  fail "a recording made on Linux does not verify under Wine: $verdict"
echo "Linux's recording under Wine: $verdict"

echo "windows tests: passed (build $((built - started)) s, checks $(($(date +%s) - built)) s)"
