#!/bin/sh
# Starts the game on Qt's Wayland platform under a headless Wayland compositor (weston's headless
# backend) and waits for its first painted window. Where weston or Qt's Wayland plugin is missing
# the test is skipped: scripts/install-deps installs both.
# test_wayland.sh BUILD_DIR
set -eu
build=$1
command -v weston >/dev/null || { echo "weston is not installed"; exit 77; }
plugins=$(qtpaths6 --query QT_INSTALL_PLUGINS 2>/dev/null || qmake6 -query QT_INSTALL_PLUGINS)
ls "$plugins"/platforms/libqwayland-*.so >/dev/null 2>&1 || { echo "no Qt Wayland plugin"; exit 77; }

work=$(mktemp -d)
compositor=
trap '[ -z "$compositor" ] || kill "$compositor" 2>/dev/null; rm -rf "$work"' EXIT
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime" WAYLAND_DISPLAY=sudoku-test
weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --idle-time=0 \
  >"$work/weston.log" 2>&1 &
compositor=$!
tries=0
until [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ]; do
  tries=$((tries + 1))
  if [ "$tries" -gt 100 ]; then
    cat "$work/weston.log"
    exit 1
  fi
  sleep 0.1
done

# The game writes its files beside itself: a copy of the program folder keeps the build's clean.
cp -r "$build/program" "$work/program"
# In a sanitized build, what the Wayland client library and the graphics drivers it loads keep
# until the end is theirs: the other tests look for the game's own leaks.
ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" QT_QPA_PLATFORM=wayland \
  timeout 60 "$work/program/sudoku" --quit-when-shown
