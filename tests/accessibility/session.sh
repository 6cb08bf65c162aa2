#!/bin/sh
# Runs a check against the game as a screen reader meets it: a display of its own (Xvfb), a private
# session bus with the accessibility bus on it, and the game started from a copy of the program
# folder with a kept game (tests/data/accessibility/Spel.json) to take up. The check gets the copy's
# folder and the game's process id; the game ends with the check.
# session.sh BUILD_DIR DATA_DIR CHECK [ARGS...]
# Where Xvfb, the accessibility bus or pyatspi is missing the test is skipped (exit 77):
# scripts/install-deps installs them.
set -eu
build=$1
data=$2
shift 2
for tool in Xvfb xdotool dbus-launch xdpyinfo; do
  command -v "$tool" >/dev/null || { echo "$tool is not installed"; exit 77; }
done
[ -x /usr/libexec/at-spi-bus-launcher ] || { echo "at-spi2-core is not installed"; exit 77; }
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "pyatspi is not installed"; exit 77; }

work=$(mktemp -d)
pids=
cleanup() {
  for pid in $pids; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  [ -z "${DBUS_SESSION_BUS_PID:-}" ] || kill "$DBUS_SESSION_BUS_PID" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# A display nobody uses, chosen by Xvfb itself, so that checks started together never share one;
# kept as it is when its clients come and go, so that none of them meets a server resetting.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" >"$work/xvfb.log" 2>&1 &
pids="$!"
tries=0
until [ -s "$work/display" ] && DISPLAY=":$(cat "$work/display")" xdpyinfo >/dev/null 2>&1; do
  tries=$((tries + 1))
  [ "$tries" -le 100 ] || { cat "$work/xvfb.log"; exit 1; }
  sleep 0.1
done
export DISPLAY=":$(cat "$work/display")"

eval "$(dbus-launch --sh-syntax)"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/bus.log" 2>&1 &
pids="$pids $!"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

cp -r "$build/program" "$work/program"
rm -f "$work/program/Spel.json" "$work/program/Sudoku.ini" "$work/program/Voorkeuren.ini" \
  "$work/program/Scorelijst.lst"
cp "$data/Spel.json" "$work/program/Spel.json"
# What the desktop's own libraries keep until the end is theirs: the other tests look for the
# game's own leaks.
ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" QT_QPA_PLATFORM=xcb \
  "$work/program/sudoku" >"$work/game.log" 2>&1 &
game=$!
pids="$pids $game"
status=0
"$@" "$work" "$game" || status=$?
if [ "$status" -ne 0 ]; then
  cat "$work/game.log"
  echo "Xvfb on $DISPLAY: $(kill -0 "${pids%% *}" 2>/dev/null && echo running || echo gone)"
  cat "$work/xvfb.log"
fi
exit "$status"
