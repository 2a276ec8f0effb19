#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, ASan+UBSan) and runs each for a short while from its seed
# corpus: FUZZ_SECONDS (default 30) each, two at a time. The seeds are copied, never changed.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-30}
cmake --preset fuzz
cmake --build --preset fuzz -j "$(nproc)"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

run_one() {
  local target=$1 seconds=$2 work=$3
  local name=${target#fuzz_}
  local corpus=$work/$name
  mkdir -p "$corpus"
  [ -d "fuzz/corpus/$name" ] && cp -r "fuzz/corpus/$name/." "$corpus/"
  local extra=()
  [ -f "fuzz/$name.dict" ] && extra+=("-dict=fuzz/$name.dict")
  if build-fuzz/bin/"$target" -max_total_time="$seconds" -rss_limit_mb=4096 -print_final_stats=1 -artifact_prefix="$work/$name-" \
       "${extra[@]}" "$corpus" >"$work/$name.log" 2>&1; then
    echo "$target: $(grep -o 'stat::number_of_executed_units: [0-9]*' "$work/$name.log" | awk '{print $2}') runs, no finding"
  else
    echo "$target: FAILED"; tail -40 "$work/$name.log"; return 1
  fi
}
export -f run_one

targets=$(cd build-fuzz/bin && ls fuzz_* | grep -v '\.')
printf '%s\n' $targets | xargs -P 2 -I{} bash -c 'run_one "$@"' _ {} "$seconds" "$work"
