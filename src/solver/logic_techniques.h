// The techniques a person uses to solve a Sudoku, each as a search for its next instance in a
// grid of candidates. The grader and the next-step hint both go through FindSimplest, so that a
// hint shows exactly the reasoning by which puzzles are graded.
//
// Every search that looks at units scans them in one order: blocks first, then rows, then
// columns, each from 1 to 9. A block's nine cells lie together, which makes what happens there
// the easiest for a person to see.
#pragma once

#include <functional>
#include <span>
#include <variant>
#include <vector>

#include "solver/logic_grid.h"

namespace logic {

// The ladder, from the simplest to the hardest: each band of the ladder in turn, and within a
// band roughly as the puzzle community rates them (Sudoku Explainer's scale).
enum class Technique : std::uint8_t {
    // Band 4: singles.
    NakedSingle,   // an empty cell with one candidate left
    HiddenSingle,  // a digit with one place left in a row, column or block
    // Band 5.
    BoxLine,  // a digit confined to the crossing of a block and a line leaves the rest of the
              // other unit: pointing (block to line) and claiming (line to block)
    // Band 6: pairs and triples.
    NakedPair,     // two cells of a unit with the same two candidates
    HiddenPair,    // two digits with the same two places in a unit
    NakedTriple,   // three cells of a unit with three candidates among them
    HiddenTriple,  // three digits with three places among them in a unit
    // Band 7: quads and fish.
    XWing,       // a digit in two lines with its places in the same two crossing lines
    Swordfish,   // the same with three lines
    NakedQuad,   // four cells of a unit with four candidates among them
    Jellyfish,   // the fish with four lines
    HiddenQuad,  // four digits with four places among them in a unit
    // Band 8: wings, chains, colouring and the unique rectangle.
    XYWing,           // a cell {x, y} that sees {x, z} and {y, z}: one of those two is z
    XYZWing,          // a cell {x, y, z} that sees {x, z} and {y, z}: one of the three is z
    UniqueRectangle,  // type 1: a rectangle of {a, b} that would let the puzzle have two
                      // solutions unless its fourth corner holds another digit
    WWing,            // two cells {a, b} joined by a strong link on a: one of them is b
    Skyscraper,       // two strong links of a digit in parallel lines, one end of each in a
                      // shared crossing line: one of the other ends holds the digit
    TwoStringKite,    // a strong link in a row and one in a column, joined in a block
    ColourWrap,       // the strong links of a digit coloured in turn: a colour that meets
                      // itself in a unit holds the digit nowhere
    ColourTrap,       // a cell that sees both colours cannot hold the digit
    XChain,           // strong and weak links of a digit in turn: one of the ends holds it
    XYChain,          // cells of two candidates linked by a shared digit: one of the ends
                      // holds the digit they begin and end with
};
inline constexpr int TechniqueCount = 22;

// NakedPair, NakedTriple or NakedQuad for a subset of 2, 3 or 4 cells; the hidden ones likewise.
Technique NakedSubsetOf(int size);
Technique HiddenSubsetOf(int size);
// XWing, Swordfish or Jellyfish for 2, 3 or 4 lines.
Technique FishOf(int size);

// A digit that must go into an empty cell.
struct Placement {
    Technique technique;  // NakedSingle or HiddenSingle
    int cell;
    int digit;
    int unit = -1;  // for a hidden single: the unit in which the digit has no other place
};

// A cell of a pattern that can hold only some digits.
struct CellLimit {
    std::uint8_t cell;
    DigitMask digits;
};

// A unit of a pattern in which a digit can go only into the pattern's cells in that unit.
struct UnitLimit {
    std::uint8_t unit;
    std::uint8_t digit;
};

// Two cells of a chain and what joins them: a strong link (one of them holds the digit) or a
// weak one (not both hold it).
struct Link {
    std::uint8_t from;
    std::uint8_t to;
    std::uint8_t digit;
    bool strong;
};

// Candidates ruled out by a pattern of cells.
struct Elimination {
    Elimination(Technique technique, DigitMask digits, DigitMask struck = 0)
        : technique(technique), digits(digits), struck(struck) {}

