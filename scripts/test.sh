#!/usr/bin/env bash
# Installs what is missing, builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs every test.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
build="$top/build/test"
jobs=$(nproc)
export CCACHE_BASEDIR="$top" CCACHE_NOHASHDIR=1
export CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
export CCACHE_MAXSIZE=${CCACHE_MAXSIZE:-5G}
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" -DCMAKE_C_FLAGS_DEBUG="-O1 -g" \
  -DZELK_SANITIZE=ON -DZELK_TESTS=ON -DZELK_BENCH=ON
cmake --build "$build" -j "$jobs"
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="$build/xdg-runtime"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
cd "$build"
ctest -j "$jobs" --output-on-failure --timeout 600 "$@"
