#!/usr/bin/env bash
# Builds the libFuzzer targets and runs each for FUZZ_SECONDS (default 30)
# with a fixed seed, starting from the committed corpus, the shipped data
# files and a dictionary. Every file under fuzz/crashes/<target>/ is replayed
# first as a regression test. New inputs go to a scratch folder, so the
# committed corpus only changes by hand.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${FUZZ_SECONDS:-30}"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$(nproc)"
bin=build/fuzz/fuzz
run=build/dev/run   # shipped files, when a dev build exists
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
declare -A dict=([fuzz_settings]=text [fuzz_high_scores]=text [fuzz_anim_data]=text [fuzz_bmp]=bmp
                 [fuzz_sound_files]=sound [fuzz_input_script]=script [fuzz_recording]=recording [fuzz_media_command]=media
                 [fuzz_animation_file]=text [fuzz_colour_list]=text)
declare -A shipped=([fuzz_settings]="settings.dat" [fuzz_high_scores]="high_scores.dat" [fuzz_anim_data]="anim_data.dat"
                    [fuzz_sound_files]="battle029.wav battle003.wav Item2.wav Missile2.mp3 29H.WAV")
summary=()
for target in fuzz_settings fuzz_high_scores fuzz_anim_data fuzz_bmp fuzz_sound_files fuzz_input_script fuzz_recording \
              fuzz_media_command fuzz_animation_file fuzz_colour_list; do
  [ -x "$bin/$target" ] || { echo "== $target: not built, skipped"; continue; }
  crashes=(fuzz/crashes/$target/*)
  if [ -e "${crashes[0]}" ]; then
    echo "== $target: replaying ${#crashes[@]} past crash files"
    "$bin/$target" -malloc_limit_mb=256 "${crashes[@]}"
  fi
  seeds="$scratch/seeds-$target"
  mkdir -p "$seeds" "$scratch/$target"
  for f in ${shipped[$target]:-}; do [ -f "$run/$f" ] && cp "$run/$f" "$seeds/"; done
  echo "== $target: fuzzing for ${seconds}s"
  log="$scratch/$target.log"
  "$bin/$target" -seed=1 -max_total_time="$seconds" -malloc_limit_mb=256 -timeout=10 \
      -dict="fuzz/dict/${dict[$target]}.dict" -artifact_prefix="$scratch/" \
      "$scratch/$target" "fuzz/corpus/$target" "$seeds" >"$log" 2>&1 || {
    tail -40 "$log"
    echo "== $target FAILED; the input is kept in fuzz/crashes/$target/"
    mkdir -p "fuzz/crashes/$target"
    cp "$scratch"/crash-* "$scratch"/leak-* "$scratch"/oom-* "$scratch"/timeout-* "fuzz/crashes/$target/" 2>/dev/null || true
    exit 1
  }
  runs=$(grep -o 'Done [0-9]* runs' "$log" | grep -o '[0-9]*' || echo 0)
  summary+=("$target: $runs executions in ${seconds}s")
done
printf '%s\n' "${summary[@]}"
