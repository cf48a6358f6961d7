#!/usr/bin/env bash
# Makes the release of the chooser: the 32-bit SETUP.EXE with the bundle,
# as the disc's root folder, as a zip and as a CD image.
#
#   ./release.sh [OUTDIR]          OUTDIR defaults to dist/
#
# OUTDIR/KIVOHK2K/      the disc's root: SETUP.EXE, AUTORUN.INF and the
#                       product folders KIVOTW2K\, KIVOOS\, ZHCONV\
# OUTDIR/KIVOHK2K.zip   the same files at the zip's root, for unzipping into
#                       C:\KIVOHK2K (the folder the chooser asks for when
#                       it is started too deep on a fixed disk)
# OUTDIR/KIVOHK2K.iso   ISO 9660 image with Joliet names, volume id KIVO2000
#
# SETUP.EXE comes from the win32 preset (build/win32/program/SETUP.EXE; the
# build folder may be changed with CHOOSER_RELEASE_BUILD_DIR). Every file's
# date is the date of the last commit, so the same sources give the same
# zip and image.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
cd "$here"
scripts/deps

out=$(realpath -m "${1:-dist}")
build=$(realpath -m "${CHOOSER_RELEASE_BUILD_DIR:-build/win32}")
jobs=${CHOOSER_JOBS:-2}
name=KIVOHK2K
volume=KIVO2000

cmake --preset win32 -B "$build" >/dev/null
cmake --build "$build" -j"$jobs" --target setup

# One fixed date for every file, from the sources' last commit.
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null || date +%s)
fi
export SOURCE_DATE_EPOCH TZ=UTC

root=$out/$name
rm -rf "$root" "$out/$name.zip" "$out/$name.iso"
mkdir -p "$root"
python3 tools/bundle/make_bundle.py "$root" >/dev/null
cp "$build/program/SETUP.EXE" "$root/SETUP.EXE"
# Started by the system from the disc's root; the disc shows SETUP.EXE's
# icon and the product's name.
printf '[autorun]\r\nopen=SETUP.EXE\r\nicon=SETUP.EXE,0\r\nlabel=Kivo2000\r\n' \
  >"$root/AUTORUN.INF"
find "$root" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
chmod -R a+rX,go-w "$root"

# The zip: sorted names, no extra attributes, so that it is reproducible.
(cd "$root" && find . -mindepth 1 | LC_ALL=C sort | sed 's|^\./||' |
  zip -X -q -@ "$out/$name.zip")

# ISO 9660 level 1 (8.3 names, as the bundle's are) with Joliet names for
# Windows and Rock Ridge for Unix systems.
if ! log=$(xorriso -as mkisofs -quiet -iso-level 1 -J -r \
    -V "$volume" -volset "$volume" -publisher "Kivo" -A "Kivo2000 Setup" \
    -o "$out/$name.iso" "$root" 2>&1); then
  echo "$log" >&2
  exit 1
fi

size() { stat -c %s "$1"; }
echo "release in $out:"
echo "  $name/              $(find "$root" -type f | wc -l) files, SETUP.EXE $(size "$root/SETUP.EXE") bytes"
echo "  $name.zip           $(size "$out/$name.zip") bytes"
echo "  $name.iso           $(size "$out/$name.iso") bytes, volume $volume"
