#!/bin/sh
# Installs the build for one user into a scratch prefix and starts the installed game there:
# the program folder, the desktop entry and the icon must be in place, and the game must keep
# its files beside itself.
set -eu
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
for file in share/sudoku/sudoku share/sudoku/sudoku-solve share/sudoku/help/help.htm \
            share/sudoku/libsudoku_sound.so share/sudoku/sounds/goed.wav share/sudoku/sounds/fout.wav \
            share/applications/sudoku.desktop share/icons/hicolor/scalable/apps/sudoku.svg; do
  [ -e "$prefix/$file" ] || { echo "missing: $file"; exit 1; }
done
[ -d "$prefix/share/sudoku/puzzels" ] && [ -d "$prefix/share/sudoku/website" ]
grep -qx "Exec=$prefix/share/sudoku/sudoku" "$prefix/share/applications/sudoku.desktop"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefix/share/applications/sudoku.desktop"
fi
# Started through the link in bin, from another folder, it writes into its own folder.
cd "$prefix"
QT_QPA_PLATFORM=offscreen "$prefix/bin/sudoku" --quit-when-shown
[ -s "$prefix/share/sudoku/Sudoku.ini" ] || { echo "Sudoku.ini not written beside the program"; exit 1; }
[ ! -e "$prefix/Sudoku.ini" ]
echo "installed and started from $prefix"
