#pragma once

#include "core/givens.h"
#include "core/grid.h"
#include "core/random.h"
#include "core/settings.h"

#include <QObject>

#include <atomic>
#include <optional>
#include <thread>

// A puzzle made ahead: where its solution came from, the solution and its givens.
struct MadePuzzle {
    // The base grid and the symmetry it was drawn from; none for a solution brought in.
    std::optional<std::pair<int, int>> origin;
    Grid solution;
    PuzzleGivens givens;
};

// Makes the puzzles whose givens need many tries, those of one solution drawn by chance, on a
// thread of its own, so that the window goes on while they are made: the next new puzzle while
// the player plays, or the puzzle of a solution brought in. The grid and the symmetry are drawn
// from the game's source of chance when the work starts, the givens from a source that this one
// seeds. One puzzle is made at a time; asking for another ends the work on the one before.
class PuzzleMaker : public QObject {
    Q_OBJECT
  public:
    explicit PuzzleMaker(Random& random);
    ~PuzzleMaker() override;

    // Whether a new puzzle under these settings needs the maker: one solution, by chance.
    static bool Makes(const GameSettings& settings);

    // Starts on a new puzzle for the settings, of this solution or drawn, unless it is ready or
    // on its way already.
    void Prepare(const GameSettings& settings, const std::optional<Grid>& solution = {});
    // The solution brought in for the puzzle asked for last, if it was.
    const std::optional<Grid>& Solution() const { return asked_.solution; }
    // The puzzle last asked for, when it is ready; taking it leaves the maker idle.
    std::optional<MadePuzzle> Take();
    bool Ready() const { return made_.has_value(); }
    // Removal orders tried so far for the puzzle on its way.
    int Tries() const { return tries_.load(); }

  signals:
    // The puzzle asked for last is ready.
    void ready();

  private:
    // What decides the puzzle the settings ask for.
    struct Ask {
        int difficulty = 0;
        bool symmetric = false;
        std::optional<Grid> solution;
        bool operator==(const Ask&) const = default;
    };
    static Ask AskOf(const GameSettings& settings, std::optional<Grid> solution);
    void Start(const GameSettings& settings, std::optional<Grid> solution);

    Random& random_;
    Ask asked_;
    std::optional<MadePuzzle> made_;
    // Counts the jobs, so that the answer of one that was given up is known when it comes.
    int job_ = 0;
    bool working_ = false;
    std::atomic<int> tries_{0};
    std::jthread worker_;
};
