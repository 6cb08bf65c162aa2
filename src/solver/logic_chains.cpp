// The chains: of one digit (skyscraper, two-string kite, colouring, X-chain) and of cells with
// two candidates (XY-chain). A strong link is a unit where the digit has exactly two places,
// so that one of them holds it; a weak link is two cells that see each other, so that not both
// hold it.
#include <algorithm>
#include <optional>

#include "solver/logic_search.h"

namespace logic {

using namespace search;

namespace {

std::uint8_t Byte(int value) {
    return static_cast<std::uint8_t>(value);
}

// The digit's strong links, each pair of cells once (in the first unit that links them).
std::vector<StrongLink> DistinctLinks(const Places& places, int digit) {
    std::vector<StrongLink> links;
    for (const StrongLink& link : StrongLinksOf(places, digit)) {
        if (std::none_of(links.begin(), links.end(), [&](const StrongLink& known) {
                return known.a == link.a && known.b == link.b;
            })) {
            links.push_back(link);
        }
    }
    return links;
}

// A chain of one digit: strong and weak links in turn, from `cells` front to back.
Elimination DigitChain(Technique technique, int digit, const std::vector<std::uint8_t>& cells) {
    Elimination e{technique, DigitBit(digit), DigitBit(digit)};
    e.cells = cells;
    for (std::size_t i = 0; i + 1 < cells.size(); ++i) {
        const bool strong = i % 2 == 0;
        e.links.push_back({cells[i], cells[i + 1], Byte(digit), strong});
    }
    return e;
}

// The elimination of a chain whose ends hold the digit between them: the digit leaves the
// cells that see both ends. `units` are the units of its strong links.
bool EndsSeen(const CandidateGrid& grid, const Places& places, Elimination& e, int digit,
              const std::vector<std::uint8_t>& units) {
    CellSet seen = SeenByAll({e.cells.front(), e.cells.back()}) & places.With(digit);
    for (const int cell : e.cells) {
        seen.Remove(cell);
    }
    if (!TakeTargets(grid, e, seen)) {
        return false;
    }
    e.units = units;
    for (const int unit : units) {
        e.unitLimits.push_back({Byte(unit), Byte(digit)});
    }
    return true;
}

// The cell of the line at the place.
int LineCell(int line, int place) {
    return CellsOf(line)[place];
}

bool SkyscrapersAlong(const CandidateGrid& grid, const Places& places, int digit, int first,
                      const Visitor<Elimination>& visit) {
    for (int one = first; one < first + 9; ++one) {
        const PlaceMask at1 = places.Of(one, digit);
        if (PlaceCount(at1) != 2) {
            continue;
        }
        for (int two = one + 1; two < first + 9; ++two) {
            const PlaceMask at2 = places.Of(two, digit);
            const PlaceMask base = at1 & at2;
            if (PlaceCount(at2) != 2 || PlaceCount(base) != 1) {
                continue;
            }
            const int b = std::countr_zero(base);
            Elimination e = DigitChain(
                Technique::Skyscraper, digit,
                {Byte(LineCell(one, std::countr_zero(static_cast<unsigned>(at1 & ~base)))),
                 Byte(LineCell(one, b)), Byte(LineCell(two, b)),
                 Byte(LineCell(two, std::countr_zero(static_cast<unsigned>(at2 & ~base))))});
            if (EndsSeen(grid, places, e, digit, {Byte(one), Byte(two)}) && !visit(e)) {
                return false;
            }
        }
    }
    return true;
}

// The strong links of a digit and the cells they join, coloured in turn.
class Colouring {
  public:
    Colouring(const Places& places, int digit) : links_(DistinctLinks(places, digit)) {}

