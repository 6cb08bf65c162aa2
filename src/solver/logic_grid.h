// The grid as the human-style logic engine sees it: 81 cells in grid-row order, the 27 units
// they lie in, and the candidate digits of every empty cell, kept as bit masks so that the
// techniques can run many thousands of times while a new puzzle is made.
//
// Cell index 0..80 is 9 * row + column, both counted from 0 at the top left. Unit index 0..26:
// the nine rows from the top, then the nine columns from the left, then the nine blocks in
// reading order. People count rows, columns and blocks from 1; Cell and Unit carry those names.
#pragma once

#include <array>
#include <bit>
#include <cstdint>

namespace logic {

inline constexpr int CellCount = 81;
inline constexpr int UnitCount = 27;

// Digits of a whole grid in grid-row order, 0 for an empty cell.
using Digits = std::array<std::uint8_t, CellCount>;

// A set of digits: bit d - 1 stands for digit d.
using DigitMask = std::uint16_t;
inline constexpr DigitMask AllDigits = 0x1FF;

constexpr DigitMask DigitBit(int digit) {
    return static_cast<DigitMask>(1u << (digit - 1));
}
namespace detail {
// Counting bits through a table: the portable build has no population count instruction, and
// the library call that replaces it would cost more than the techniques themselves.
inline constexpr auto DigitCounts = [] {
    std::array<std::uint8_t, AllDigits + 1> counts{};
    for (int digits = 0; digits <= AllDigits; ++digits) {
        counts[digits] = static_cast<std::uint8_t>(std::popcount(static_cast<unsigned>(digits)));
    }
    return counts;
}();
}  // namespace detail

constexpr int DigitCount(DigitMask digits) {
    return detail::DigitCounts[digits];
}
// The smallest digit of a non-empty set.
constexpr int LowestDigit(DigitMask digits) {
    return std::countr_zero(digits) + 1;
}

constexpr int RowOf(int cell) {
    return cell / 9;
}
constexpr int ColumnOf(int cell) {
    return cell % 9;
}
constexpr int BlockOf(int cell) {
    return RowOf(cell) / 3 * 3 + ColumnOf(cell) / 3;
}

enum class UnitKind : std::uint8_t { Row, Column, Block };

// A unit as a person names it: "rij 4", "kolom 3", "blok 5" (blocks 1..9 in reading order).
struct Unit {
    UnitKind kind;
    int number;  // 1..9

    friend constexpr bool operator==(const Unit&, const Unit&) = default;
};

constexpr Unit UnitAt(int unit) {
    return Unit{static_cast<UnitKind>(unit / 9), unit % 9 + 1};
}
constexpr int UnitIndex(Unit unit) {
    return 9 * static_cast<int>(unit.kind) + unit.number - 1;
}
constexpr int RowUnit(int cell) {
    return RowOf(cell);
}
constexpr int ColumnUnit(int cell) {
    return 9 + ColumnOf(cell);
}
constexpr int BlockUnit(int cell) {
    return 18 + BlockOf(cell);
}

// A cell as a person names it: column and row, both 1..9.
struct Cell {
    int column;
    int row;

    friend constexpr bool operator==(const Cell&, const Cell&) = default;
};

constexpr Cell CellAt(int cell) {
    return Cell{ColumnOf(cell) + 1, RowOf(cell) + 1};
}
constexpr int CellIndex(Cell cell) {
    return 9 * (cell.row - 1) + cell.column - 1;
}

// A set of cells, one bit per cell index.
class CellSet {
  public:
    constexpr void Add(int cell) { words_[cell >> 6] |= Bit(cell); }
    constexpr void Remove(int cell) { words_[cell >> 6] &= ~Bit(cell); }
    constexpr bool Contains(int cell) const { return (words_[cell >> 6] & Bit(cell)) != 0; }
    constexpr bool IsEmpty() const { return (words_[0] | words_[1]) == 0; }
    // The smallest cell index of a non-empty set.
    constexpr int First() const {
        return words_[0] != 0 ? std::countr_zero(words_[0]) : 64 + std::countr_zero(words_[1]);
    }
    // Calls visit(cell) for each cell, from the smallest.
    template <typename Visit>
    constexpr void ForEach(Visit visit) const {
        for (int word = 0; word < 2; ++word) {
            for (std::uint64_t bits = words_[word]; bits != 0; bits &= bits - 1) {
                visit(64 * word + std::countr_zero(bits));
            }
        }
    }
    friend constexpr CellSet operator&(CellSet a, const CellSet& b) {
        a.words_[0] &= b.words_[0];
        a.words_[1] &= b.words_[1];
        return a;
    }

