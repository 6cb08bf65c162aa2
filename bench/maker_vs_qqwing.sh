#!/bin/bash
# Times "sudoku-make --count N --level 5" against "qqwing --generate N --difficulty intermediate
# --one-line" as whole processes, in turn, RUNS times each, so that both meet the same load; shows
# the medians, their ratio, and how many of sudoku-make's puzzles sudoku-solve --rate puts at
# difficulty 5. Then the time per puzzle of sudoku-make at each level.
# Usage: bench/maker_vs_qqwing.sh [PROGRAM-DIR] [RUNS] [N]   (default: build/program, 3 runs, 1000)
set -eu
repo=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-$repo/build/program}
runs=${2:-3}
count=${3:-1000}
make=$dir/sudoku-make
[ -x "$make" ] || { echo "no $make: build the sudoku-make target first" >&2; exit 1; }
command -v qqwing >/dev/null || { echo "qqwing is not installed (apt install qqwing)" >&2; exit 1; }
echo "$count puzzles, $runs runs each; load before: $(uptime)"

# Microseconds that a command takes from its start to its end, writing to nowhere.
elapsed() {
    local start=$EPOCHREALTIME
    "$@" >/dev/null
    local end=$EPOCHREALTIME
    echo $((${end/./} - ${start/./}))
}
median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

ours=() theirs=()
for ((run = 0; run < runs; ++run)); do
    ours+=("$(elapsed "$make" --count "$count" --level 5 --seed "$run")")
    theirs+=("$(elapsed qqwing --generate "$count" --difficulty intermediate --one-line)")
done
a=$(median "${ours[@]}")
b=$(median "${theirs[@]}")
echo "load after: $(uptime)"
awk -v a="$a" -v b="$b" -v n="$count" 'BEGIN {
    printf "sudoku-make %.0f ms (%.3f ms a puzzle), qqwing %.0f ms (%.1f ms a puzzle): ratio %.3f\n",
           a / 1000, a / 1000 / n, b / 1000, b / 1000 / n, a / b }'
inBand=$("$make" --count "$count" --level 5 --seed 0 | cut -f1 | "$dir/sudoku-solve" --rate |
    awk '$3 == 5' | wc -l)
echo "in band 5 (by sudoku-solve --rate): $inBand of $count"
for level in 2 3 4 5 6 7 8; do
    t=$(elapsed "$make" --count "$count" --level "$level" --seed 1)
    awk -v t="$t" -v n="$count" -v l="$level" \
        'BEGIN { printf "level %d: %.3f ms a puzzle (both cores)\n", l, t / 1000 / n }'
done
