// The logic solver: a cell table with candidate sets, and the techniques that fill it in
// without guessing (elimination, naked and hidden singles, box/line reduction, naked subsets).
//
// Cells are numbered 1..81 box by box: the boxes in reading order, and inside each box its
// nine cells in reading order. Cell 1 is the top-left corner, cells 10..18 form the top-middle
// box and cell 81 is the bottom-right corner. Grid rows and columns are counted 1..9 from the
// top and from the left.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace solver {

inline constexpr int CellCount = 81;

// Candidate mask of a cell that may still take any digit: bit d - 1 stands for digit d.
inline constexpr std::int16_t AllCandidates = 511;

// Where a cell lies: the box (column and row of boxes) and the place inside the box.
// Every field runs 1..3.
struct CellPos {
    std::uint8_t BoxColumn;
    std::uint8_t BoxRow;
    std::uint8_t ColumnInBox;
    std::uint8_t RowInBox;

    friend constexpr bool operator==(const CellPos&, const CellPos&) = default;
};

struct CellEntry {
    std::int16_t CellNumber;  // 1..81, fixed when the table is made
    std::uint8_t Value;       // 0 = unsolved, else the digit in the cell
    std::int16_t Candidates;  // digits still possible; 0 once the cell has a value
};

enum class SolveStatus : std::int32_t { Progress = 0, Solved = 1, Stalled = 2, Failed = 3 };

// Digits of a whole grid in grid-row order, 0 for an empty cell.
using GridDigits = std::array<std::uint8_t, CellCount>;

// Position of cell number n (1..81).
constexpr CellPos CellPosition(std::int16_t n) {
    const int boxRow = (n - 1) / 27 + 1;
    const int boxColumn = (n - 1) / 9 + 1 - 3 * (boxRow - 1);
    const int rowInBox = (n - 1) / 3 + 1 - 9 * (boxRow - 1) - 3 * (boxColumn - 1);
    const int columnInBox = n - 27 * (boxRow - 1) - 9 * (boxColumn - 1) - 3 * (rowInBox - 1);
    return CellPos{static_cast<std::uint8_t>(boxColumn), static_cast<std::uint8_t>(boxRow),
                   static_cast<std::uint8_t>(columnInBox), static_cast<std::uint8_t>(rowInBox)};
}

// Cell number of a position; the inverse of CellPosition.
constexpr std::int16_t CellNumberAt(CellPos p) {
    return static_cast<std::int16_t>(27 * (p.BoxRow - 1) + 9 * (p.BoxColumn - 1) +
                                     3 * (p.RowInBox - 1) + p.ColumnInBox);
}

constexpr int GridRow(CellPos p) {
    return 3 * (p.BoxRow - 1) + p.RowInBox;
}
constexpr int GridColumn(CellPos p) {
    return 3 * (p.BoxColumn - 1) + p.ColumnInBox;
}

// Cell number of grid column 1..9 and grid row 1..9.
constexpr std::int16_t CellNumberAt(int column, int row) {
    constexpr std::array<int, 9> rowStart{0, 3, 6, 27, 30, 33, 54, 57, 60};
    constexpr std::array<int, 9> columnOffset{1, 2, 3, 10, 11, 12, 19, 20, 21};
    return static_cast<std::int16_t>(rowStart[row - 1] + columnOffset[column - 1]);
}

// Index 0..80 of cell n in grid-row order (row by row from the top, each row from the left).
constexpr int GridIndex(std::int16_t n) {
    const CellPos p = CellPosition(n);
    return 9 * (GridRow(p) - 1) + GridColumn(p) - 1;
}

// Cell number at index 0..80 in grid-row order.
constexpr std::int16_t CellNumberAtGridIndex(int index) {
    return CellNumberAt(index % 9 + 1, index / 9 + 1);
}

// Reorders 81 characters from grid-row order into cell-number order (character n - 1 for
// cell n), and back. Shorter input is padded with '0'.
std::string GridRowsToCellOrder(std::string_view rows);
std::string CellOrderToGridRows(std::string_view cells);

// Number of candidates among bits 0..8; higher bits are not counted.
constexpr int CountCandidates(std::int16_t mask) {
    int count = 0;
    for (int bit = 0; bit < 9; ++bit) {
        count += (mask >> bit) & 1;
    }
    return count;
}

// The n-th candidate digit counted upwards from 1, or 0 when the mask has fewer than n.
constexpr int NthCandidate(std::int16_t mask, std::int16_t n) {
    int seen = 0;
    for (int digit = 1; digit <= 9; ++digit) {
        if ((mask >> (digit - 1)) & 1) {
            if (++seen == n) {
                return digit;
            }
        }
    }
    return 0;
}

// True when the mask, read as a signed number, is positive and has exactly one bit set.
constexpr bool HoldsSingleCandidate(std::int16_t mask) {
    return mask > 0 && (mask & (mask - 1)) == 0;
}

// The 81 entries, addressed by position or by cell number, and kept row by row so that the
// cells of a row or column lie at fixed distances.
class CellTable {
  public:
    CellTable();

