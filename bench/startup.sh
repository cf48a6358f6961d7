#!/usr/bin/env bash
# Start-up benchmark: SETUP.EXE's size (the 32-bit release) and, under Wine,
# its time from process start to first paint as a ratio to a minimal popup
# program measured in the same run. Usage: bench/startup.sh [runs]
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
scripts/deps
cmake --preset win32 >/dev/null && cmake --build --preset win32 -j2 >/dev/null
cmake --preset win64 >/dev/null && cmake --build --preset win64 -j2 >/dev/null
size=$(stat -c %s build/win32/res/SETUP.EXE)
echo "SETUP.EXE (i686): $size bytes ($(( (size + 1023) / 1024 )) KiB; goal: at most 384 KiB)"

export CHOOSER_WINEPREFIX=$PWD/build/bench-wine/prefix
scripts/wine-prefix "$CHOOSER_WINEPREFIX"
stage=$CHOOSER_WINEPREFIX/drive_c/BENCH
mkdir -p "$stage"
cp build/win64/res/SETUP.EXE build/win64/bench/minimal_popup.exe "$stage/"
xvfb-run -a -s "-screen 0 1024x768x24" \
  scripts/wine-run build/win64/bench/startup_bench.exe 'C:\BENCH\SETUP.EXE' 'C:\BENCH\minimal_popup.exe' "${1:-9}"
WINEPREFIX=$CHOOSER_WINEPREFIX /usr/lib/wine/wineserver -k 2>/dev/null || true