    // Visits each cluster of two links or more: its cells of either colour and its links.
    template <typename Visit>
    bool ForEachCluster(Visit visit) {
        std::array<std::int8_t, CellCount> colour;
        colour.fill(-1);
        for (const StrongLink& seed : links_) {
            if (colour[seed.a] >= 0) {
                continue;
            }
            std::array<std::vector<std::uint8_t>, 2> cells;
            std::vector<StrongLink> links;
            colour[seed.a] = 0;
            std::vector<std::uint8_t> queue{seed.a};
            bool consistent = true;
            for (std::size_t next = 0; next < queue.size(); ++next) {
                const int cell = queue[next];
                cells[colour[cell]].push_back(Byte(cell));
                for (const StrongLink& link : links_) {
                    if (link.a != cell && link.b != cell) {
                        continue;
                    }
                    const int other = link.a == cell ? link.b : link.a;
                    if (link.a == cell) {
                        links.push_back(link);
                    }
                    if (colour[other] < 0) {
                        colour[other] = static_cast<std::int8_t>(1 - colour[cell]);
                        queue.push_back(Byte(other));
                    } else if (colour[other] == colour[cell]) {
                        consistent = false;  // only in a grid without solution
                    }
                }
            }
            std::sort(cells[0].begin(), cells[0].end());
            std::sort(cells[1].begin(), cells[1].end());
            if (consistent && links.size() >= 2 && !visit(cells, links)) {
                return false;
            }
        }
        return true;
    }

