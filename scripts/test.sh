#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite.
#
#   scripts/test.sh [sanitize] [repeat N [REGEX]]
#
# With "sanitize" it uses a separate clang build with AddressSanitizer + UndefinedBehaviorSanitizer,
# which also builds the fuzz targets. With "repeat N" it runs the suite (or only the tests whose
# names match REGEX) N times in a row with the same build, then prints how often each test failed;
# it fails if any test failed even once. Each round closes the real window at other moments
# (MERLO_CLOSE_SEED), unless that is set already.
set -euo pipefail
cd "$(dirname "$0")/.."

sanitize=false
rounds=0
regex=""
if [ "${1:-}" = sanitize ]; then
  sanitize=true
  shift
fi
if [ "${1:-}" = repeat ]; then
  rounds=${2:-}
  regex=${3:-}
  if ! [[ "$rounds" =~ ^[1-9][0-9]*$ ]]; then
    echo "usage: scripts/test.sh [sanitize] [repeat N [REGEX]]" >&2
    exit 2
  fi
elif [ $# -gt 0 ]; then
  echo "usage: scripts/test.sh [sanitize] [repeat N [REGEX]]" >&2
  exit 2
fi

scripts/setup.sh
if $sanitize; then
  dir=build-asan
  export CC=clang CXX=clang++
  flags=(-DCMAKE_BUILD_TYPE=Debug -DMERLO_SANITIZE=ON -DMERLO_FUZZ=ON -DMERLO_BENCH=OFF)
else
  dir=build
  flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
fi
cmake -S . -B "$dir" -G Ninja "${flags[@]}"
cmake --build "$dir"
export QT_QPA_PLATFORM=offscreen
run=(ctest --test-dir "$dir" --output-on-failure -j2 --timeout 600)
[ -n "$regex" ] && run+=(-R "$regex")

if [ "$rounds" -eq 0 ]; then
  exec "${run[@]}"
fi

# CTest names the failed tests of its last run, one "number:name" a line.
failed_log="$dir/Testing/Temporary/LastTestsFailed.log"
declare -A failures=()
bad_rounds=0
start=$SECONDS
for ((round = 1; round <= rounds; ++round)); do
  rm -f "$failed_log"
  seed=${MERLO_CLOSE_SEED:-$((4241 + round))}
  echo "=== round $round of $rounds (MERLO_CLOSE_SEED=$seed)"
  if ! MERLO_CLOSE_SEED=$seed "${run[@]}"; then
    bad_rounds=$((bad_rounds + 1))
    if [ -s "$failed_log" ]; then
      while IFS= read -r line; do
        name=${line#*:}
        failures[$name]=$((${failures[$name]:-0} + 1))
      done <"$failed_log"
    else
      failures["(ctest itself failed)"]=$((${failures["(ctest itself failed)"]:-0} + 1))
    fi
  fi
done

echo
echo "=== $rounds rounds in $((SECONDS - start)) s: $bad_rounds with a failure"
if [ "${#failures[@]}" -eq 0 ]; then
  echo "no test failed"
  exit 0
fi
for name in "${!failures[@]}"; do
  printf '%6d of %d  %s\n' "${failures[$name]}" "$rounds" "$name"
done | sort -k1,1nr -k4
exit 1
