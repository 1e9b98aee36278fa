#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite. With "sanitize" it uses a separate clang build with
# AddressSanitizer + UndefinedBehaviorSanitizer, which also builds the fuzz targets.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
if [ "${1:-}" = sanitize ]; then
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
ctest --test-dir "$dir" --output-on-failure -j2 --timeout 600
