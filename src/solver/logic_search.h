// What the searches of the techniques share: the order of the units, the places of each digit,
// and the making of an elimination.
#pragma once

#include <span>

#include "solver/logic_techniques.h"

namespace logic::search {

// Blocks, then rows, then columns.
inline constexpr std::array<std::uint8_t, UnitCount> UnitOrder = [] {
    std::array<std::uint8_t, UnitCount> order{};
    for (int i = 0; i < UnitCount; ++i) {
        order[i] = static_cast<std::uint8_t>((i + 18) % UnitCount);
    }
    return order;
}();

// Visits the digits of the set from the smallest; false once the visit ended the search.
template <typename Visit>
bool ForEachDigit(DigitMask digits, Visit visit) {
    for (; digits != 0; digits &= digits - 1) {
        if (!visit(LowestDigit(digits))) {
            return false;
        }
    }
    return true;
}

// A set of the nine places of a unit: bit i for the i-th cell of CellsOf(unit).
using PlaceMask = std::uint16_t;

inline int PlaceCount(PlaceMask places) {
    return DigitCount(places);
}

// Where each digit may still go in each unit, and which cells may hold it.
struct Places {
    std::array<std::array<PlaceMask, 9>, UnitCount> in{};  // [unit][digit - 1]
    std::array<CellSet, 9> cellsWith{};                    // [digit - 1]

    explicit Places(const CandidateGrid& grid);

    PlaceMask Of(int unit, int digit) const { return in[unit][digit - 1]; }
    const CellSet& With(int digit) const { return cellsWith[digit - 1]; }
};

// Up to nine things to choose from, each with a mask: cells with their candidates, digits with
// their places, lines with the places of a digit.
struct Options {
    std::array<std::uint8_t, 9> items{};
    std::array<std::uint16_t, 9> masks{};
    int count = 0;

    void Add(int item, std::uint16_t mask) {
        items[count] = static_cast<std::uint8_t>(item);
        masks[count++] = mask;
    }
};

// Visits every choice of `size` of the options whose masks, together, have no more than `size`
// bits: found(chosen, together), the chosen items a span in their order. Subsets and fish are
// such choices. False once found ended the search.
template <typename Found>
bool ForEachSmallUnion(const Options& options, int size, Found found) {
    std::array<std::uint8_t, 9> chosen{};
    int chosenCount = 0;
    auto choose = [&](auto& self, int from, std::uint16_t together) -> bool {
        if (chosenCount == size) {
            return found(std::span<const std::uint8_t>(chosen.data(), chosenCount), together);
        }
        for (int i = from; i + (size - chosenCount) <= options.count; ++i) {
            const auto more = static_cast<std::uint16_t>(together | options.masks[i]);
            if (DigitCount(more) > size) {
                continue;
            }
            chosen[chosenCount++] = options.items[i];
            const bool goOn = self(self, i + 1, more);
            --chosenCount;
            if (!goOn) {
                return false;
            }
        }
        return true;
    };
    return options.count < size || choose(choose, 0, 0);
}

// The unit's cells at the places.
std::vector<std::uint8_t> CellsAt(int unit, PlaceMask places);

// Takes `struck` from the cells of `candidates` that hold some of it; true when there is any.
bool TakeTargets(const CandidateGrid& grid, Elimination& elimination, const CellSet& candidates);

// The cells that see every one of the cells.
CellSet SeenByAll(std::initializer_list<int> cells);
CellSet SeenByAll(const std::vector<std::uint8_t>& cells);

// The first unit, in search order, that holds both cells; -1 when they are no peers.
int SharedUnit(int a, int b);

// Strong links of a digit: the units where it has exactly two places, and the two cells.
struct StrongLink {
    std::uint8_t unit;
    std::uint8_t a;
    std::uint8_t b;
};
std::vector<StrongLink> StrongLinksOf(const Places& places, int digit);

}  // namespace logic::search
