#include "solver/logic_search.h"

namespace logic::search {

Places::Places(const CandidateGrid& grid) {
    for (int unit = 0; unit < UnitCount; ++unit) {
        const UnitCells& cells = CellsOf(unit);
        for (int i = 0; i < 9; ++i) {
            for (DigitMask digits = grid.Candidates(cells[i]); digits != 0; digits &= digits - 1) {
                in[unit][LowestDigit(digits) - 1] |= static_cast<PlaceMask>(1u << i);
            }
        }
    }
    for (int cell = 0; cell < CellCount; ++cell) {
        for (DigitMask digits = grid.Candidates(cell); digits != 0; digits &= digits - 1) {
            cellsWith[LowestDigit(digits) - 1].Add(cell);
        }
    }
}

std::vector<std::uint8_t> CellsAt(int unit, PlaceMask places) {
    std::vector<std::uint8_t> cells;
    for (int i = 0; i < 9; ++i) {
        if (places & (1u << i)) {
            cells.push_back(CellsOf(unit)[i]);
        }
    }
    return cells;
}

bool TakeTargets(const CandidateGrid& grid, Elimination& elimination, const CellSet& candidates) {
    candidates.ForEach([&](int cell) {
        if (grid.Candidates(cell) & elimination.struck) {
            elimination.targets.Add(cell);
        }
    });
    return !elimination.targets.IsEmpty();
}

CellSet SeenByAll(std::initializer_list<int> cells) {
    CellSet seen = PeerSetOf(*cells.begin());
    for (const int cell : cells) {
        seen = seen & PeerSetOf(cell);
    }
    return seen;
}

CellSet SeenByAll(const std::vector<std::uint8_t>& cells) {
    CellSet seen = PeerSetOf(cells.front());
    for (const int cell : cells) {
        seen = seen & PeerSetOf(cell);
    }
    return seen;
}

int SharedUnit(int a, int b) {
    if (a == b) {
        return -1;
    }
    for (const int unit : {BlockUnit(a), RowUnit(a), ColumnUnit(a)}) {
        if (InUnit(b, unit)) {
            return unit;
        }
    }
    return -1;
}

std::vector<StrongLink> StrongLinksOf(const Places& places, int digit) {
    std::vector<StrongLink> links;
    for (const int unit : UnitOrder) {
        const PlaceMask at = places.Of(unit, digit);
        if (PlaceCount(at) == 2) {
            const auto cells = CellsAt(unit, at);
            links.push_back({static_cast<std::uint8_t>(unit), cells[0], cells[1]});
        }
    }
    return links;
}

}  // namespace logic::search
