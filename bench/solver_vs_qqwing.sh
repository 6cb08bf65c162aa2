#!/bin/sh
# Times sudoku-solve as a whole process against "qqwing --solve --one-line" on the same puzzles.
# Usage: bench/solver_vs_qqwing.sh [PROGRAM-DIR]   (default: build/program)
# Needs qqwing; uses hyperfine when it is installed, else a plain timed loop.
set -eu
repo=$(cd "$(dirname "$0")/.." && pwd)
program=${1:-$repo/build/program}/sudoku-solve
corpus=$repo/tests/data/solver/puzzles.txt
[ -x "$program" ] || { echo "no $program: build the sudoku-solve target first" >&2; exit 1; }
command -v qqwing >/dev/null || { echo "qqwing is not installed" >&2; exit 1; }

# The same puzzle lines for both, without the "# difficulty" lines.
puzzles=$(mktemp)
trap 'rm -f "$puzzles"' EXIT
grep -v '^#' "$corpus" >"$puzzles"
count=$(wc -l <"$puzzles")
echo "$count puzzles; load: $(uptime)"

if command -v hyperfine >/dev/null; then
    # Both run through the shell, which hyperfine subtracts, and both write to /dev/null.
    hyperfine --warmup 3 --min-runs 20 \
        --command-name sudoku-solve "$program $puzzles >/dev/null" \
        --command-name qqwing "qqwing --solve --one-line <$puzzles >/dev/null"
else
    for tool in sudoku-solve qqwing; do
        start=$(date +%s%N)
        for _ in 1 2 3 4 5 6 7 8 9 10; do
            if [ "$tool" = qqwing ]; then
                qqwing --solve --one-line <"$puzzles" >/dev/null
            else
                "$program" "$puzzles" >/dev/null
            fi
        done
        end=$(date +%s%N)
        echo "$tool: $(((end - start) / 10 / 1000)) us a run, $(((end - start) / 10 / count)) ns a puzzle"
    done
fi
