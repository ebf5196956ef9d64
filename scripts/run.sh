#!/usr/bin/env bash
# Installs what is missing, builds the application in Release and starts it.
set -euo pipefail
# The application opens windows: without a display Qt would abort, after the
# whole build. Say so first.
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
  echo "Zelk ID Card needs a desktop session: no display was found (DISPLAY and WAYLAND_DISPLAY are not set)." >&2
  echo "Start it from a terminal of your desktop, or over ssh -X. To build only, use cmake or ./scripts/test.sh." >&2
  exit 1
fi
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
build="$top/build/release"
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DZELK_TESTS=OFF -DZELK_BENCH=OFF
cmake --build "$build" --target zelk-id-card
exec "$build/bin/zelk-id-card" "$@"
