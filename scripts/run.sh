#!/usr/bin/env bash
# Installs what is missing, builds the application in Release and starts it.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
build="$top/build/release"
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DZELK_TESTS=OFF -DZELK_BENCH=OFF
cmake --build "$build" --target zelk-id-card
exec "$build/bin/zelk-id-card" "$@"
