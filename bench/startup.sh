#!/bin/sh
# bench/startup.sh [BUILD] [RUNS]: the game's time from process start to its first painted window
# against a bare Qt window, in one run, and the peak memory of both; then the game's start with a
# score list of 400,000 entries in no order. Both programs are started directly, without a shell
# (hyperfine -N), so that the shell's own start does not dilute the ratio. The game starts with the
# files a player has: a game in progress (Spel.json), the switches and the window's place
# (Voorkeuren.ini), Sudoku.ini and a score list of 1,000 entries. Runs under the X display in
# DISPLAY (start Xvfb for a headless machine) or, without one, on the offscreen platform.
set -eu
build=${1:-build}
runs=${2:-21}
program=$(cd "$build/program" && pwd)
[ -n "${DISPLAY:-}" ] || export QT_QPA_PLATFORM=offscreen
work=$(mktemp -d)
cp -r "$program/help" "$program/sounds" "$work/" 2>/dev/null || true
# The mark keeps the game's files in the scratch folder, away from the user's own.
cp "$program/sudoku" "$program/bare-window" "$program/portable" "$work/"
bench=$(cd "$(dirname "$0")" && pwd)
cp "$bench/data/Spel.json" "$bench/data/Voorkeuren.ini" "$bench/data/Sudoku.ini" "$work/"
python3 - "$work/Scorelijst.lst" <<'PY'
import random, sys
random.seed(2)
times = sorted(random.randrange(10 * 36_000) for _ in range(1_000))
with open(sys.argv[1], "w", newline="") as out:
    for i, t in enumerate(times):
        time = f"{t // 36_000}:{t // 600 % 60:02}:{t // 10 % 60:02}:{t % 10}"
        out.write(f'"{time} - Speler {i}"\r\n')
PY
cd "$work"
hyperfine -N --warmup 3 --runs "$runs" --export-json times.json \
  './bare-window --quit-when-shown' './sudoku --quit-when-shown' >/dev/null
peak() { /usr/bin/time -f %M "$@" --quit-when-shown 2>&1 >/dev/null | tail -n 1; }
bare_kb=$(peak ./bare-window)
game_kb=$(peak ./sudoku)
python3 - "$bare_kb" "$game_kb" <<'PY'
import json, sys
results = json.load(open("times.json"))["results"]
bare, game = (r["median"] for r in results)
bare_kb, game_kb = int(sys.argv[1]), int(sys.argv[2])
print("started without a shell (hyperfine -N)")
print(f"bare window: median {bare * 1000:.1f} ms, peak {bare_kb / 1024:.1f} MB")
print(f"game:        median {game * 1000:.1f} ms, peak {game_kb / 1024:.1f} MB")
print(f"ratio {game / bare:.2f} (budget 1.30), memory +{(game_kb - bare_kb) / 1024:.1f} MB (budget 8)")
PY

mkdir "$work/list"
cp "$program/sudoku" "$program/portable" "$work/list/"
python3 - "$work/list/Scorelijst.lst" <<'PY'
import random, sys
random.seed(1)
with open(sys.argv[1], "w", newline="") as out:
    for i in range(400_000):
        t = random.randrange(10 * 36_000)
        time = f"{t // 36_000}:{t // 600 % 60:02}:{t // 10 % 60:02}:{t % 10}"
        out.write(f'"{time} - Speler {random.randrange(1_000_000)}"\r\n')
PY
cd "$work/list"
hyperfine -N --warmup 1 --runs "$runs" --export-json times.json './sudoku --quit-when-shown' \
  >/dev/null
python3 - <<'PY'
import json
game = json.load(open("times.json"))["results"][0]["median"]
print(f"game, 400,000 scores in no order: median {game * 1000:.0f} ms")
PY
cd /
rm -rf "$work"
