#!/usr/bin/env bash
# Copy benchmark: the toolkit's file and tree copy against CopyFileA under
# Wine, in a prefix of its own (a 64 MiB file and a tree of 200 small files;
# the toolkit's prescribed 20 ms pauses subtracted; goal: ratio at most 2).
# Usage: bench/copy.sh [runs]
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
scripts/deps
cmake --preset win64 >/dev/null && cmake --build --preset win64 -j2 --target copy_bench >/dev/null

export CHOOSER_WINEPREFIX=$PWD/build/copy-bench-wine/prefix
scripts/wine-prefix "$CHOOSER_WINEPREFIX"
scripts/wine-run build/win64/bench/copy_bench.exe 'C:\COPYBENCH' "${1:-5}"
WINEPREFIX=$CHOOSER_WINEPREFIX /usr/lib/wine/wineserver -k 2>/dev/null || true
