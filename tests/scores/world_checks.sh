#!/usr/bin/env bash
# The world score table from the outside, on one store: a real server on
# loopback, the desktop game submitting a scripted game from a timedemo, the
# server's verdicts on doctored copies of that game, a SIGKILL in the middle of
# a stream of submissions, and a bounded load of board reads.
#
#   tests/scores/world_checks.sh RUN_DIR sqlite|postgres WORK_DIR
#
# KESTREL_SCORES_LOAD replaces the bounded load's scores_load arguments.
#
# RUN_DIR holds shooter, kestrel-scores, scores_load and the game's files.
set -euo pipefail

run_dir=$(cd "$1" && pwd)
store_kind=$2
work=$3
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
# shellcheck source=tests/support/key_scripts.sh
source "$root/tests/support/key_scripts.sh"

rm -rf "$work"
mkdir -p "$work/play"
server_pid=
pg_dir=
cleanup() {
  [[ -n "$server_pid" ]] && kill "$server_pid" 2>/dev/null && wait "$server_pid" 2>/dev/null
  [[ -n "$pg_dir" ]] && "$root/scripts/pg_test_server.sh" stop "$pg_dir" >/dev/null 2>&1
  return 0
}
trap cleanup EXIT

fail() {
  echo "world_checks ($store_kind): $*" >&2
  [[ -f "$work/server.log" ]] && sed 's/^/  server: /' "$work/server.log" >&2
  exit 1
}

case "$store_kind" in
  sqlite) db="$work/scores.sqlite" ;;
  postgres)
    pg_dir="$work/pg"
    db=$("$root/scripts/pg_test_server.sh" start "$pg_dir" | tail -n 1)
    ;;
  *) echo "usage: $0 RUN_DIR sqlite|postgres WORK_DIR" >&2; exit 2 ;;
esac

# ---- the server
start_server() {
  local tries
  for tries in 1 2 3 4 5; do
    port=$((20000 + RANDOM % 30000))
    "$run_dir/kestrel-scores" --db "$db" --listen "127.0.0.1:$port" --assets "$run_dir" \
      --submissions-per-minute 100000 --requests-per-minute 1000000 >>"$work/server.log" 2>&1 &
    server_pid=$!
    for _ in $(seq 1 100); do
      if curl -sf "http://127.0.0.1:$port/api/v1/server" >/dev/null 2>&1; then
        url="http://127.0.0.1:$port"
        return 0
      fi
      kill -0 "$server_pid" 2>/dev/null || break
      sleep 0.1
    done
    kill "$server_pid" 2>/dev/null || true
    wait "$server_pid" 2>/dev/null || true
    server_pid=
  done
  fail "the server did not start"
}

# A field of a flat JSON answer: "state", "score", "rank", "reason", "id".
field() {
  sed -n "s/.*\"$1\":\"\{0,1\}\([^\",}]*\).*/\1/p" <<<"$2"
}

# Waits until a submission leaves the queue; prints its status answer.
verdict_of() {
  local answer
  for _ in $(seq 1 300); do
    answer=$(curl -s "$url/api/v1/submissions/$1")
    if [[ "$(field state "$answer")" != queued ]]; then
      echo "$answer"
      return 0
    fi
    sleep 0.1
  done
  fail "submission $1 is still queued after 30 s"
}

# Posts a recording file with a name; prints "STATUS BODY".
post() {
  local body
  body=$(NAME="$2" python_free_json "$1")
  curl -s -o "$work/answer" -w '%{http_code}' -H 'Content-Type: application/json' \
    --data-binary @"$body" "$url/api/v1/submissions"
  printf ' '
  cat "$work/answer"
}

# The JSON body {"name": NAME, "recording": FILE's text}, without a JSON tool:
# the recording's backslashes, quotes and line ends are escaped (it holds no
# other control bytes).
python_free_json() {
  local out="$work/body.json"
  {
    printf '{"name":"%s","recording":"' "$NAME"
    sed -e 's/\\/\\\\/g' -e 's/"/\\"/g' "$1" | awk 'BEGIN { ORS = "" } { print $0 "\\n" }'
    printf '"}'
  } >"$out"
  echo "$out"
}

start_server

# ---- the desktop game submits a scripted game that reaches the local table
cd "$work/play"
for f in "$run_dir"/*; do ln -s "$f" .; done
rm -f settings.dat high_scores.dat
cp "$run_dir/settings.dat" settings.dat
for i in 1 2 3 4 5 6 7 8 9 10; do printf 'PILOT%d\r\n%d\r\n' "$i" $((12 - i)) >>high_scores.dat; done
boss_game_script >game.txt
summary=$(SDL_AUDIODRIVER=dummy ./shooter --timedemo game.txt --seed 5 --score-server "$url" | grep '^timedemo:')
played=$(sed -n 's/.* hs1=\([0-9]*\).*/\1/p' <<<"$summary")
[[ -n "$played" && "$played" -gt 11 ]] || fail "the scripted game did not reach the table: $summary"
board=$(curl -s "$url/api/v1/boards/current")
grep -q "\"name\":\"KES\"" <<<"$board" || fail "the timedemo's game is not on the board: $board"
grep -q "\"score\":$played[,}]" <<<"$board" || fail "the board does not hold the score $played: $board"
id=$(field id "$board")
curl -sf "$url/api/v1/recordings/$id" -o "$work/game.rec" || fail "no recording for verified game $id"
replay=$(./shooter --verify "$work/game.rec" | grep '^replay:' || true)
grep -q "^replay: matches score=$played " <<<"$replay" || fail "the board's recording replays as: $replay"
echo "world_checks ($store_kind): the desktop game's score $played is verified and replays"

