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
# the chooser runs on a virtual display: a screenshot of every page goes to
# build/run/, OK is pressed with the default choices, and what the tool
# received and queued is printed.
#
# The Wine prefix is build/wine/prefix (CHOOSER_WINEPREFIX to change it);
# LC_ALL chooses Wine's code page (C: 1252, English messages and the
# code-page warning; zh_TW.UTF-8: 950, Big5 messages).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
scripts/deps

jobs=${CHOOSER_JOBS:-2}
out=$PWD/build/run
mkdir -p "$out"

# The release build is 32-bit; only a machine that runs 32-bit programs can
# start it. Elsewhere the same sources built for x86_64 run.
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j"$jobs" --target setup pdinstall bundle
setup=build/win64/res/SETUP.EXE
wine=/usr/lib/wine/wine64
if [ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1; then
  cmake --preset win32 >/dev/null
  cmake --build --preset win32 -j"$jobs" --target setup
  setup=build/win32/res/SETUP.EXE
  wine=/usr/lib/wine/wine
fi
x86_64-w64-mingw32-g++-posix -std=c++17 -Wall -Wextra -Werror -O2 -s -static \
  -o "$out/SHOWPAGE.EXE" tools/screenshots/show_page.cpp

export WINEPREFIX=${CHOOSER_WINEPREFIX:-$PWD/build/wine/prefix}
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
scripts/wine-prefix "$WINEPREFIX"
w64=/usr/lib/wine/wine64

# D:\ holds SETUP.EXE and the bundle, nothing else.
cdrom=$(realpath "$WINEPREFIX/../cdrom")
rm -rf "${cdrom:?}"/*
python3 tools/bundle/make_bundle.py "$cdrom"
cp "$setup" "$cdrom/SETUP.EXE"
cp "$out/SHOWPAGE.EXE" "$WINEPREFIX/drive_c/SHOWPAGE.EXE"

# As a desktop suite registers its install tool: path, a space, %1. A
# fresh prefix has no .txt class: give it one, so that the registration
# text opens in Notepad.
tool=$(printf 'Z:%s' "$(realpath build/win64/tools/desktop/PDINSTALL.EXE)" | tr / '\\')
"$w64" reg add 'HKLM\Software\CLASSES\pdbfile\Shell\open\command' /ve /d "$tool %1" /f >/dev/null
"$w64" reg add 'HKLM\Software\Classes\.txt' /ve /d txtfile /f >/dev/null

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
  "$wine" 'D:\SETUP.EXE' || true
  report
  exit 0
fi

# No display: a virtual one, driven with the X mouse.
cat >"$out/headless.sh" <<'HEADLESS'
set -euo pipefail
out=$1 wine=$2 log=$3
# Visible windows of SETUP.EXE: its pages (370 x 410) and its message boxes.
windows() { xdotool search --onlyvisible --class setup.exe 2>/dev/null || true; }
size_of() { eval "$(xdotool getwindowgeometry --shell "$1")"; echo "${WIDTH}x${HEIGHT}"; }
page() { for w in $(windows); do [ "$(size_of "$w")" = 370x410 ] && echo "$w"; done | head -1; }
box() { for w in $(windows); do [ "$(size_of "$w")" != 370x410 ] && echo "$w"; done | head -1; }
wait_for_page_other_than() {
  for _ in $(seq 150); do
    local b p; b=$(box); p=$(page)
    if [ -n "$b" ]; then  # the code-page warning, on a non-Big5 system
      shoot "$b" message; xdotool key Return
      for _ in $(seq 50); do [ -z "$(box)" ] && break; sleep 0.1; done
      continue
    fi
    if [ -n "$p" ] && [ "$p" != "$1" ]; then echo "$p"; return 0; fi
    sleep 0.1
  done
  echo "no page came up" >&2; return 1
}
click() { eval "$(xdotool getwindowgeometry --shell "$1")"; xdotool mousemove $((X + $2)) $((Y + $3)) click 1; }
shoot() {
  sleep 1
  eval "$(xdotool getwindowgeometry --shell "$1")"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out/$2.png"
  echo "  screenshot: build/run/$2.png" >&2
}

"$wine" 'D:\SETUP.EXE' &
chooser=$!
main=$(wait_for_page_other_than none); shoot "$main" main
click "$main" $((274 + 18)) $((210 + 10))   # product A's Options
suite=$(wait_for_page_other_than "$main"); shoot "$suite" suite
click "$suite" $((151 + 37)) $((369 + 14))  # OK
main=$(wait_for_page_other_than "$suite")
click "$main" $((274 + 18)) $((275 + 10))   # product C's Options
converter=$(wait_for_page_other_than "$main"); shoot "$converter" converter
click "$converter" $((151 + 37)) $((369 + 14))
main=$(wait_for_page_other_than "$converter")
"$wine" 'C:\SHOWPAGE.EXE' system            # product B has no Options button
system=$(wait_for_page_other_than "$main"); shoot "$system" system
click "$system" $((151 + 37)) $((369 + 14))
main=$(wait_for_page_other_than "$system")
echo "  pressing OK with the default choices" >&2
click "$main" $((96 + 37)) $((370 + 13))
wait "$chooser"
echo "  the chooser has ended" >&2
for _ in $(seq 100); do grep -q '^done:' "$log" 2>/dev/null && break; sleep 0.1; done
sleep 1
import -window root "$out/after-ok.png"
echo "  screenshot: build/run/after-ok.png (the registration text)" >&2
/usr/lib/wine/wineserver -k 2>/dev/null || true  # Notepad too, before the display goes
HEADLESS

rm -f "$out"/*.png
/usr/lib/wine/wineserver -k 2>/dev/null || true
echo "Running D:\\SETUP.EXE ($setup) on a virtual display"
status=0
xvfb-run -a -s "-screen 0 1024x768x24" bash "$out/headless.sh" "$out" "$wine" "$store/install-tool.log" || status=$?
report
/usr/lib/wine/wineserver -k 2>/dev/null || true
exit $status