    Technique technique;
    DigitMask digits;  // the digits the pattern is about
    DigitMask struck;  // what it strikes from its targets
    CellSet targets;   // the cells it strikes from, each holding some of `struck`
    // The pattern's cells, in an order each technique keeps:
    //   box/line: the crossing's cells that may hold the digit;
    //   naked and hidden subsets: the subset's cells;
    //   fish: the cells of the base lines that may hold the digit;
    //   XY-wing, XYZ-wing: the pivot, then the two pincers;
    //   unique rectangle: the three corners of two candidates, then the fourth;
    //   W-wing, skyscraper, kite, X-chain, XY-chain: the chain from end to end;
    //   colouring: the cells of one colour, then those of the other.
    std::vector<std::uint8_t> cells;
    // The units the pattern lies in:
    //   box/line: the unit where the digit is confined, then the unit that loses it;
    //   subsets: their unit; fish: the base lines, then the cover lines;
    //   chains and colouring: the units of their strong links, in order; others: none.
    std::vector<std::uint8_t> units;
    // Colouring: how many of `cells` have the first colour.
    int firstColour = 0;
    // What the pattern rests on: the digits its cells are limited to, and the units in which
    // a digit is confined to the pattern's cells.
    std::vector<CellLimit> cellLimits;
    std::vector<UnitLimit> unitLimits;
    // The links of a chain, from one end to the other; of colouring, its strong links.
    std::vector<Link> links;

    // What the elimination takes from the cell, as the grid stands.
    DigitMask StrikesFrom(const CandidateGrid& grid, int cell) const;
};

// Nothing, a placement or an elimination.
using Deduction = std::variant<std::monostate, Placement, Elimination>;

// Called with each instance a search finds, in search order; returns false to end the search.
template <typename Instance>
using Visitor = std::function<bool(const Instance&)>;

// The searches. Each visits every instance in the grid as it stands; eliminations only where
// they strike at least one candidate.
using PlacementSearch = void (*)(const CandidateGrid&, const Visitor<Placement>&);
using EliminationSearch = void (*)(const CandidateGrid&, const Visitor<Elimination>&);

// A rung of the ladder.
struct TechniqueInfo {
    Technique technique;
    int band;                        // 4..8
    const char* name;                // in Dutch, UTF-8, as a person reads it: "verborgen paar"
    const char* explanation;         // in Dutch, UTF-8: how it works, in one sentence
    bool needsOneSolution;           // sound only when the puzzle has one solution
    PlacementSearch placements;      // for the singles
    EliminationSearch eliminations;  // for the others
};

// The whole ladder, in order, simplest first.
std::span<const TechniqueInfo, TechniqueCount> Ladder();
const TechniqueInfo& InfoOf(Technique technique);
inline int BandOf(Technique technique) {
    return InfoOf(technique).band;
}
// The hardest technique of a band 4..8.
Technique HardestOfBand(int band);

// The searches of the techniques, by family.
void ForEachNakedSingle(const CandidateGrid& grid, const Visitor<Placement>& visit);
void ForEachHiddenSingle(const CandidateGrid& grid, const Visitor<Placement>& visit);
void ForEachBoxLine(const CandidateGrid& grid, const Visitor<Elimination>& visit);
template <int Size>
void ForEachNakedSubset(const CandidateGrid& grid, const Visitor<Elimination>& visit);
template <int Size>
void ForEachHiddenSubset(const CandidateGrid& grid, const Visitor<Elimination>& visit);
template <int Size>
void ForEachFish(const CandidateGrid& grid, const Visitor<Elimination>& visit);
void ForEachXYWing(const CandidateGrid& grid, const Visitor<Elimination>& visit);
void ForEachXYZWing(const CandidateGrid& grid, const Visitor<Elimination>& visit);
void ForEachUniqueRectangle(const CandidateGrid& grid, const Visitor<Elimination>& visit);
void ForEachWWing(const CandidateGrid& grid, const Visitor<Elimination>& visit);
void ForEachSkyscraper(const CandidateGrid& grid, const Visitor<Elimination>& visit);
void ForEachTwoStringKite(const CandidateGrid& grid, const Visitor<Elimination>& visit);
void ForEachColourWrap(const CandidateGrid& grid, const Visitor<Elimination>& visit);
void ForEachColourTrap(const CandidateGrid& grid, const Visitor<Elimination>& visit);
void ForEachXChain(const CandidateGrid& grid, const Visitor<Elimination>& visit);
void ForEachXYChain(const CandidateGrid& grid, const Visitor<Elimination>& visit);

// Which techniques a search may use.
struct Reach {
    Technique hardest = Technique::XYChain;
    // The puzzle is known to have one solution, so that the unique rectangle may be used.
    bool oneSolution = true;

    bool Allows(const TechniqueInfo& info) const {
        return info.technique <= hardest && (oneSolution || !info.needsOneSolution);
    }
};

// The simplest technique within reach that makes progress.
Deduction FindSimplest(const CandidateGrid& grid, Reach reach);

void Apply(CandidateGrid& grid, const Placement& placement);
void Apply(CandidateGrid& grid, const Elimination& elimination);

}  // namespace logic