  private:
    std::vector<StrongLink> links_;
};

Elimination Coloured(Technique technique, int digit, const std::vector<std::uint8_t>& first,
                     const std::vector<std::uint8_t>& second,
                     const std::vector<StrongLink>& links) {
    Elimination e{technique, DigitBit(digit), DigitBit(digit)};
    e.cells = first;
    e.cells.insert(e.cells.end(), second.begin(), second.end());
    e.firstColour = static_cast<int>(first.size());
    for (const StrongLink& link : links) {
        e.units.push_back(link.unit);
        e.unitLimits.push_back({link.unit, Byte(digit)});
        e.links.push_back({link.a, link.b, Byte(digit), true});
    }
    return e;
}

bool SeesAny(int cell, const std::vector<std::uint8_t>& cells) {
    return std::any_of(cells.begin(), cells.end(),
                       [cell](int other) { return ArePeers(cell, other); });
}

bool MeetsItself(const std::vector<std::uint8_t>& cells) {
    return std::any_of(cells.begin(), cells.end(),
                       [&cells](int cell) { return SeesAny(cell, cells); });
}

// A path found by a breadth-first search over states, `statesPerCell` to a cell, back from the
// state `at`: the states from the start to the end, or nothing when a cell repeats.
std::optional<std::vector<int>> PathTo(const std::vector<std::int16_t>& parent, int at,
                                       int statesPerCell) {
    std::vector<int> states;
    CellSet cells;
    for (; at >= 0; at = parent[at]) {
        if (cells.Contains(at / statesPerCell)) {
            return std::nullopt;
        }
        cells.Add(at / statesPerCell);
        states.push_back(at);
    }
    std::reverse(states.begin(), states.end());
    return states;
}

std::vector<std::uint8_t> CellsOfStates(const std::vector<int>& states, int statesPerCell) {
    std::vector<std::uint8_t> cells;
    for (const int state : states) {
        cells.push_back(Byte(state / statesPerCell));
    }
    return cells;
}

constexpr std::int16_t Unseen = -2;

bool XChainsFrom(const CandidateGrid& grid, const Places& places, int digit, int start,
                 const std::vector<StrongLink>& links, const Visitor<Elimination>& visit) {
    // State 2 * cell: reached by a weak link (or the start), a strong one follows; 2 * cell + 1:
    // reached by a strong link, a weak one follows.
    std::vector<std::int16_t> parent(2 * CellCount, Unseen);
    std::vector<int> queue{2 * start};
    parent[2 * start] = -1;
    for (std::size_t next = 0; next < queue.size(); ++next) {
        const int state = queue[next];
        const int cell = state / 2;
        auto reach = [&](int other, int phase) {
            const int to = 2 * other + phase;
            if (parent[to] == Unseen) {
                parent[to] = static_cast<std::int16_t>(state);
                queue.push_back(to);
            }
        };
        if (state % 2 == 0) {
            for (const StrongLink& link : links) {
                if (link.a == cell || link.b == cell) {
                    reach(link.a == cell ? link.b : link.a, 1);
                }
            }
            continue;
        }
        if (cell > start) {
            if (const auto states = PathTo(parent, state, 2)) {
                const std::vector<std::uint8_t> cells = CellsOfStates(*states, 2);
                Elimination e = DigitChain(Technique::XChain, digit, cells);
                std::vector<std::uint8_t> units;
                for (std::size_t i = 0; i + 1 < cells.size(); i += 2) {
                    units.push_back(Byte(SharedUnit(cells[i], cells[i + 1])));
                }
                if (EndsSeen(grid, places, e, digit, units) && !visit(e)) {
                    return false;
                }
            }
        }
        (PeerSetOf(cell) & places.With(digit)).ForEach([&](int other) { reach(other, 0); });
    }
    return true;
}

bool XYChainsFrom(const CandidateGrid& grid, const Places& places, int start, int endDigit,
                  const Visitor<Elimination>& visit) {
    // State 9 * cell + d - 1: the cell, which holds d if the start does not hold endDigit.
    std::vector<std::int16_t> parent(9 * CellCount, Unseen);
    const int first = 9 * start + LowestDigit(grid.Candidates(start) & ~DigitBit(endDigit)) - 1;
    std::vector<int> queue{first};
    parent[first] = -1;
    for (std::size_t next = 0; next < queue.size(); ++next) {
        const int state = queue[next];
        const int cell = state / 9, digit = state % 9 + 1;
        if (digit == endDigit && cell > start) {
            if (const auto states = PathTo(parent, state, 9)) {
                Elimination e{Technique::XYChain, 0, DigitBit(endDigit)};
                e.cells = CellsOfStates(*states, 9);
                for (std::size_t i = 0; i < e.cells.size(); ++i) {
                    const DigitMask pair = grid.Candidates(e.cells[i]);
                    e.digits |= pair;
                    e.cellLimits.push_back({e.cells[i], pair});
                    if (i + 1 < e.cells.size()) {
                        // The digit the cell holds when the start does not hold endDigit, which
                        // the next cell then cannot hold.
                        e.links.push_back(
                            {e.cells[i], e.cells[i + 1], Byte((*states)[i] % 9 + 1), false});
                    }
                }
                CellSet seen = SeenByAll({start, cell}) & places.With(endDigit);
                for (const int c : e.cells) {
                    seen.Remove(c);
                }
                if (TakeTargets(grid, e, seen) && !visit(e)) {
                    return false;
                }
            }
            continue;
        }
        PeerSetOf(cell).ForEach([&](int other) {
            const DigitMask pair = grid.Candidates(other);
            if (DigitCount(pair) != 2 || (pair & DigitBit(digit)) == 0) {
                return;
            }
            const int to = 9 * other + LowestDigit(pair & ~DigitBit(digit)) - 1;
            if (parent[to] == Unseen) {
                parent[to] = static_cast<std::int16_t>(state);
                queue.push_back(to);
            }
        });
    }
    return true;
}

// Visits the clusters of every digit: visit(digit, cells, links).
template <typename Visit>
void ForEachCluster(const Places& places, Visit visit) {
    for (int digit = 1; digit <= 9; ++digit) {
        const bool goOn =
            Colouring(places, digit).ForEachCluster([&](const auto& cells, const auto& links) {
                return visit(digit, cells, links);
            });
        if (!goOn) {
            return;
        }
    }
}

}  // namespace

void ForEachSkyscraper(const CandidateGrid& grid, const Visitor<Elimination>& visit) {
    const Places places(grid);
    for (int digit = 1; digit <= 9; ++digit) {
        if (!SkyscrapersAlong(grid, places, digit, 0, visit) ||
            !SkyscrapersAlong(grid, places, digit, 9, visit)) {
            return;
        }
    }
}

void ForEachTwoStringKite(const CandidateGrid& grid, const Visitor<Elimination>& visit) {
    const Places places(grid);
    for (int digit = 1; digit <= 9; ++digit) {
        for (int row = 0; row < 9; ++row) {
            if (PlaceCount(places.Of(row, digit)) != 2) {
                continue;
            }
            const auto rowCells = CellsAt(row, places.Of(row, digit));
            for (int column = 9; column < 18; ++column) {
                if (PlaceCount(places.Of(column, digit)) != 2) {
                    continue;
                }
                const auto columnCells = CellsAt(column, places.Of(column, digit));
                for (int i = 0; i < 2; ++i) {
                    for (int j = 0; j < 2; ++j) {
                        const int rowEnd = rowCells[1 - i], rowJoint = rowCells[i];
                        const int columnJoint = columnCells[j], columnEnd = columnCells[1 - j];
                        if (BlockOf(rowJoint) != BlockOf(columnJoint) || rowJoint == columnJoint ||
                            rowEnd == columnJoint || columnEnd == rowJoint || rowEnd == columnEnd) {
                            continue;
                        }
                        Elimination e = DigitChain(
                            Technique::TwoStringKite, digit,
                            {Byte(rowEnd), Byte(rowJoint), Byte(columnJoint), Byte(columnEnd)});
                        if (EndsSeen(grid, places, e, digit, {Byte(row), Byte(column)}) &&
                            !visit(e)) {
                            return;
                        }
                    }
                }
            }
        }
    }
}

void ForEachColourWrap(const CandidateGrid& grid, const Visitor<Elimination>& visit) {
    const Places places(grid);
    ForEachCluster(places, [&](int digit, const auto& cells, const auto& links) {
        for (int wrong = 0; wrong < 2; ++wrong) {
            if (MeetsItself(cells[wrong])) {
                Elimination e =
                    Coloured(Technique::ColourWrap, digit, cells[wrong], cells[1 - wrong], links);
                for (const int cell : cells[wrong]) {
                    e.targets.Add(cell);
                }
                return visit(e);
            }
        }
        return true;
    });
}

void ForEachColourTrap(const CandidateGrid& grid, const Visitor<Elimination>& visit) {
    const Places places(grid);
    ForEachCluster(places, [&](int digit, const auto& cells, const auto& links) {
        Elimination e = Coloured(Technique::ColourTrap, digit, cells[0], cells[1], links);
        places.With(digit).ForEach([&](int cell) {
            if (std::find(e.cells.begin(), e.cells.end(), cell) == e.cells.end() &&
                SeesAny(cell, cells[0]) && SeesAny(cell, cells[1])) {
                e.targets.Add(cell);
            }
        });
        return e.targets.IsEmpty() || visit(e);
    });
}

void ForEachXChain(const CandidateGrid& grid, const Visitor<Elimination>& visit) {
    const Places places(grid);
    for (int digit = 1; digit <= 9; ++digit) {
        const std::vector<StrongLink> links = DistinctLinks(places, digit);
        CellSet linked;
        for (const StrongLink& link : links) {
            linked.Add(link.a);
            linked.Add(link.b);
        }
        bool goOn = true;
        linked.ForEach([&](int start) {
            goOn = goOn && XChainsFrom(grid, places, digit, start, links, visit);
        });
        if (!goOn) {
            return;
        }
    }
}

void ForEachXYChain(const CandidateGrid& grid, const Visitor<Elimination>& visit) {
    const Places places(grid);
    for (int start = 0; start < CellCount; ++start) {
        const DigitMask pair = grid.Candidates(start);
        if (DigitCount(pair) != 2) {
            continue;
        }
        for (const int endDigit : {LowestDigit(pair), LowestDigit(pair & (pair - 1))}) {
            if (!XYChainsFrom(grid, places, start, endDigit, visit)) {
                return;
            }
        }
    }
}

}  // namespace logic
