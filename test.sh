#!/usr/bin/env bash
# Runs every test: builds the 32-bit release SETUP.EXE (warning-free), the
# 64-bit build and its tests under Wine and Xvfb in fresh private prefixes,
# the text utilities natively with sanitizers, and a short fuzz run. Every
# test runs once: a test that fails, fails the run. Everything the tests
# write stays in build/ and /tmp (scripts/wine-env points Wine's HOME and
# XDG folders into build/home). Prints the time each stage took.
#
# What runs side by side: the Wine prefixes are made while the programs
# build; the Windows tests run two at a time, each in a Wine slot of its own
# (prefix, wineserver and Xvfb display: scripts/wine-env), while the native
# tests and the fuzz run use what processor time is left.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
scripts/deps
# The test command's own prefix and home, whatever the caller's settings.
export CHOOSER_WINEPREFIX=$PWD/build/wine/prefix CHOOSER_HOME=$PWD/build/home
source scripts/wine-env

jobs=$(nproc)
slots=2
started=$SECONDS
stage() {  # stage NAME: the time since the previous stage
  printf '== %-40s %4d s\n' "$1" $((SECONDS - started)) >&2
  started=$SECONDS
}
pids=()
cleanup() { for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done; }
trap cleanup EXIT

# Prefixes made anew for each run, so that nothing of an earlier run
# (atoms, registry, files) is seen; made while the programs build.
prefixes=(build/wine/prefix)
for ((slot = 1; slot < slots; slot++)); do prefixes+=("build/wine-$slot/prefix"); done
for prefix in "${prefixes[@]}"; do
  WINEPREFIX=$PWD/$prefix "$CHOOSER_WINESERVER" -k 2>/dev/null || true
  rm -rf "$(dirname "$prefix")"
done
rm -rf build/home
source scripts/wine-env
mkdir -p build
(for prefix in "${prefixes[@]}"; do scripts/wine-prefix "$PWD/$prefix" || exit 1; done) \
  >build/wine-prefixes.log 2>&1 &
prefixes_made=$!

cmake --preset win32 >/dev/null
cmake --build --preset win32 -j"$jobs" --target setup
stage "32-bit release build"
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j"$jobs"
stage "64-bit build"
wait $prefixes_made || { cat build/wine-prefixes.log >&2; exit 1; }
stage "Wine prefixes (rest)"

# The native tests and the fuzz run, beside the Windows tests.
(cmake --preset native >/dev/null && cmake --build --preset native -j1 &&
   ctest --preset native && scripts/fuzz --short) >build/native.log 2>&1 &
native=$!
pids+=($native)

# A display for each slot past the first (xvfb-run gives slot 0 its own).
screen="1600x1400x24"
for ((slot = 1; slot < slots; slot++)); do
  rm -f build/wine-$slot/display.fifo
  mkfifo build/wine-$slot/display.fifo
  Xvfb -displayfd 3 -screen 0 $screen -nolisten tcp 3>build/wine-$slot/display.fifo 2>/dev/null &
  pids+=($!)
  read -r number <build/wine-$slot/display.fifo
  echo ":$number" >build/wine-$slot/display
done
printf '{"version":{"major":1,"minor":0},"local":[{"wine":[' >build/wine-slots.json
for ((slot = 0; slot < slots; slot++)); do
  printf '%s{"id":"%d","slots":1}' "$([ $slot -gt 0 ] && echo ,)" $slot >>build/wine-slots.json
done
printf ']}]}\n' >>build/wine-slots.json

status=0
xvfb-run -a -s "-screen 0 $screen" ctest --preset win64 --timeout 300 -j$((slots + 1)) \
  --resource-spec-file "$PWD/build/wine-slots.json" || status=1
for prefix in "${prefixes[@]}"; do WINEPREFIX=$PWD/$prefix "$CHOOSER_WINESERVER" -k 2>/dev/null || true; done
stage "tests under Wine"

if wait $native; then
  grep -E '^(100% tests passed|fuzz_)' build/native.log
else
  status=1
  cat build/native.log
  echo "the native tests or the fuzz run failed (above)" >&2
fi
stage "native tests and fuzz run (rest)"
exit $status
