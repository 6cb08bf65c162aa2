// X-wing, swordfish and jellyfish: a digit whose places in `Size` parallel lines (the base)
// lie in `Size` crossing lines (the cover) fills the cover's places in the base, so the rest of
// the cover loses it.
#include "solver/logic_search.h"

namespace logic {

using namespace search;

namespace {

// The fish of the digit whose base lines are of one kind: rows (first line 0) or columns (9).
// False once the visit ended the search.
bool FishAlong(const CandidateGrid& grid, const Places& places, int digit, int firstBase, int size,
               const Visitor<Elimination>& visit) {
    const int firstCover = 9 - firstBase;
    Options options;  // base lines with 2..size places for the digit
    for (int line = firstBase; line < firstBase + 9; ++line) {
        const int count = PlaceCount(places.Of(line, digit));
        if (count >= 2 && count <= size) {
            options.Add(line, places.Of(line, digit));
        }
    }
    return ForEachSmallUnion(options, size, [&](auto base, PlaceMask cover) {
        // Fewer cover lines than base lines happens only in a grid without solution.
        if (PlaceCount(cover) < size) {
            return true;
        }
        Elimination e{FishOf(size), DigitBit(digit), DigitBit(digit)};
        CellSet rest;
        e.units.assign(base.begin(), base.end());
        for (int i = 0; i < 9; ++i) {
            if (cover & (1u << i)) {
                e.units.push_back(static_cast<std::uint8_t>(firstCover + i));
                for (const int cell : CellsOf(firstCover + i)) {
                    rest.Add(cell);
                }
            }
        }
        for (const int line : base) {
            for (const int cell : CellsOf(line)) {
                rest.Remove(cell);
            }
        }
        if (!TakeTargets(grid, e, rest)) {
            return true;
        }
        for (const int line : base) {
            for (const int cell : CellsAt(line, places.Of(line, digit))) {
                e.cells.push_back(static_cast<std::uint8_t>(cell));
            }
            e.unitLimits.push_back(
                {static_cast<std::uint8_t>(line), static_cast<std::uint8_t>(digit)});
        }
        return visit(e);
    });
}

}  // namespace

template <int Size>
void ForEachFish(const CandidateGrid& grid, const Visitor<Elimination>& visit) {
    const Places places(grid);
    for (int digit = 1; digit <= 9; ++digit) {
        for (const int firstBase : {0, 9}) {
            if (!FishAlong(grid, places, digit, firstBase, Size, visit)) {
                return;
            }
        }
    }
}

template void ForEachFish<2>(const CandidateGrid&, const Visitor<Elimination>&);
template void ForEachFish<3>(const CandidateGrid&, const Visitor<Elimination>&);
template void ForEachFish<4>(const CandidateGrid&, const Visitor<Elimination>&);

}  // namespace logic
