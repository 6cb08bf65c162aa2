// The techniques a person uses to solve a Sudoku, each as a search for its next instance in a
// grid of candidates. The grader and the next-step hint both go through FindSimplest, so that a
// hint shows exactly the reasoning by which puzzles are graded.
//
// Every search scans the units in one order: blocks first, then rows, then columns, each from
// 1 to 9. A block's nine cells lie together, which makes what happens there the easiest for a
// person to see.
#pragma once

#include <functional>
#include <optional>
#include <variant>

#include "solver/logic_grid.h"

namespace logic {

// From the simplest to the hardest.
enum class Technique : std::uint8_t {
    NakedSingle,   // an empty cell with one candidate left
    HiddenSingle,  // a digit with one place left in a row, column or block
    BoxLine,       // a digit confined to the crossing of a block and a line leaves the rest of
                   // the other unit: pointing (block to line) and claiming (line to block)
    NakedPair,     // two cells of a unit with the same two candidates
    NakedTriple,   // three cells of a unit with three candidates among them
    NakedQuad,     // four cells of a unit with four candidates among them
};
inline constexpr int TechniqueCount = 6;

// NakedPair, NakedTriple or NakedQuad for a subset of 2, 3 or 4 cells.
constexpr Technique NakedSubsetOf(int size) {
    return static_cast<Technique>(static_cast<int>(Technique::NakedPair) + size - 2);
}

// A digit that must go into an empty cell.
struct Placement {
    Technique technique;  // NakedSingle or HiddenSingle
    int cell;
    int digit;
    int unit = -1;  // for a hidden single: the unit in which the digit has no other place
};

// Candidates ruled out by a pattern of cells.
struct Elimination {
    Technique technique;  // BoxLine or a naked subset
    // Where the pattern lies. Box/line: the unit in which the digit can only go into the
    // crossing (the block when pointing, the line when claiming). Naked subset: its unit.
    int unit;
    // Whose other cells lose the digits. Box/line: the crossing unit; naked subset: `unit`.
    int targetUnit;
    DigitMask digits;  // box/line: the one digit; naked subset: its digits
    // The pattern: for box/line the cells of the crossing that may hold the digit, for a
    // naked subset its cells.
    std::array<std::uint8_t, 4> cells{};
    int cellCount = 0;

    bool InPattern(int cell) const;
    // What the elimination takes from the cell, as the grid stands.
    DigitMask StrikesFrom(const CandidateGrid& grid, int cell) const;
};

// Called with each instance a search finds, in search order; returns false to end the search.
template <typename Instance>
using Visitor = std::function<bool(const Instance&)>;

// Every instance in the grid as it stands. Only eliminations that strike at least one
// candidate are visited; size 2, 3 or 4 is a naked pair, triple or quad.
void ForEachHiddenSingle(const CandidateGrid& grid, const Visitor<Placement>& visit);
void ForEachBoxLine(const CandidateGrid& grid, const Visitor<Elimination>& visit);
void ForEachNakedSubset(const CandidateGrid& grid, int size, const Visitor<Elimination>& visit);

// The first instance, in search order.
std::optional<Placement> FindNakedSingle(const CandidateGrid& grid);
std::optional<Placement> FindHiddenSingle(const CandidateGrid& grid);
std::optional<Elimination> FindBoxLine(const CandidateGrid& grid);
std::optional<Elimination> FindNakedSubset(const CandidateGrid& grid, int size);

// Nothing, a placement or an elimination.
using Deduction = std::variant<std::monostate, Placement, Elimination>;

// The simplest technique, up to `hardest`, that makes progress: a placement if a single is
// there, else an elimination.
Deduction FindSimplest(const CandidateGrid& grid, Technique hardest);

void Apply(CandidateGrid& grid, const Placement& placement);
void Apply(CandidateGrid& grid, const Elimination& elimination);

}  // namespace logic
