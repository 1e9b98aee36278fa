#!/usr/bin/env bash
# Runs every libFuzzer target for a bounded time (seconds, default 60) on its corpus, in the clang
# sanitizer build (made here if missing). Known crash inputs in fuzz/<target>/crashes/ run first;
# new crash inputs land there too and are kept as regression inputs.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
scripts/setup.sh
export CC=clang CXX=clang++
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DMERLO_SANITIZE=ON -DMERLO_FUZZ=ON \
  -DMERLO_BENCH=OFF >/dev/null
cmake --build build-asan
export QT_QPA_PLATFORM=offscreen
export LSAN_OPTIONS="suppressions=$PWD/fuzz/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
status=0
for bin in build-asan/fuzz-bin/fuzz_*; do
  [ -x "$bin" ] || continue
  name=$(basename "$bin")
  src=fuzz/${name#fuzz_}
  work=$(mktemp -d)
  mkdir -p "$src/corpus"
  if compgen -G "$src/crashes/*" >/dev/null; then
    "$bin" "$src"/crashes/* || status=1
  fi
  echo "fuzzing $name for ${seconds}s"
  mkdir -p "$work/crashes"
  if ! "$bin" -max_total_time="$seconds" -artifact_prefix="$work/crashes/" "$work" "$src/corpus"; then
    status=1
    mkdir -p "$src/crashes"
    cp "$work"/crashes/* "$src/crashes/" 2>/dev/null || true
  fi
  rm -rf "$work"
done
exit $status
