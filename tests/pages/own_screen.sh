#!/usr/bin/env bash
# Runs chooser tests on an X display of their own, of a size other than
# the test command's screen (the pages on a screen too small for their
# scale). Wine's desktop keeps the size of the display its server started
# on, so the Wine slot's server (scripts/wine-env) is ended before the run,
# to start again on the new display, and after it, so that the slot's next
# test starts on the slot's own display again.
#
#   own_screen.sh SOURCE_DIR WIDTHxHEIGHT TEST_EXE TEST_FILTER
set -euo pipefail
source=$1 size=$2 test_exe=$3 filter=$4
source "$source/scripts/wine-env"
prefix=$(realpath -m "$CHOOSER_WINEPREFIX")
flock "$source/scripts/wine-prefix" "$source/scripts/wine-prefix" "$prefix"

fifo=$prefix/../own-screen.fifo
xvfb=
end_server() { "$CHOOSER_WINESERVER" -k 2>/dev/null || true; "$CHOOSER_WINESERVER" -w 2>/dev/null || true; }
finish() {
  end_server
  if [ -n "$xvfb" ]; then kill "$xvfb" 2>/dev/null || true; fi
  rm -f "$fifo"
}
trap finish EXIT
rm -f "$fifo"
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$fifo" 2>/dev/null &
xvfb=$!
read -r number <"$fifo"
end_server
DISPLAY=:$number "$CHOOSER_WINE" "$test_exe" --gtest_color=no --gtest_filter="$filter"
