#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time (seconds, default 60)
# on its corpus. Crash inputs land in fuzz/<target>/crashes/ and are kept as regression inputs.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DMERLO_FUZZ=ON -DMERLO_TESTS=OFF -DMERLO_BENCH=OFF
cmake --build build-fuzz
export QT_QPA_PLATFORM=offscreen
status=0
for bin in build-fuzz/fuzz-bin/*; do
  [ -x "$bin" ] || continue
  name=$(basename "$bin")
  src=fuzz/${name#fuzz_}
  [ -d "$src" ] || src=fuzz/$name
  work=$(mktemp -d)
  mkdir -p "$src/corpus" "$src/crashes"
  # Known crash inputs first: each must now pass.
  if compgen -G "$src/crashes/*" >/dev/null; then
    "$bin" "$src"/crashes/* || status=1
  fi
  echo "fuzzing $name for ${seconds}s"
  "$bin" -max_total_time="$seconds" -artifact_prefix="$src/crashes/" "$work" "$src/corpus" || status=1
  rm -rf "$work"
done
exit $status
