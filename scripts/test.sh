#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite. With "sanitize" it uses a separate
# AddressSanitizer + UndefinedBehaviorSanitizer build.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
dir=build
flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
if [ "${1:-}" = sanitize ]; then
  dir=build-asan
  flags=(-DCMAKE_BUILD_TYPE=Debug -DMERLO_SANITIZE=ON -DMERLO_BENCH=OFF)
fi
cmake -S . -B "$dir" -G Ninja "${flags[@]}"
cmake --build "$dir"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$dir" --output-on-failure -j2 --timeout 600
