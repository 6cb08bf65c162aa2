#!/bin/sh
# The folders of src/ are the layers of the build, from the bottom up: solver, core, platform, ui.
# Fails when a folder's files are compiled into a target of another layer, or when a file includes
# a header of a layer above its own.
# check_layers.sh SOURCE_DIR BUILD_DIR
set -eu
src=$1/src
failed=0

# The targets each layer's folder may feed: its library, and the programs built on it alone.
targets_of() {
  case $1 in
    solver) echo "solver_engine sudoku-solve" ;;
    core) echo "sudoku_core" ;;
    platform/sound_module) echo "sudoku_sound" ;;
    platform) echo "sudoku_platform" ;;
    ui) echo "sudoku_ui sudoku sudoku-make" ;;
  esac
}
# The layers a layer's files may include from.
below() {
  case $1 in
    solver) echo "solver" ;;
    core) echo "solver core" ;;
    platform) echo "solver core platform" ;;
    ui) echo "solver core platform ui" ;;
  esac
}
layer_of() {
  case $1 in
    platform/sound_module/*) echo platform/sound_module ;;
    *) echo "${1%%/*}" ;;
  esac
}

# Every source file of src/ and the target it is compiled into, from the build's own commands.
pairs=$(sed -n 's|.* -o [^ ]*CMakeFiles/\([^ /]*\)\.dir/[^ ]* -c '"$src"'/\([^ "]*\).*|\1 \2|p' \
  "$2/compile_commands.json")
[ -n "$pairs" ] || { echo "no sources of $src in $2/compile_commands.json"; exit 1; }
echo "$pairs" | while read -r target file; do
  layer=$(layer_of "$file")
  case " $(targets_of "$layer") " in
    *" $target "*) ;;
    *) echo "$file (layer $layer) is compiled into $target"; exit 1 ;;
  esac
done || failed=1

for path in $(cd "$src" && find . -name '*.cpp' -o -name '*.h' | sed 's|^\./||'); do
  layer=$(layer_of "$path")
  allowed=$(below "${layer%%/*}")
  for included in $(sed -n 's|^#include "\([^/"]*\)/.*"|\1|p' "$src/$path"); do
    case " $allowed " in
      *" $included "*) ;;
      *) echo "$path (layer $layer) includes a header of $included"; failed=1 ;;
    esac
  done
  if [ "$layer" = solver ] && grep -q '^#include <Q' "$src/$path"; then
    echo "$path (layer solver) includes Qt"
    failed=1
  fi
done
exit $failed
