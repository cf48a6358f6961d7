#!/usr/bin/env bash
# Builds SETUP.EXE and the stand-in handheld desktop, stages the sample
# bundle with SETUP.EXE on Wine's CD-ROM drive D:, registers the stand-in
# install tool (PDINSTALL.EXE) as the open command of handheld databases,
# and starts the chooser from D:\.
#
#   ./run.sh
#
# With a display ($DISPLAY set) the chooser is yours to use; when it has
# ended, what the install tool received and queued is printed. Without one
# the chooser runs on a virtual display: the page tour (scripts/chooser-tour)
# saves a screenshot of every page to build/run/ and presses OK with the
# default choices, and what the tool received and queued is printed.
#
# The Wine prefix is build/wine/prefix (scripts/wine-env; CHOOSER_WINEPREFIX
# to change it); LC_ALL chooses Wine's code page (C: 1252, English messages
# and the code-page warning; zh_TW.UTF-8: 950, Big5 messages).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
scripts/deps
source scripts/wine-env

jobs=${CHOOSER_JOBS:-2}
out=$PWD/build/run
mkdir -p "$out"

# The release build is 32-bit; only a machine that runs 32-bit programs can
# start it. Elsewhere the same sources built for x86_64 run.
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j"$jobs" --target setup pdinstall bundle show_page
setup=build/win64/program/SETUP.EXE
chooser=$CHOOSER_WINE
if [ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1; then
  cmake --preset win32 >/dev/null
  cmake --build --preset win32 -j"$jobs" --target setup
  setup=build/win32/program/SETUP.EXE
  chooser=/usr/lib/wine/wine
fi
scripts/wine-prefix

# D:\ holds SETUP.EXE and the bundle, nothing else.
scripts/stage-cd "$setup" build/win64/bundle

# The stand-in install tool registers itself as a desktop suite does:
# path, a space, %1. A fresh prefix has no .txt class: give it one, so
# that the registration text opens in Notepad.
scripts/wine-run build/win64/tools/desktop/PDINSTALL.EXE /register
scripts/wine-run reg add 'HKLM\Software\Classes\.txt' /ve /d txtfile /f >/dev/null

# The stand-in desktop's store (C:\HandheldDesktop\), emptied.
store=$WINEPREFIX/drive_c/HandheldDesktop
rm -rf "$store"

report() {
  local log=$store/install-tool.log
  for _ in $(seq 100); do
    grep -q '^done:' "$log" 2>/dev/null && break
    sleep 0.1
  done
  if [ ! -f "$log" ]; then
    echo "The install tool was not started."
    return
  fi
  echo "What the install tool received and did ($log):"
  tr -d '\r' <"$log" | sed 's/^/  /'
  echo "Queued for the handheld user (C:\\HandheldDesktop\\Handheld User\\Install\\):"
  ls "$store/Handheld User/Install" 2>/dev/null | sed 's/^/  /' || true
}

if [ -n "${DISPLAY:-}" ]; then
  echo "Starting D:\\SETUP.EXE ($setup)"
  "$chooser" 'D:\SETUP.EXE' || true
  report
  exit 0
fi

rm -f "$out"/*.png
"$CHOOSER_WINESERVER" -k 2>/dev/null || true
echo "Running D:\\SETUP.EXE ($setup) on a virtual display"
status=0
xvfb-run -a -s "-screen 0 1024x768x24" \
  scripts/chooser-tour "$out" ok build/win64/tools/screenshots/SHOWPAGE.EXE || status=$?
report
"$CHOOSER_WINESERVER" -k 2>/dev/null || true  # the registration text's viewer too
exit $status
