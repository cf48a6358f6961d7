#!/usr/bin/env bash
# Start-up benchmark: SETUP.EXE's size (the 32-bit release) and, under Wine,
# its time from process start to first paint against two references timed
# in the same run, round robin: a minimal popup program (the least a Win32
# program does to paint a window) and a peer installer built with makensis
# (bench/peer.nsi: a components page of the chooser's shape).
# Usage: bench/startup.sh [runs]
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
scripts/deps nsis  # the peer installer's compiler, makensis
cmake --preset win32 >/dev/null && cmake --build --preset win32 -j2 --target setup >/dev/null
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j2 --target setup startup_bench minimal_popup >/dev/null
size=$(stat -c %s build/win32/program/SETUP.EXE)
echo "SETUP.EXE (i686): $size bytes ($(( (size + 1023) / 1024 )) KiB; budget: 384 KiB)"

export CHOOSER_WINEPREFIX=$PWD/build/bench-wine/prefix
source scripts/wine-env
scripts/wine-prefix
stage=$WINEPREFIX/drive_c/BENCH
mkdir -p "$stage"
makensis -V1 "-DOUTFILE=$stage/PEER.EXE" bench/peer.nsi
cp build/win64/program/SETUP.EXE build/win64/bench/minimal_popup.exe "$stage/"
xvfb-run -a -s "-screen 0 1024x768x24" scripts/wine-run build/win64/bench/startup_bench.exe \
  "${1:-21}" 'SETUP.EXE=C:\BENCH\SETUP.EXE' 'popup=C:\BENCH\minimal_popup.exe' \
  'peer=C:\BENCH\PEER.EXE'
echo "goals: SETUP.EXE / popup at most 1.30, SETUP.EXE / peer at most 0.70"
"$CHOOSER_WINESERVER" -k 2>/dev/null || true
