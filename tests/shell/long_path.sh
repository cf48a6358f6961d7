#!/usr/bin/env bash
# Runs a test program from a folder of the Wine prefix whose path is longer
# than 260 bytes. The Windows side cannot start a program there, but Wine's
# loader can: started by its Unix path, the program gets its full DOS name.
# Usage: long_path.sh TEST.EXE [arguments...]
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
prefix=${CHOOSER_WINEPREFIX:-$here/../../build/wineprefix}
"$here/../../scripts/wine-run" cmd /c exit >/dev/null 2>&1 || true  # makes the prefix when needed
long=$prefix/drive_c/LONG
for letter in A B C D; do long=$long/$(printf "$letter%.0s" $(seq 60)); done
mkdir -p "$long"
cp "$1" "$long/"
program=$long/$(basename "$1")
shift
exec "$here/../../scripts/wine-run" "$program" "$@"
