#!/usr/bin/env bash
# Plays `shooter` in a real window under Xvfb, driven by xdotool as a player
# would (into a game, fire held, weaving, pause, quit), with --record; then
# `shooter --verify` must say that the recording replays as it was played.
# Usage: window_replay_check.sh RUN_DIR [SECONDS_OF_PLAY] [shooter options...]
# Exits 77 (skipped) when Xvfb or xdotool is missing.
set -euo pipefail
run="$(cd "$1" && pwd)"
seconds="${2:-12}"
shift $(( $# >= 2 ? 2 : 1 ))
for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "window replay check skipped: $tool is not installed"; exit 77; }
done
work="$(mktemp -d)"
xvfb_pid=""
game_pid=""
cleanup() {
  # SDL turns SIGTERM into a close request, which a game without its X server never reads.
  [ -z "$game_pid" ] || kill -KILL "$game_pid" 2>/dev/null || true
  [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
  [ -n "${KEEP:-}" ] || rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "window replay check: $*" >&2; exit 1; }

cp "$run"/plik.bmp "$run"/anim_data.dat "$run"/*.wav "$work/"
printf '0\r\n0\r\n96\r\n50\r\n1\r\n20\r\n' >"$work/settings.dat"
: >"$work/high_scores.dat"
for i in 1 2 3 4 5 6 7 8 9 10; do printf 'PILOT%d\r\n%d\r\n' "$i" $((1100 - 100 * i)) >>"$work/high_scores.dat"; done

# A display number nobody uses.
source "$(dirname "$0")/../../support/xvfb.sh"
start_xvfb || fail "no free X display number"
export SDL_AUDIODRIVER=dummy
# A real window loads the desktop's X and D-Bus libraries, which keep a few
# one-off allocations to the end; under the sanitizers LeakSanitizer would
# report them as leaks of this program. Leaks of the program's own code are
# caught by every headless test and the soak, which keep leak checks on.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
unset SDL_VIDEODRIVER
# Every xdotool call has a time limit: one that waits for a window or for
# focus (--sync) must fail the test, never hang it.
xdo() { timeout 10 xdotool "$@"; }
for _ in $(seq 50); do xdo getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

(cd "$work" && exec "$run/shooter" --record "$work/game.rec" --windowed --scale 1 "$@" >"$work/out.txt" 2>&1) &
game_pid=$!
window="$(timeout 20 xdotool search --sync --name 'Kestrel' | head -1)" || fail "no window appeared"
xdo windowfocus --sync "$window" 2>/dev/null || xdo windowfocus "$window"
tap() { xdo key --delay 80 "$@"; }

sleep 6.5            # the title screen lasts about five seconds
tap Return           # main menu: start
sleep 0.6
tap Return           # instructions: into the game
sleep 0.5
xdo keydown space
end=$(( $(date +%s) + seconds ))
while [ "$(date +%s)" -lt "$end" ]; do
  xdo keydown Left; sleep 0.7; xdo keyup Left
  xdo keydown Up; sleep 0.2; xdo keyup Up
  xdo keydown Right; sleep 0.9; xdo keyup Right
  xdo keydown Down; sleep 0.2; xdo keyup Down
done
xdo keyup space
sleep 0.3
tap Escape           # pause
sleep 0.5
tap q                # Q on the pause screen ends the program
ended() { for _ in $(seq 20); do kill -0 "$game_pid" 2>/dev/null || return 0; sleep 0.1; done; return 1; }
# A game lost meanwhile ends on the name-entry screen or the table instead:
# Enter keeps the name, Esc leaves the table, Esc on the main menu ends.
for key in Return Escape Escape; do
  ended && break
  tap "$key"
  sleep 0.6
done
for _ in $(seq 50); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$game_pid" 2>/dev/null; then fail "the game did not end on Q: $(cat "$work/out.txt")"; fi
wait "$game_pid" || fail "the recorded run failed: $(cat "$work/out.txt")"
game_pid=""
[ -s "$work/game.rec" ] || fail "no recording was written"
echo "recording: $(wc -c <"$work/game.rec") bytes, $(grep -c '^[0-9]' "$work/game.rec") frames, $(grep -cE '^(down|up|paddown|padup) ' "$work/game.rec") key changes"
grep '^end' "$work/game.rec" | cut -c1-120

set +e
verdict="$(cd "$work" && timeout 60 "$run/shooter" --verify "$work/game.rec")"
code=$?
set -e
echo "$verdict"
[ "$(wc -l <<<"$verdict")" = 1 ] || fail "--verify printed more than one line"
[ "$code" = 0 ] && [[ "$verdict" == "replay: matches "* ]] || fail "the recording does not verify (exit $code)"
[ -z "${SAVE_RECORDING:-}" ] || cp "$work/game.rec" "$SAVE_RECORDING"
