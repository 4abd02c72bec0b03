#!/usr/bin/env bash
# Builds the libFuzzer targets and runs each for FUZZ_SECONDS (default 30)
# with a fixed seed, starting from the committed corpus, the shipped data
# files and a dictionary. Every file under fuzz/crashes/<target>/ is replayed
# first as a regression test. New inputs go to a scratch folder, so the
# committed corpus only changes by hand. FUZZ_JOBS targets run at once
# (default: one per core).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${FUZZ_SECONDS:-30}"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$(nproc)"
bin=build/fuzz/fuzz
run=build/dev/run   # shipped files, when a dev build exists
# The submission fuzzer's verifier reads the game's pictures from there.
export KESTREL_FUZZ_ASSETS="${KESTREL_FUZZ_ASSETS:-$PWD/$run}"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
jobs="${FUZZ_JOBS:-$(nproc)}"
# One target: its past crash files first, then FUZZ_SECONDS of fuzzing. The
# verdict goes to $scratch/TARGET.result, the output to $scratch/TARGET.log.
fuzz_one() {
  local target="$1" dict="$2" shipped="$3" log="$scratch/$1.log"
  {
    crashes=(fuzz/crashes/$target/*)
    if [ -e "${crashes[0]}" ]; then
      echo "== $target: replaying ${#crashes[@]} past crash files"
      "$bin/$target" -malloc_limit_mb=256 "${crashes[@]}" || { echo "a past crash file fails again"; exit 1; }
    fi
    seeds="$scratch/seeds-$target"
    mkdir -p "$seeds" "$scratch/$target"
    for f in $shipped; do [ -f "$run/$f" ] && cp "$run/$f" "$seeds/"; done
    "$bin/$target" -seed=1 -max_total_time="$seconds" -malloc_limit_mb=256 -timeout=10 \
        -dict="fuzz/dict/$dict.dict" -artifact_prefix="$scratch/$target-" \
        "$scratch/$target" "fuzz/corpus/$target" "$seeds"
  } >"$log" 2>&1 && echo ok >"$scratch/$target.result" || echo failed >"$scratch/$target.result"
}
# The targets, their dictionaries and seed files, as fuzz/CMakeLists.txt names
# them, run FUZZ_JOBS at a time (default: one per core).
targets=()
while read -r target dict shipped; do
  [ -x "$bin/$target" ] || { echo "== $target: not built, skipped"; continue; }
  while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do wait -n || true; done
  echo "== $target: fuzzing for ${seconds}s"
  fuzz_one "$target" "$dict" "$shipped" </dev/null &
  targets+=("$target")
done <build/fuzz/fuzz/targets.txt
wait
status=0
for target in "${targets[@]}"; do
  if [ "$(cat "$scratch/$target.result" 2>/dev/null)" = ok ]; then
    runs=$(grep -o 'Done [0-9]* runs' "$scratch/$target.log" | grep -o '[0-9]*' || echo 0)
    echo "$target: $runs executions in ${seconds}s"
  else
    tail -40 "$scratch/$target.log"
    echo "== $target FAILED; the input is kept in fuzz/crashes/$target/"
    mkdir -p "fuzz/crashes/$target"
    cp "$scratch/$target"-crash-* "$scratch/$target"-leak-* "$scratch/$target"-oom-* "$scratch/$target"-timeout-* \
       "fuzz/crashes/$target/" 2>/dev/null || true
    status=1
  fi
done
exit $status