# ---- doctored copies, each refused with its reason
check_refused() {
  local what=$1 file=$2 expect=$3 name=${4:-ACE} answer status
  answer=$(post "$file" "$name")
  status=${answer%% *}
  if [[ "$status" == 202 ]]; then
    answer=$(verdict_of "$(field id "${answer#* }")")
    [[ "$(field state "$answer")" == refused ]] || fail "$what was counted: $answer"
  elif [[ "$status" != 4* ]]; then
    fail "$what was answered $answer"
  fi
  grep -qi -- "$expect" <<<"$answer" || fail "$what: the reason does not say '$expect': $answer"
  echo "world_checks ($store_kind): $what refused: $(field reason "$answer")$(field error "$answer")"
}
# Frame lines are "DELTA CHECK" (two fields, the second hex); the others start with a word.
awk 'BEGIN { n = 0 } /^[0-9]+ [0-9a-f]+$/ { if (++n == 500) { $2 = ($2 == "00" ? "01" : "00") } } { print }' \
  "$work/game.rec" >"$work/tampered.rec"
check_refused "a tampered frame" "$work/tampered.rec" "frame"
sed 's/^end \(.*\)score=[0-9]*/end \1score=999999/' "$work/game.rec" >"$work/figures.rec"
check_refused "changed end figures" "$work/figures.rec" "figures\|end"
awk '/^[0-9]+ [0-9a-f]+$/ && ++n > 1 { $1 = int($1 / 2) } { print }' "$work/game.rec" >"$work/compressed.rec"
check_refused "a compressed clock" "$work/compressed.rec" "sooner"
awk '/^[0-9]+ [0-9a-f]+$/ && ++n > 1 { $1 = $1 * 3 } { print }' "$work/game.rec" >"$work/stretched.rec"
check_refused "a stretched clock" "$work/stretched.rec" "frames"
sed 's/^version .*/version 0.0.1/' "$work/game.rec" >"$work/version.rec"
check_refused "another version" "$work/version.rec" "version"
check_refused "a bad name" "$work/game.rec" "name" "THIRTEEN LONG"
awk '/^[0-9]+ [0-9a-f]+$/ && ++n > 1 { $1 = $1 * 120 } { print }' "$work/game.rec" >"$work/hour.rec"
check_refused "a game of over an hour" "$work/hour.rec" "lasts"
printf 'hello, world\n' >"$work/garbage.rec"
check_refused "garbage" "$work/garbage.rec" "recording"
head -c $((5 * 1024 * 1024)) /dev/zero | tr '\0' 'a' >"$work/big.rec"
check_refused "a body over the limit" "$work/big.rec" "MiB\|large\|limit"

# ---- SIGKILL in the middle of a stream: every 202 survives, whole
answered="$work/answered.txt"
: >"$answered"
(
  for i in $(seq 1 400); do
    reply=$(post "$work/game.rec" "K$i") || break
    [[ "${reply%% *}" == 202 ]] && echo "$(field id "${reply#* }") K$i" >>"$answered"
  done
) &
streamer=$!
for _ in $(seq 1 200); do
  [[ $(wc -l <"$answered") -ge 25 ]] && break
  sleep 0.05
done
kill -9 "$server_pid"
{ wait "$server_pid"; } 2>/dev/null || true
server_pid=
wait "$streamer" 2>/dev/null || true
count=$(wc -l <"$answered")
[[ "$count" -ge 25 ]] || fail "only $count submissions were answered before the kill"
start_server
while read -r sid name; do
  answer=$(curl -s "$url/api/v1/submissions/$sid")
  [[ "$(field state "$answer")" =~ ^(queued|verified|refused)$ ]] || fail "answered submission $sid is lost: $answer"
done <"$answered"
# The game the killed verifier held stays claimed until its claim runs out;
# a new submission goes past it and is verified by the new process.
reply=$(post "$work/game.rec" AFTER)
[[ "${reply%% *}" == 202 ]] || fail "the restarted server answered $reply"
answer=$(verdict_of "$(field id "${reply#* }")")
[[ "$(field state "$answer")" == verified ]] || fail "a game submitted after the restart did not verify: $answer"
echo "world_checks ($store_kind): $count submissions answered 202 before SIGKILL; all kept; the restarted server verifies"

# ---- a bounded load: board reads while submissions are verified
# scripts/scores_bench.sh gives a heavier load here (KESTREL_SCORES_LOAD).
read -r -a load <<<"${KESTREL_SCORES_LOAD:---reads 1500 --rate 300 --connections 4 --submissions 10}"
"$run_dir/scores_load" --url "$url" --submit "$work/game.rec" --time-limit 60 "${load[@]}" ||
  fail "the load test failed"
