#!/bin/sh
# Installs the build for one user into a scratch prefix and starts the installed game there:
# the program folder, the desktop entry and the icon must be in place, and the game must keep
# its files beside itself. Then installs it system-wide, as the Debian package does, into another
# scratch prefix: the program folder's links must reach the shared data, the desktop entry
# and the AppStream metadata must pass their validators, and the game, started by root, must keep
# root's files in root's data folder and write nothing into its own tree.
set -eu
build=$1
prefix=$(mktemp -d)
system=$(mktemp -d)
home=$(mktemp -d)
trap 'rm -rf "$prefix" "$system" "$home"' EXIT

# expect_files PREFIX FILE...: every FILE exists below PREFIX, following links.
expect_files() {
  root=$1
  shift
  for file in "$@"; do
    [ -e "$root/$file" ] || { echo "missing: $file"; exit 1; }
  done
  if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$root/share/applications/sudoku.desktop"
  fi
}

cmake --install "$build" --prefix "$prefix" >/dev/null
expect_files "$prefix" share/sudoku/sudoku share/sudoku/sudoku-solve share/sudoku/help/help.htm \
  share/sudoku/libsudoku_sound.so share/sudoku/sounds/goed.wav share/sudoku/sounds/fout.wav \
  share/applications/sudoku.desktop share/icons/hicolor/scalable/apps/sudoku.svg
for folder in puzzels website; do
  [ -d "$prefix/share/sudoku/$folder" ]
done
grep -qx "Exec=$prefix/share/sudoku/sudoku" "$prefix/share/applications/sudoku.desktop"

cmake --install "$build" --prefix "$system" --component system >/dev/null
expect_files "$system" games/sudoku bin/sudoku-solve lib/sudoku/libsudoku_sound.so \
  lib/sudoku/help/help.htm lib/sudoku/sounds/goed.wav lib/sudoku/puzzels/Voorbeeld-1.puz \
  share/man/man6/sudoku.6 share/man/man1/sudoku-solve.1 share/applications/sudoku.desktop \
  share/icons/hicolor/scalable/apps/sudoku.svg share/metainfo/nl.brenvik.sudoku.metainfo.xml
grep -qx "Exec=$system/games/sudoku" "$system/share/applications/sudoku.desktop"
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$system"/share/metainfo/*.xml
fi

# Started through the link in bin, from another folder, it writes into its own folder.
cd "$prefix"
QT_QPA_PLATFORM=offscreen "$prefix/bin/sudoku" --quit-when-shown
[ -s "$prefix/share/sudoku/Sudoku.ini" ] || { echo "Sudoku.ini not written beside the program"; exit 1; }
[ ! -e "$prefix/Sudoku.ini" ]

# The system-wide game, started by whoever installed it, keeps that user's files in the user's data
# folder, as it does for everyone else.
[ ! -e "$system/lib/sudoku/portable" ]
touch "$home/before"
HOME=$home XDG_DATA_HOME= QT_QPA_PLATFORM=offscreen "$system/games/sudoku" --quit-when-shown
[ -s "$home/.local/share/sudoku/Sudoku.ini" ] || { echo "Sudoku.ini not in the user's data folder"; exit 1; }
if find "$system" -newer "$home/before" | grep -q .; then
  echo "the system-wide game wrote into its own tree"
  exit 1
fi
echo "installed and started from $prefix, installed system-wide in $system and started there"
