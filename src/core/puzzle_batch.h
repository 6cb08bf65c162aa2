#pragma once

#include "core/puzzle_maker.h"

#include <cstdint>
#include <functional>
#include <vector>

// Puzzles by the dozen, as the game makes them one by one: a base grid under a symmetry drawn by
// chance, and givens that need the difficulty's band of techniques. The i-th puzzle comes from a
// source of chance seeded from the seed and i alone, so that the same seed gives the same puzzles
// on any machine, whatever the number of threads that make them.
struct PuzzleBatch {
    int count = 1;
    int difficulty = 5;
    bool symmetric = true;
    std::uint64_t seed = 0;
};

// As many threads as the processor has cores.
int CoreCount();

// Makes the batch's puzzles on `threads` threads; `made`, if given, is told the number made so far
// (from the calling thread, now and then) and can end the work by answering false, which then
// gives nothing.
std::vector<MadePuzzle> MakePuzzles(const PuzzleBatch& batch, int threads,
                                    const std::function<bool(int made)>& made = {});
