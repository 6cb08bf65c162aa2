// The wings and the unique rectangle: patterns of a few cells with two or three candidates.
#include "solver/logic_search.h"

namespace logic {

using namespace search;

namespace {

// The empty cells with exactly two candidates, in grid-row order.
std::vector<std::uint8_t> PairCells(const CandidateGrid& grid) {
    std::vector<std::uint8_t> cells;
    for (int cell = 0; cell < CellCount; ++cell) {
        if (DigitCount(grid.Candidates(cell)) == 2) {
            cells.push_back(static_cast<std::uint8_t>(cell));
        }
    }
    return cells;
}

std::uint8_t Byte(int value) {
    return static_cast<std::uint8_t>(value);
}

// A wing: the pivot and its two pincers, and the digit that one of them must hold.
Elimination Wing(const CandidateGrid& grid, Technique technique, int pivot, int a, int b) {
    Elimination e{technique, static_cast<DigitMask>(grid.Candidates(pivot) | grid.Candidates(a) |
                                                    grid.Candidates(b))};
    e.struck = grid.Candidates(a) & grid.Candidates(b);
    e.cells = {Byte(pivot), Byte(a), Byte(b)};
    for (const int cell : e.cells) {
        e.cellLimits.push_back({Byte(cell), grid.Candidates(cell)});
    }
    const int linkA = LowestDigit(grid.Candidates(a) & grid.Candidates(pivot) & ~e.struck);
    const int linkB = LowestDigit(grid.Candidates(b) & grid.Candidates(pivot) & ~e.struck);
    e.links = {{Byte(a), Byte(pivot), Byte(linkA), false},
               {Byte(pivot), Byte(b), Byte(linkB), false}};
    return e;
}

}  // namespace

void ForEachXYWing(const CandidateGrid& grid, const Visitor<Elimination>& visit) {
    const std::vector<std::uint8_t> pairs = PairCells(grid);
    for (const int pivot : pairs) {
        const DigitMask xy = grid.Candidates(pivot);
        for (const int a : pairs) {
            const DigitMask xz = grid.Candidates(a);
            if (!ArePeers(pivot, a) || DigitCount(xz & xy) != 1) {
                continue;
            }
            for (const int b : pairs) {
                const DigitMask yz = grid.Candidates(b);
                // b holds the pivot's other digit and a's other digit.
                if (b <= a || !ArePeers(pivot, b) || yz != (xy ^ xz)) {
                    continue;
                }
                Elimination e = Wing(grid, Technique::XYWing, pivot, a, b);
                if (TakeTargets(grid, e, SeenByAll({a, b})) && !visit(e)) {
                    return;
                }
            }
        }
    }
}

void ForEachXYZWing(const CandidateGrid& grid, const Visitor<Elimination>& visit) {
    const std::vector<std::uint8_t> pairs = PairCells(grid);
    for (int pivot = 0; pivot < CellCount; ++pivot) {
        const DigitMask xyz = grid.Candidates(pivot);
        if (DigitCount(xyz) != 3) {
            continue;
        }
        for (const int a : pairs) {
            const DigitMask xz = grid.Candidates(a);
            if (!ArePeers(pivot, a) || (xz & ~xyz) != 0) {
                continue;
            }
            for (const int b : pairs) {
                const DigitMask yz = grid.Candidates(b);
                if (b <= a || !ArePeers(pivot, b) || (yz & ~xyz) != 0 || DigitCount(xz & yz) != 1) {
                    continue;
                }
                Elimination e = Wing(grid, Technique::XYZWing, pivot, a, b);
                if (TakeTargets(grid, e, SeenByAll({pivot, a, b})) && !visit(e)) {
                    return;
                }
            }
        }
    }
}

void ForEachUniqueRectangle(const CandidateGrid& grid, const Visitor<Elimination>& visit) {
    for (int r1 = 0; r1 < 9; ++r1) {
        for (int r2 = r1 + 1; r2 < 9; ++r2) {
            for (int c1 = 0; c1 < 9; ++c1) {
                for (int c2 = c1 + 1; c2 < 9; ++c2) {
                    // Two blocks: the rows share a band or the columns a stack, not both.
                    if ((r1 / 3 == r2 / 3) == (c1 / 3 == c2 / 3)) {
                        continue;
                    }
                    const std::array<int, 4> corners{9 * r1 + c1, 9 * r1 + c2, 9 * r2 + c1,
                                                     9 * r2 + c2};
                    // Three corners of the same two candidates, and a fourth with more.
                    for (int fourth = 0; fourth < 4; ++fourth) {
                        const int other = corners[(fourth + 1) % 4];
                        const DigitMask ab = grid.Candidates(other);
                        if (DigitCount(ab) != 2) {
                            continue;
                        }
                        Elimination e{Technique::UniqueRectangle, ab, ab};
                        for (int k = 0; k < 4; ++k) {
                            if (k != fourth && grid.Candidates(corners[k]) == ab) {
                                e.cells.push_back(Byte(corners[k]));
                                e.cellLimits.push_back({Byte(corners[k]), ab});
                            }
                        }
                        const DigitMask rest = grid.Candidates(corners[fourth]);
                        if (e.cells.size() != 3 || (rest & ab) == 0 || rest == ab) {
                            continue;
                        }
                        e.cells.push_back(Byte(corners[fourth]));
                        e.targets.Add(corners[fourth]);
                        if (!visit(e)) {
                            return;
                        }
                    }
                }
            }
        }
    }
}

void ForEachWWing(const CandidateGrid& grid, const Visitor<Elimination>& visit) {
    const std::vector<std::uint8_t> pairs = PairCells(grid);
    const Places places(grid);
    for (const int one : pairs) {
        for (const int two : pairs) {
            const DigitMask ab = grid.Candidates(one);
            if (two <= one || grid.Candidates(two) != ab || ArePeers(one, two)) {
                continue;
            }
            for (const int link : {LowestDigit(ab), LowestDigit(ab & (ab - 1))}) {
                const DigitMask other = ab & ~DigitBit(link);
                for (const StrongLink& strong : StrongLinksOf(places, link)) {
                    // The link's ends: one seen by each cell, neither of them those cells.
                    int near = strong.a, far = strong.b;
                    if (!(ArePeers(one, near) && ArePeers(two, far))) {
                        std::swap(near, far);
                    }
                    if (!(ArePeers(one, near) && ArePeers(two, far)) || near == two || far == one) {
                        continue;
                    }
                    Elimination e{Technique::WWing, ab, other};
                    if (!TakeTargets(grid, e, SeenByAll({one, two}))) {
                        continue;
                    }
                    e.cells = {Byte(one), Byte(near), Byte(far), Byte(two)};
                    e.units = {strong.unit};
                    e.cellLimits = {{Byte(one), ab}, {Byte(two), ab}};
                    e.unitLimits = {{strong.unit, Byte(link)}};
                    e.links = {{Byte(one), Byte(near), Byte(link), false},
                               {Byte(near), Byte(far), Byte(link), true},
                               {Byte(far), Byte(two), Byte(link), false}};
                    if (!visit(e)) {
                        return;
                    }
                }
            }
        }
    }
}

}  // namespace logic