    CellEntry& operator()(CellPos p) { return entries_[IndexOf(p)]; }
    const CellEntry& operator()(CellPos p) const { return entries_[IndexOf(p)]; }
    CellEntry& operator[](std::int16_t n) { return entries_[GridIndex(n)]; }
    const CellEntry& operator[](std::int16_t n) const { return entries_[GridIndex(n)]; }
    // By grid index 0..80 (row by row from the top, each row from the left).
    CellEntry& AtIndex(int g) { return entries_[g]; }
    const CellEntry& AtIndex(int g) const { return entries_[g]; }

  private:
    static constexpr int IndexOf(CellPos p) { return 9 * (GridRow(p) - 1) + GridColumn(p) - 1; }

    std::array<CellEntry, CellCount> entries_{};
};

// The puzzle being solved and the state of the solve. The operations ignore cell numbers
// outside 1..81 and digits outside 1..9 (IsDuplicate finds no duplicate then); the accessors
// need valid cell numbers.
class SolverEngine {
  public:
    SolverEngine();

    const CellTable& Table() const { return table_; }
    const CellEntry& Entry(std::int16_t n) const { return table_[n]; }
    std::uint8_t Value(std::int16_t n) const { return table_[n].Value; }
    std::uint8_t ValueAt(int column, int row) const {
        return table_[CellNumberAt(column, row)].Value;
    }
    std::int16_t Candidates(std::int16_t n) const { return table_[n].Candidates; }

    SolveStatus Status() const { return status_; }
    void SetStatus(SolveStatus status) { status_ = status; }
    std::uint8_t BestCount() const { return bestCount_; }

    // Empties every cell and sets the status back to Progress.
    void Clear();

    // Gives every empty cell all nine candidates less the digits of its peers, as if each
    // digit in the table had been placed anew. Digits overwritten or erased after they were
    // placed keep their candidates struck in the peers until this runs.
    void RebuildCandidates();

    // Loads a puzzle of 81 digits in grid-row order (0 = empty) the way it is typed into the
    // solver window: Clear, then cell by cell in cell-number order each digit that is not a
    // duplicate of a digit already placed. Returns false if some digit was a duplicate (that
    // digit is left out, the others are placed).
    bool EnterPuzzle(const GridDigits& puzzle);

    // The grid as it stands.
    GridDigits Grid() const;

    // Empties the cell and gives it all nine candidates; its peers keep theirs as they are.
    void ResetCell(std::int16_t n);
    // Puts the digit in the cell and strikes it from the peers. It does not check the peers'
    // digits: IsDuplicate does that before a typed digit is placed.
    void PlaceDigit(std::int16_t n, int digit);
    // Nothing happens to a cell without candidates.
    void RemoveCandidate(std::int16_t n, int digit);
    std::uint8_t CountSolved() const;
    // True if a peer (never the cell itself) holds the digit.
    bool IsDuplicate(std::int16_t n, int digit) const;

    // Elimination and naked singles over all cells in cell-number order, then UpdateStatus.
    void SolvePass();
    // Solved when all 81 cells are, Progress when more cells are solved than ever before in
    // this solve, else Stalled, or Failed when already Stalled. Solved and Failed stay.
    void UpdateStatus();
    // A candidate that no other cell of the row (or else the column) has is placed.
    void FindHiddenSingles();
    // A digit that every unsolved cell of a segment can take, and no cell of its row (column)
    // outside the box, is struck from the rest of the box.
    void ReduceBoxLines();
    // k cells of a row (column) with the same k candidates strike them from the row's cells
    // that lack some of them; cells holding all k are left alone.
    void FindNakedSubsets(int k);

    // Solves by passes and the extra techniques until the grid is full or no technique helps;
    // returns Solved or Failed. Every digit found stays in the table, also after Failed.
    SolveStatus Solve();

  private:
    // Cells by index 0..80 (cell number - 1), one bit each.
    struct CellSet {
        std::uint64_t low = 0;   // cells 0..63
        std::uint64_t high = 0;  // cells 64..80
    };
    struct UnitSubsets;

    // By grid index 0..80.
    CellEntry& At(int g) { return table_.AtIndex(g); }
    const CellEntry& At(int g) const { return table_.AtIndex(g); }
    // PlaceDigit for a valid grid index and digit.
    void Place(int g, int digit);
    template <typename Lines>
    void ReduceBoxLinesOf();
    void FindNakedSubsets(int k, UnitSubsets& units);
    template <typename Lines>
    void FindNakedSubsetsOf(int k, UnitSubsets& units, int firstUnit);

    // Candidate masks stay within 0..511: a mask is only ever set to 0 or 511 or has bits
    // cleared, so striking a digit from a cell without candidates changes nothing either.
    CellTable table_;
    SolveStatus status_ = SolveStatus::Progress;
    std::uint8_t bestCount_ = 0;
    int solvedCount_ = 0;  // cells with a value
    CellSet unsolved_;     // cells without a value
    // True while no unsolved cell has a candidate that a peer holds as its digit: placing a
    // digit and striking candidates keep it so, resetting a cell may not.
    bool peerDigitsStruck_ = true;
};

}  // namespace solver
