#!/usr/bin/env bash
# Runs every test: builds the 32-bit release SETUP.EXE (warning-free), the
# 64-bit build and its tests under Wine and Xvfb in a fresh private prefix,
# the text utilities natively with sanitizers, and a short fuzz run. Every
# test runs once: a test that fails, fails the run. Everything the tests
# write stays in build/ and /tmp (scripts/wine-env points Wine's HOME and
# XDG folders into build/home). Prints the time each stage took.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
scripts/deps
# The test command's own prefix and home, whatever the caller's settings.
export CHOOSER_WINEPREFIX=$PWD/build/wine/prefix CHOOSER_HOME=$PWD/build/home
source scripts/wine-env

jobs=$(nproc)
started=$SECONDS
stage() {  # stage NAME: the time since the previous stage
  printf '== %-28s %4d s\n' "$1" $((SECONDS - started)) >&2
  started=$SECONDS
}

cmake --preset win32 >/dev/null
cmake --build --preset win32 -j"$jobs"
stage "32-bit release build"
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j"$jobs"
stage "64-bit build"

# A prefix made anew for each run, so that nothing of an earlier run
# (atoms, registry, files) is seen.
/usr/lib/wine/wineserver -k 2>/dev/null || true
rm -rf build/wine build/home
source scripts/wine-env
scripts/wine-prefix
stage "Wine prefix"

status=0
xvfb-run -a -s "-screen 0 1600x1400x24" ctest --preset win64 --timeout 300 || status=1
/usr/lib/wine/wineserver -k 2>/dev/null || true
stage "tests under Wine"

cmake --preset native >/dev/null
cmake --build --preset native -j"$jobs"
ctest --preset native || status=1
stage "native tests (sanitizers)"
scripts/fuzz --short || status=1
stage "fuzz run"
exit $status
