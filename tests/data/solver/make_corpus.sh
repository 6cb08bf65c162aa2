#!/bin/sh
# Rebuilds puzzles.txt and solutions.txt in this folder with qqwing (Debian package "qqwing").
# Each difficulty starts with a "# <difficulty>" line; line k of a section in solutions.txt is
# the unique solution of line k of the same section in puzzles.txt. Empty cells are ".".
set -eu
cd "$(dirname "$0")"
count=${1:-600}
: >puzzles.txt
: >solutions.txt
for difficulty in simple easy intermediate expert; do
    echo "# $difficulty" >>puzzles.txt
    echo "# $difficulty" >>solutions.txt
    qqwing --generate "$count" --difficulty "$difficulty" --csv --solution >corpus.tmp
    # Skip the header line "Puzzle,Solution," and split the two columns.
    tail -n +2 corpus.tmp | cut -d, -f1 >>puzzles.txt
    tail -n +2 corpus.tmp | cut -d, -f2 >>solutions.txt
    rm -f corpus.tmp
    sleep 1 # qqwing seeds its generator from the clock in seconds
done
