#!/bin/bash
# Times sudoku-solve as a whole process against "qqwing --solve --one-line" on the same puzzles.
# The two run in turn, RUNS times each, so that both meet the same load; the medians and their
# ratio are shown.
# Usage: bench/solver_vs_qqwing.sh [PROGRAM-DIR] [RUNS]   (default: build/program, 21 runs)
set -eu
repo=$(cd "$(dirname "$0")/.." && pwd)
program=${1:-$repo/build/program}/sudoku-solve
runs=${2:-21}
corpus=$repo/tests/data/solver/puzzles.txt
[ -x "$program" ] || { echo "no $program: build the sudoku-solve target first" >&2; exit 1; }
command -v qqwing >/dev/null || { echo "qqwing is not installed" >&2; exit 1; }

# The same puzzle lines for both, without the "# difficulty" lines.
puzzles=$(mktemp)
trap 'rm -f "$puzzles"' EXIT
grep -v '^#' "$corpus" >"$puzzles"
count=$(wc -l <"$puzzles")
echo "$count puzzles, $runs runs each; load before: $(uptime)"

# Microseconds that a command takes from its start to its end, reading the puzzles on its
# standard input and writing to nowhere.
elapsed() {
    local start=$EPOCHREALTIME
    "$@" <"$puzzles" >/dev/null
    local end=$EPOCHREALTIME
    echo $((${end/./} - ${start/./}))
}

ours=() theirs=()
for ((run = 0; run < runs; ++run)); do
    ours+=("$(elapsed "$program")")
    theirs+=("$(elapsed qqwing --solve --one-line)")
done

median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
a=$(median "${ours[@]}")
b=$(median "${theirs[@]}")
echo "load after: $(uptime)"
awk -v a="$a" -v b="$b" -v n="$count" 'BEGIN {
    printf "sudoku-solve: median %.1f ms (%.2f us a puzzle)\n", a / 1000, a / n
    printf "qqwing --solve --one-line: median %.1f ms (%.2f us a puzzle)\n", b / 1000, b / n
    printf "ratio sudoku-solve / qqwing: %.3f\n", a / b
}'
