#!/bin/sh
# bench/startup.sh [BUILD] [RUNS] [ROUNDS]: the game's time from process start to its first painted
# window against a bare Qt window, and the peak memory of both; then the game's start with a score
# list of 400,000 entries in no order. Both programs are started directly, without a shell
# (hyperfine -N), so that the shell's own start does not dilute the ratio. The two are timed in
# turn, RUNS each in every one of ROUNDS rounds, so that a machine whose speed drifts (as a shared
# virtual machine's does) slows both alike; the ratio is the median of the rounds' ratios. The
# game starts with the files a player has: a game in progress (Spel.json), the switches and the
# window's place (Voorkeuren.ini), Sudoku.ini and a score list of 1,000 entries. Runs under the X
# display in DISPLAY (start Xvfb for a headless machine) or, without one, on the offscreen
# platform.
set -eu
build=${1:-build}
runs=${2:-11}
rounds=${3:-5}
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
for round in $(seq "$rounds"); do
  hyperfine -N --warmup 2 --runs "$runs" --export-json "times$round.json" \
    './bare-window --quit-when-shown' './sudoku --quit-when-shown' >/dev/null
done
peak() { /usr/bin/time -f %M "$@" --quit-when-shown 2>&1 >/dev/null | tail -n 1; }
bare_kb=$(peak ./bare-window)
game_kb=$(peak ./sudoku)
python3 - "$rounds" "$bare_kb" "$game_kb" <<'PY'
import json, statistics, sys
rounds, bare_kb, game_kb = (int(a) for a in sys.argv[1:])
bare, game, ratios = [], [], []
for r in range(1, rounds + 1):
    b, g = (res["times"] for res in json.load(open(f"times{r}.json"))["results"])
    bare += b
    game += g
    ratios.append(statistics.median(g) / statistics.median(b))
print(f"started without a shell (hyperfine -N), {rounds} rounds of {len(bare) // rounds} runs each")
print(f"bare window: median {statistics.median(bare) * 1000:.1f} ms, peak {bare_kb / 1024:.1f} MB")
print(f"game:        median {statistics.median(game) * 1000:.1f} ms, peak {game_kb / 1024:.1f} MB")
print(f"ratio {statistics.median(ratios):.2f} (budget 1.30; rounds "
      + " ".join(f"{r:.2f}" for r in ratios) + ")")
print(f"memory +{(game_kb - bare_kb) / 1024:.1f} MB (budget 8)")
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
