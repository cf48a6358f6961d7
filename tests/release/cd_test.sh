#!/usr/bin/env bash
# Puts the release's CD image into the test prefix's second CD-ROM drive
# (E:, on <prefix>/../cdrom-e) and runs the Windows half of the CD test
# (cd_test.cpp) against it.
#
#   cd_test.sh SOURCE_DIR IMAGE SETUP_EXE_X64 TEST_EXE TEST_FILTER
#
# The image's files are extracted twice: at the drive's root and in
# KIVO/DISC/ONE/, three folders down. The image's SETUP.EXE is the 32-bit
# release build, which cannot run here (this kernel runs no 32-bit code):
# both copies are replaced by the x86_64 build. The drive is emptied again
# when the test ends, passed or not.
set -euo pipefail
source=$1 image=$2 setup64=$3 test_exe=$4 filter=$5
source "$source/scripts/wine-env"
prefix=$(realpath -m "$CHOOSER_WINEPREFIX")
# Makes the prefix, or adds E: to one made before the drive existed.
flock "$source/scripts/wine-prefix" "$source/scripts/wine-prefix" "$prefix"
drive=$(realpath -m "$prefix/../cdrom-e")
# The image's folders come out read-only, as on a disc.
empty_drive() { chmod -R u+w "$drive" 2>/dev/null || true; rm -rf "$drive"; mkdir -p "$drive"; }
trap empty_drive EXIT
empty_drive
for place in "$drive" "$drive/KIVO/DISC/ONE"; do
  mkdir -p "$place"
  xorriso -osirrox on -indev "$image" -extract / "$place" >/dev/null 2>&1 ||
    { echo "cannot extract $image into $place" >&2; exit 1; }
  chmod -R u+w "$place"
  cp "$setup64" "$place/SETUP.EXE"
done
"$source/scripts/wine-run" "$test_exe" --gtest_color=no --gtest_filter="$filter"
