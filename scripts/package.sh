#!/usr/bin/env bash
# Builds the Debian package of Merlos in build/package/ and prints its path.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target Merlos cube regocx32
rm -f build/package/*.deb
(cd build && cpack -G DEB >/dev/null)
ls build/package/*.deb