  private:
    static constexpr std::uint64_t Bit(int cell) { return std::uint64_t{1} << (cell & 63); }

    std::array<std::uint64_t, 2> words_{};
};

using UnitCells = std::array<std::uint8_t, 9>;
using PeerCells = std::array<std::uint8_t, 20>;
using CellUnits = std::array<std::uint8_t, 3>;

namespace detail {

struct Geometry {
    std::array<UnitCells, UnitCount> unitCells{};
    std::array<PeerCells, CellCount> peers{};
    std::array<CellUnits, CellCount> units{};
    std::array<CellSet, CellCount> peerSets{};
};

constexpr Geometry MakeGeometry() {
    Geometry g;
    for (int cell = 0; cell < CellCount; ++cell) {
        const int r = RowOf(cell), c = ColumnOf(cell), b = BlockOf(cell);
        g.units[cell] = {static_cast<std::uint8_t>(RowUnit(cell)),
                         static_cast<std::uint8_t>(ColumnUnit(cell)),
                         static_cast<std::uint8_t>(BlockUnit(cell))};
        g.unitCells[RowUnit(cell)][c] = static_cast<std::uint8_t>(cell);
        g.unitCells[ColumnUnit(cell)][r] = static_cast<std::uint8_t>(cell);
        g.unitCells[BlockUnit(cell)][r % 3 * 3 + c % 3] = static_cast<std::uint8_t>(cell);
        int peerCount = 0;
        for (int other = 0; other < CellCount; ++other) {
            if (other != cell &&
                (RowOf(other) == r || ColumnOf(other) == c || BlockOf(other) == b)) {
                g.peers[cell][peerCount++] = static_cast<std::uint8_t>(other);
                g.peerSets[cell].Add(other);
            }
        }
    }
    return g;
}

inline constexpr Geometry geometry = MakeGeometry();

}  // namespace detail

// The nine cells of a unit: a row from the left, a column from the top, a block in reading order.
constexpr const UnitCells& CellsOf(int unit) {
    return detail::geometry.unitCells[unit];
}
// The row, column and block of the cell.
constexpr const CellUnits& UnitsOf(int cell) {
    return detail::geometry.units[cell];
}
// The 20 cells that share a unit with the cell, in grid-row order.
constexpr const PeerCells& PeersOf(int cell) {
    return detail::geometry.peers[cell];
}
// The same cells as a set.
constexpr const CellSet& PeerSetOf(int cell) {
    return detail::geometry.peerSets[cell];
}
constexpr bool InUnit(int cell, int unit) {
    return RowUnit(cell) == unit || ColumnUnit(cell) == unit || BlockUnit(cell) == unit;
}
constexpr bool ArePeers(int a, int b) {
    return a != b &&
           (RowOf(a) == RowOf(b) || ColumnOf(a) == ColumnOf(b) || BlockOf(a) == BlockOf(b));
}

// The digits of a grid and the candidates of its empty cells. Placing a digit strikes it from
// the candidates of the cell's peers; striking never gives a candidate back. The grid notes
// when an empty cell runs out of candidates, and which empty cells have exactly one left.
class CandidateGrid {
  public:
    // Places every digit of the grid. A digit that repeats in a unit, or an empty cell left
    // without candidates, makes the grid contradictory.
    explicit CandidateGrid(const Digits& digits);

    int Digit(int cell) const { return digits_[cell]; }
    // The candidates of an empty cell; none for a filled one.
    DigitMask Candidates(int cell) const { return candidates_[cell]; }
    const Digits& AsDigits() const { return digits_; }
    int EmptyCount() const { return emptyCount_; }
    int EmptyCountIn(int unit) const { return emptyInUnit_[unit]; }
    bool IsSolved() const { return emptyCount_ == 0; }
    bool IsContradictory() const { return contradictory_; }
    // The empty cells with exactly one candidate.
    const CellSet& NakedSingles() const { return nakedSingles_; }

    // Fills an empty cell. A digit that is not one of its candidates, or a cell already
    // filled (which keeps its digit), makes the grid contradictory.
    void Place(int cell, int digit);
    // Takes the digits from the candidates of the cell; true if it had any of them.
    bool Strike(int cell, DigitMask digits);

  private:
    Digits digits_{};
    std::array<DigitMask, CellCount> candidates_{};
    std::array<std::uint8_t, UnitCount> emptyInUnit_{};
    CellSet nakedSingles_;
    int emptyCount_ = CellCount;
    bool contradictory_ = false;
};

}  // namespace logic
