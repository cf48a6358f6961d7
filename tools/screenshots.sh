#!/usr/bin/env bash
# Screenshots of the chooser's four pages for the README, taken from the
# real SETUP.EXE running under Wine on a virtual X display, on the
# Traditional Chinese code page and started from a CD-ROM drive's root.
#
#   tools/screenshots.sh [OUTDIR]      OUTDIR defaults to docs/screenshots
#
# Writes main.png, suite.png, system.png and converter.png: the window
# alone, its cut-off corners transparent. The pages are reached as a user
# reaches them: the main page's Options buttons (clicked with the X mouse)
# open the suite and converter pages, and their OK buttons lead back. The
# system page has no Options button on the main page; SHOWPAGE.EXE
# (tools/screenshots/show_page.cpp) brings the running chooser's own hidden
# system page on screen, as that button would.
#
# Uses the x86_64 build (CHOOSER_SCREENSHOT_BUILD_DIR, default build/win64)
# and a private Wine prefix under that build folder.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$here"
scripts/deps

out=$(realpath -m "${1:-docs/screenshots}")
build=$(realpath -m "${CHOOSER_SCREENSHOT_BUILD_DIR:-build/win64}")
work=$build/screenshots
cmake --preset win64 -B "$build" >/dev/null
cmake --build "$build" -j"${CHOOSER_JOBS:-2}" --target setup
mkdir -p "$work" "$out"
x86_64-w64-mingw32-g++-posix -std=c++17 -Wall -Wextra -Werror -O2 -s -static \
  -o "$work/SHOWPAGE.EXE" tools/screenshots/show_page.cpp

export WINEPREFIX=$work/prefix WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
scripts/wine-prefix "$WINEPREFIX"
cdrom=$(realpath "$WINEPREFIX/../cdrom")
rm -rf "${cdrom:?}"/*
cp "$build/res/SETUP.EXE" "$cdrom/SETUP.EXE"
python3 tools/bundle/make_bundle.py "$cdrom" >/dev/null
cp "$work/SHOWPAGE.EXE" "$WINEPREFIX/drive_c/SHOWPAGE.EXE"

# The part that runs on the virtual display.
cat >"$work/take.sh" <<'TAKE'
set -euo pipefail
out=$1 work=$2
wine=/usr/lib/wine/wine64

# The chooser's visible page: its X window id (all four pages are windows
# of SETUP.EXE; one is shown at a time).
shown() { xdotool search --onlyvisible --class setup.exe 2>/dev/null | head -1; }
wait_for_change() {  # waits until a page other than $1 is shown
  for _ in $(seq 100); do
    local now; now=$(shown)
    if [ -n "$now" ] && [ "$now" != "$1" ]; then echo "$now"; return 0; fi
    sleep 0.1
  done
  echo "the page did not change" >&2; return 1
}
click() {  # click at client point ($2, $3) of window $1
  eval "$(xdotool getwindowgeometry --shell "$1")"
  xdotool mousemove $((X + $2)) $((Y + $3)) click 1
}
shoot() {  # window $1 to $out/$2.png, corners outside the rounded region clear
  sleep 1  # let the page paint
  eval "$(xdotool getwindowgeometry --shell "$1")"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$work/raw.png"
  convert "$work/raw.png" \
    \( -size "${WIDTH}x${HEIGHT}" xc:black +antialias -fill white \
       -draw "roundrectangle 0,0 $((WIDTH - 1)),$((HEIGHT - 1)) 12,12" \) \
    -alpha off -compose CopyOpacity -composite -strip \
    -define png:compression-level=9 "$out/$2.png"
  echo "  $2.png"
}

LC_ALL=zh_TW.UTF-8 $wine 'D:\SETUP.EXE' &
main=$(wait_for_change none)
shoot "$main" main

click "$main" $((274 + 18)) $((210 + 10))      # product A's Options
suite=$(wait_for_change "$main"); shoot "$suite" suite
click "$suite" $((151 + 37)) $((369 + 14))     # OK, back to the main page
main=$(wait_for_change "$suite")

click "$main" $((274 + 18)) $((275 + 10))      # product C's Options
converter=$(wait_for_change "$main"); shoot "$converter" converter
click "$converter" $((151 + 37)) $((369 + 14))
main=$(wait_for_change "$converter")

LC_ALL=zh_TW.UTF-8 $wine 'C:\SHOWPAGE.EXE' system
system=$(wait_for_change "$main"); shoot "$system" system
click "$system" $((151 + 37)) $((369 + 14))
main=$(wait_for_change "$system")

click "$main" $((201 + 37)) $((370 + 13))      # Exit
wait
/usr/lib/wine/wineserver -k 2>/dev/null || true  # before the display goes
TAKE

echo "screenshots in $out:"
/usr/lib/wine/wineserver -k 2>/dev/null || true
xvfb-run -a -s "-screen 0 1024x768x24" bash "$work/take.sh" "$out" "$work"
/usr/lib/wine/wineserver -k 2>/dev/null || true
rm -rf "${cdrom:?}"/*
