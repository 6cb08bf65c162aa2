#include "core/puzzle_batch.h"

#include "core/base_grids.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>

namespace {

// Spreads neighbouring numbers over the whole range (SplitMix64), so that the seeds of neighbouring
// puzzles have nothing in common.
std::uint64_t Mixed(std::uint64_t x) {
    x += 0x9e3779b97f4a7c15ULL;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
    return x ^ (x >> 31);
}

MadePuzzle MakeOne(const PuzzleBatch& batch, int index, const std::atomic<bool>& stop) {
    Random random(Mixed(batch.seed ^ Mixed(static_cast<std::uint64_t>(index))));
    GameSettings settings;
    settings.Difficulty = batch.difficulty;
    settings.SymmetricGivens = batch.symmetric;
    settings.OnlyUniquePuzzles = true;
    settings.UsePattern = false;
    MadePuzzle puzzle;
    const int n = random.Draw(BaseGridCount);
    const int t = random.Draw(TransformationCount);
    puzzle.origin = {n, t};
    puzzle.solution = TransformedGrid(n, t);
    std::optional<PuzzleGivens> givens =
        ChooseGivens(puzzle.solution, settings, random, [&stop](int) { return !stop.load(); });
    if (givens) {
        puzzle.givens = std::move(*givens);
    }
    return puzzle;
}

}  // namespace

int CoreCount() {
    return static_cast<int>(std::max(1U, std::thread::hardware_concurrency()));
}

std::vector<MadePuzzle> MakePuzzles(const PuzzleBatch& batch, int threads,
                                    const std::function<bool(int made)>& made) {
    std::vector<MadePuzzle> puzzles(static_cast<std::size_t>(std::max(batch.count, 0)));
    std::atomic<int> next{0};
    std::atomic<int> done{0};
    std::atomic<bool> stop{false};
    const auto work = [&] {
        for (int i = next++; i < batch.count && !stop; i = next++) {
            puzzles[static_cast<std::size_t>(i)] = MakeOne(batch, i, stop);
            ++done;
        }
    };
    std::vector<std::jthread> workers;
    for (int k = 1; k < std::clamp(threads, 1, std::max(batch.count, 1)); ++k) {
        workers.emplace_back(work);
    }
    if (!made) {
        work();
    } else {
        // The calling thread tells how far the work is, and works when it has nothing to tell.
        workers.emplace_back(work);
        while (done < batch.count) {
            if (!made(done)) {
                stop = true;
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    }
    workers.clear();
    if (stop) {
        puzzles.clear();
    }
    return puzzles;
}
