#!/usr/bin/env bash
# Screenshots of the chooser's pages for the README, taken from the real
# SETUP.EXE running under Wine on a virtual X display, on the Traditional
# Chinese code page and started from a CD-ROM drive's root, by the page
# tour (scripts/chooser-tour): main.png, suite.png, system.png and
# converter.png at 96 dots per inch, and the main page at 144 (150%) and
# 192 (200%), main-150.png and main-200.png.
#
#   tools/screenshots.sh [OUTDIR]      OUTDIR defaults to docs/screenshots
#
# Uses the x86_64 build (build/win64) and a Wine prefix of its own
# (build/screenshots/prefix), so the tests' prefix is left alone.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$here"
scripts/deps
export CHOOSER_WINEPREFIX=$here/build/screenshots/prefix
source scripts/wine-env

out=$(realpath -m "${1:-docs/screenshots}")
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j"${CHOOSER_JOBS:-2}" --target setup bundle show_page
scripts/wine-prefix
scripts/stage-cd build/win64/program/SETUP.EXE build/win64/bundle
showpage=build/win64/tools/screenshots/SHOWPAGE.EXE
dpi() { scripts/wine-run reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null; }

echo "screenshots in $out:"
"$CHOOSER_WINESERVER" -k 2>/dev/null || true
tour() { env LC_ALL=zh_TW.UTF-8 xvfb-run -a -s "-screen 0 1600x1400x24" scripts/chooser-tour "$@"; }
dpi 96
tour "$out" exit "$showpage"
# The main page at another scale: DPI, the page's scale, the file's suffix.
scaled() {
  dpi "$1"
  tour "$out/$3" exit "$showpage" "$2" main
  mv "$out/$3/main.png" "$out/main-$3.png"
  rmdir "$out/$3"
}
scaled 144 1.5 150
scaled 192 2 200
dpi 96
"$CHOOSER_WINESERVER" -k 2>/dev/null || true
find "$(realpath -m "$WINEPREFIX/../cdrom")" -mindepth 1 -delete
