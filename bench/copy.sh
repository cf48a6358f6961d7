#!/usr/bin/env bash
# Copy benchmark: the toolkit's file and tree copy against CopyFileA under
# Wine, in a prefix of its own (a 64 MiB file and a tree of 200 small files;
# the toolkit's prescribed 20 ms pauses subtracted; goal: ratio at most 2).
# Usage: bench/copy.sh [runs]   (BUILD_DIR: the win64 build, default build/win64)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
scripts/deps
build=${BUILD_DIR:-build/win64}
cmake --preset win64 -B "$build" >/dev/null && cmake --build "$build" -j2 --target copy_bench >/dev/null

export CHOOSER_WINEPREFIX=$PWD/build/copy-bench-wine/prefix
scripts/wine-prefix "$CHOOSER_WINEPREFIX"
scripts/wine-run "$build/bench/copy_bench.exe" 'C:\COPYBENCH' "${1:-5}"
source scripts/wine-env
"$CHOOSER_WINESERVER" -k 2>/dev/null || true
