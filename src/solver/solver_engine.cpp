#include "solver/solver_engine.h"

#include <bit>

namespace solver {

namespace {

// Cells are addressed here by grid index g = 9 x row + column (rows and columns 0..8), the
// order in which the table keeps them; the sweeps that go in cell-number order use index
// i = cell number - 1.
using Index = std::uint8_t;

struct Layout {
    // The 20 peers of each cell: the other 8 cells of its box, then the 6 cells of its row in
    // the other boxes (left to right), then the 6 cells of its column in the other boxes (top
    // to bottom).
    std::array<std::array<Index, 20>, CellCount> peers{};
    // The other 8 cells of each cell's row, and of its column.
    std::array<std::array<Index, 8>, CellCount> rowMates{};
    std::array<std::array<Index, 8>, CellCount> columnMates{};
    std::array<Index, CellCount> box{};        // box 0..8 in reading order
    std::array<Index, CellCount> cellIndex{};  // cell number - 1
    std::array<Index, CellCount> gridIndex{};  // by cell number - 1
};

constexpr int BoxOf(int g) {
    return 3 * (g / 27) + g % 9 / 3;
}

constexpr Layout MakeLayout() {
    Layout l;
    for (int g = 0; g < CellCount; ++g) {
        const int i = CellNumberAtGridIndex(g) - 1;
        l.box[g] = static_cast<Index>(BoxOf(g));
        l.cellIndex[g] = static_cast<Index>(i);
        l.gridIndex[i] = static_cast<Index>(g);
    }
    for (int g = 0; g < CellCount; ++g) {
        const int row = g / 9, column = g % 9;
        int k = 0;
        for (int i = 9 * BoxOf(g); i < 9 * BoxOf(g) + 9; ++i) {
            if (l.gridIndex[i] != g) {
                l.peers[g][k++] = l.gridIndex[i];
            }
        }
        for (int c = 0; c < 9; ++c) {
            if (c / 3 != column / 3) {
                l.peers[g][k++] = static_cast<Index>(9 * row + c);
            }
        }
        for (int r = 0; r < 9; ++r) {
            if (r / 3 != row / 3) {
                l.peers[g][k++] = static_cast<Index>(9 * r + column);
            }
        }
        int inRow = 0, inColumn = 0;
        for (int b = 0; b < 9; ++b) {
            if (b != column) {
                l.rowMates[g][inRow++] = static_cast<Index>(9 * row + b);
            }
            if (b != row) {
                l.columnMates[g][inColumn++] = static_cast<Index>(9 * b + column);
            }
        }
    }
    return l;
}

constexpr Layout kLayout = MakeLayout();

// Cell b (0..8) of a line: of a row from the left, of a column from the top.
struct Rows {
    static constexpr int Cell(int row, int b) { return 9 * row + b; }
};
struct Columns {
    static constexpr int Cell(int column, int b) { return column + 9 * b; }
};

constexpr bool ValidCell(std::int16_t n) {
    return n >= 1 && n <= CellCount;
}
constexpr bool ValidDigit(int digit) {
    return digit >= 1 && digit <= 9;
}

constexpr int Bit(int digit) {
    return 1 << (digit - 1);
}

// The bit of each digit 1..9 of a puzzle, and 0 for every other byte (an empty cell).
constexpr std::array<std::int16_t, 256> kGivenBit = [] {
    std::array<std::int16_t, 256> bits{};
    for (int digit = 1; digit <= 9; ++digit) {
        bits[digit] = static_cast<std::int16_t>(Bit(digit));
    }
    return bits;
}();

// Candidates per 9-bit mask; a table, as a popcount instruction cannot be assumed.
constexpr std::array<std::uint8_t, 512> MakeCandidateCounts() {
    std::array<std::uint8_t, 512> counts{};
    for (int mask = 0; mask < 512; ++mask) {
        counts[mask] = static_cast<std::uint8_t>(std::popcount(static_cast<unsigned>(mask)));
    }
    return counts;
}

constexpr std::array<std::uint8_t, 512> kCandidateCounts = MakeCandidateCounts();

int CandidateCount(int mask) {
    return kCandidateCounts[mask & AllCandidates];
}

// Digit of the lowest candidate bit of a mask that has one.
int LowestDigit(int mask) {
    return std::countr_zero(static_cast<unsigned>(mask)) + 1;
}

// Clears the given bits. Masks are never negative, so a cell without candidates keeps none.
void Strike(CellEntry& e, int bits) {
    e.Candidates = static_cast<std::int16_t>(e.Candidates & ~bits);
}

// For every cell, the bits of the digits that stand in its row, column and box; a cell's
// own digit is included.
std::array<std::int16_t, CellCount> DigitsSeen(const CellTable& t) {
    std::array<int, 9> rows{}, columns{}, boxes{};
    for (int g = 0; g < CellCount; ++g) {
        const int v = t.AtIndex(g).Value;
        if (v != 0) {
            rows[g / 9] |= Bit(v);
            columns[g % 9] |= Bit(v);
            boxes[kLayout.box[g]] |= Bit(v);
        }
    }
    std::array<std::int16_t, CellCount> seen{};
    for (int g = 0; g < CellCount; ++g) {
        seen[g] = static_cast<std::int16_t>(rows[g / 9] | columns[g % 9] | boxes[kLayout.box[g]]);
    }
    return seen;
}

// Calls visit(index) for each cell of the set in ascending order, as the set was at the call.
void ForEachCell(const auto& cells, auto visit) {
    for (std::uint64_t bits = cells.low; bits != 0; bits &= bits - 1) {
        visit(std::countr_zero(bits));
    }
    for (std::uint64_t bits = cells.high; bits != 0; bits &= bits - 1) {
        visit(64 + std::countr_zero(bits));
    }
}

void AddCell(auto& cells, int i) {
    (i < 64 ? cells.low : cells.high) |= std::uint64_t{1} << (i & 63);
}

void RemoveCell(auto& cells, int i) {
    (i < 64 ? cells.low : cells.high) &= ~(std::uint64_t{1} << (i & 63));
}

// The digits that any of the cells can take.
int CandidatesOf(const CellTable& t, const std::array<Index, 8>& cells) {
    int any = 0;
    // Loops of a fixed, short length are unrolled (here and below): the loop's own counting
    // and jumps cost as much as its work.
#pragma GCC unroll 8
    for (Index g : cells) {
        any |= t.AtIndex(g).Candidates;
    }
    return any;
}

// The digits that every unsolved cell of a segment can take (-1 when none is unsolved), and
// the digits that any of its cells can take.
struct SegmentDigits {
    int common;
    int any;
};

SegmentDigits SegmentOf(int a, int b, int c) {
    // A cell without candidates is passed over: it counts as one that can take every digit.
    const auto unlessSolved = [](int m) { return m | -static_cast<int>(m == 0); };
    return {unlessSolved(a) & unlessSolved(b) & unlessSolved(c), a | b | c};
}

}  // namespace

std::string GridRowsToCellOrder(std::string_view rows) {
    std::string cells(CellCount, '0');
    for (int i = 0; i < CellCount; ++i) {
        const std::size_t g = kLayout.gridIndex[i];
        if (g < rows.size()) {
            cells[i] = rows[g];
        }
    }
    return cells;
}

std::string CellOrderToGridRows(std::string_view cells) {
    std::string rows(CellCount, '0');
    for (int i = 0; i < CellCount && static_cast<std::size_t>(i) < cells.size(); ++i) {
        rows[kLayout.gridIndex[i]] = cells[i];
    }
    return rows;
}

CellTable::CellTable() {
    for (int n = 1; n <= CellCount; ++n) {
        (*this)(CellPosition(static_cast<std::int16_t>(n))) =
            CellEntry{static_cast<std::int16_t>(n), 0, AllCandidates};
    }
}

SolverEngine::SolverEngine() {
    Clear();
}

void SolverEngine::Clear() {
    for (int g = 0; g < CellCount; ++g) {
        At(g).Value = 0;
        At(g).Candidates = AllCandidates;
    }
    solvedCount_ = 0;
    unsolved_ = {~std::uint64_t{0}, (std::uint64_t{1} << (CellCount - 64)) - 1};
    status_ = SolveStatus::Progress;
    bestCount_ = 0;
    peerDigitsStruck_ = true;
}

void SolverEngine::RebuildCandidates() {
    const auto seen = DigitsSeen(table_);
    for (int g = 0; g < CellCount; ++g) {
        CellEntry& e = At(g);
        e.Candidates =
            e.Value != 0 ? std::int16_t{0} : static_cast<std::int16_t>(AllCandidates & ~seen[g]);
    }
    peerDigitsStruck_ = true;
}

bool SolverEngine::EnterPuzzle(const GridDigits& puzzle) {
    // The digits of each row, column and box, and those that repeat there. The loops take
    // every cell alike, a given one or not, as a branch on that would often go the wrong way.
    std::array<int, 9> rows{}, columns{}, boxes{};
    int repeated = 0;
    for (int r = 0; r < 9; ++r) {
        for (int c = 0; c < 9; ++c) {
            const int g = 9 * r + c;
            const int bit = kGivenBit[puzzle[g]];
            int& box = boxes[kLayout.box[g]];
            repeated |= (rows[r] | columns[c] | box) & bit;
            rows[r] |= bit;
            columns[c] |= bit;
            box |= bit;
        }
    }
    if (repeated == 0) {
        // The table that placing the digits one by one would give: the digits, and every
        // empty cell's candidates less its peers' digits. The counts are kept in locals, as
        // the compiler must assume that a store of a digit may change any member.
        int solved = 0;
        for (int r = 0; r < 9; ++r) {
            for (int c = 0; c < 9; ++c) {
                const int g = 9 * r + c;
                const int given = -static_cast<int>(kGivenBit[puzzle[g]] != 0);  // 0 or all bits
                CellEntry& e = At(g);
                e.Value = static_cast<std::uint8_t>(puzzle[g] & given);
                e.Candidates = static_cast<std::int16_t>(
                    ~given & AllCandidates & ~(rows[r] | columns[c] | boxes[kLayout.box[g]]));
                solved -= given;
            }
        }
        const auto empty = [&](int i) {
            return std::uint64_t{kGivenBit[puzzle[kLayout.gridIndex[i]]] == 0};
        };
        CellSet unsolved;
        for (int i = 0; i < 64; ++i) {
            unsolved.low |= empty(i) << i;
        }
        for (int i = 64; i < CellCount; ++i) {
            unsolved.high |= empty(i) << (i - 64);
        }
        solvedCount_ = solved;
        unsolved_ = unsolved;
        status_ = SolveStatus::Progress;
        bestCount_ = 0;
        peerDigitsStruck_ = true;
        return true;
    }
    Clear();
    // As typed into the window, where a duplicate digit is refused and its cell emptied.
    for (std::int16_t n = 1; n <= CellCount; ++n) {
        const int digit = puzzle[kLayout.gridIndex[n - 1]];
        if (!ValidDigit(digit)) {
            continue;
        }
        if (IsDuplicate(n, digit)) {
            ResetCell(n);
        } else {
            PlaceDigit(n, digit);
        }
    }
    return false;
}

GridDigits SolverEngine::Grid() const {
    GridDigits grid{};
    for (int g = 0; g < CellCount; ++g) {
        grid[g] = At(g).Value;
    }
    return grid;
}

void SolverEngine::ResetCell(std::int16_t n) {
    if (!ValidCell(n)) {
        return;
    }
    CellEntry& cell = At(kLayout.gridIndex[n - 1]);
    solvedCount_ -= cell.Value != 0;
    cell.Value = 0;
    cell.Candidates = AllCandidates;
    AddCell(unsolved_, n - 1);
    peerDigitsStruck_ = false;
}

void SolverEngine::PlaceDigit(std::int16_t n, int digit) {
    if (ValidCell(n) && ValidDigit(digit)) {
        Place(kLayout.gridIndex[n - 1], digit);
    }
}

void SolverEngine::Place(int g, int digit) {
    CellEntry& cell = At(g);
    solvedCount_ += cell.Value == 0;
    cell.Value = static_cast<std::uint8_t>(digit);
    cell.Candidates = 0;
    RemoveCell(unsolved_, kLayout.cellIndex[g]);
#pragma GCC unroll 20
    for (Index p : kLayout.peers[g]) {
        Strike(At(p), Bit(digit));
    }
}

void SolverEngine::RemoveCandidate(std::int16_t n, int digit) {
    if (ValidCell(n) && ValidDigit(digit)) {
        Strike(At(kLayout.gridIndex[n - 1]), Bit(digit));
    }
}

std::uint8_t SolverEngine::CountSolved() const {
    return static_cast<std::uint8_t>(solvedCount_);
}

bool SolverEngine::IsDuplicate(std::int16_t n, int digit) const {
    if (!ValidCell(n) || !ValidDigit(digit)) {
        return false;
    }
    for (Index p : kLayout.peers[kLayout.gridIndex[n - 1]]) {
        if (At(p).Value == digit) {
            return true;
        }
    }
    return false;
}

void SolverEngine::SolvePass() {
    // Elimination: every unsolved cell loses the digits of its peers. Only the cell itself
    // changes, so the digits seen by each cell can be gathered once for the whole sweep; and
    // there is nothing to strike unless a cell was reset since the last sweep.
    if (!peerDigitsStruck_) {
        const auto seen = DigitsSeen(table_);
        ForEachCell(unsolved_, [&](int i) {
            const int g = kLayout.gridIndex[i];
            Strike(At(g), seen[g]);
        });
        peerDigitsStruck_ = true;
    }
    // Naked singles and contradictions, in cell-number order; each placement is seen at once
    // by the cells after it. Solved cells have no candidates and are passed over.
    ForEachCell(unsolved_, [this](int i) {
        const int g = kLayout.gridIndex[i];
        const int c = At(g).Candidates;
        if (c == 0) {
            status_ = SolveStatus::Failed;
        } else if ((c & (c - 1)) == 0) {
            Place(g, LowestDigit(c));
        }
    });
    UpdateStatus();
}

void SolverEngine::UpdateStatus() {
    if (status_ == SolveStatus::Solved || status_ == SolveStatus::Failed) {
        return;
    }
    const std::uint8_t count = CountSolved();
    if (count == CellCount) {
        bestCount_ = CellCount;
        status_ = SolveStatus::Solved;
    } else if (count > bestCount_) {
        bestCount_ = count;
        status_ = SolveStatus::Progress;
    } else {
        status_ = status_ == SolveStatus::Stalled ? SolveStatus::Failed : SolveStatus::Stalled;
    }
}

void SolverEngine::FindHiddenSingles() {
    // The candidates of a cell that no other cell of its row (column) can take. Solved cells
    // have no candidates, so all eight other cells can be taken.
    ForEachCell(unsolved_, [this](int i) {
        const int g = kLayout.gridIndex[i];
        const int c = At(g).Candidates;
        int single = c & ~CandidatesOf(table_, kLayout.rowMates[g]);
        if (!HoldsSingleCandidate(static_cast<std::int16_t>(single))) {
            single = c & ~CandidatesOf(table_, kLayout.columnMates[g]);
        }
        if (HoldsSingleCandidate(static_cast<std::int16_t>(single))) {
            Place(g, LowestDigit(single));
        }
    });
}

template <typename Lines>
void SolverEngine::ReduceBoxLinesOf() {
    // A segment is the three cells b = 3s..3s+2 of a line.
    for (int line = 0; line < 9; ++line) {
        // Striking only touches the other lines of the box, so the line's segments can be
        // summed up first.
        const auto candidates = [&](int b) { return At(Lines::Cell(line, b)).Candidates; };
        const std::array<SegmentDigits, 3> segments{
            SegmentOf(candidates(0), candidates(1), candidates(2)),
            SegmentOf(candidates(3), candidates(4), candidates(5)),
            SegmentOf(candidates(6), candidates(7), candidates(8))};
        const std::array<int, 3> outside{segments[1].any | segments[2].any,
                                         segments[0].any | segments[2].any,
                                         segments[0].any | segments[1].any};
        for (int segment = 0; segment < 3; ++segment) {
            // Common to the segment and in no cell of the line outside the box.
            const int m = segments[segment].common & ~outside[segment];
            if (!HoldsSingleCandidate(static_cast<std::int16_t>(m))) {
                continue;
            }
            // The digit belongs to this segment: strike it from the rest of the box.
            const int firstLine = 3 * (line / 3);
            for (int other = firstLine; other < firstLine + 3; ++other) {
                if (other == line) {
                    continue;
                }
                for (int b = 3 * segment; b < 3 * segment + 3; ++b) {
                    Strike(At(Lines::Cell(other, b)), m);
                }
            }
        }
    }
}

void SolverEngine::ReduceBoxLines() {
    ReduceBoxLinesOf<Rows>();
    ReduceBoxLinesOf<Columns>();
}

// Which naked subsets change which units: bit k of sizes[u] (rows 0..8, columns 9..17) is
// set when k cells of unit u have the same k candidates and another cell holds some of them
// but not all, that is when FindNakedSubsets(k) strikes a candidate there. Sizes above 4,
// which the solve does not ask for, are not looked into: every unit is taken.
//
// A unit is looked at again after a strike changed one of its cells, and in each round of
// the solve, where it may have changed in the passes between. During a solve candidates are
// only ever struck, so the sum of a unit's masks falls with every change: a unit whose sum
// is the same as when it was last looked at is unchanged.
struct SolverEngine::UnitSubsets {
    static constexpr std::uint16_t kAboveFour = 0xffe0;
    static constexpr std::uint32_t kAllUnits = (1u << 18) - 1;
    std::array<std::uint16_t, 18> sizes{};
    std::array<int, 18> sumOfMasks = [] {
        std::array<int, 18> none;
        none.fill(-1);  // no sum: never looked at
        return none;
    }();
    std::uint32_t stale = kAllUnits;
    std::array<std::uint8_t, 521> tally{};  // 0 between units
};

namespace {

// For each mask: 1, 16 or 256 if it has 2, 3 or 4 candidates, so that the sum over the cells
// of a unit counts the cells of each of these sizes in bits 0..3, 4..7 and 8..11.
constexpr std::array<std::uint16_t, 512> kSubsetSizeTally = [] {
    std::array<std::uint16_t, 512> tally{};
    for (int mask = 0; mask < 512; ++mask) {
        const int k = std::popcount(static_cast<unsigned>(mask));
        tally[mask] = static_cast<std::uint16_t>(k >= 2 && k <= 4 ? 1 << (4 * (k - 2)) : 0);
    }
    return tally;
}();

// True when a unit with these cells of 2, 3 and 4 candidates (counted as kSubsetSizeTally
// does) may hold a naked subset: one of k cells needs k cells of k candidates.
bool MayHoldSubset(int bySize) {
    return (bySize & 0xf) >= 2 || ((bySize >> 4) & 0xf) >= 3 || (bySize >> 8) >= 4;
}

// The sizes 2..4 of the naked subsets that strike a candidate in a unit with these masks. It
// looks at every cell alike, as a branch on each would often go the wrong way.
unsigned StrikingSubsetSizes(const std::array<int, 9>& masks,
                             std::array<std::uint8_t, 521>& tally) {
    // How many cells have each mask of 2..4 candidates. Any other cell is tallied on its own
    // (from 512 on), so that the many solved cells do not wait on each other.
    std::array<int, 9> slots;
    for (int b = 0; b < 9; ++b) {
        slots[b] = kSubsetSizeTally[masks[b]] != 0 ? masks[b] : 512 + b;
        ++tally[slots[b]];
    }
    // The cells of the subsets: k cells with the same k candidates. A cell of 2..k candidates
    // that holds all k digits of a subset has exactly its candidates, so the cells that
    // match a subset are those with the same mask.
    unsigned members = 0;
    for (int b = 0; b < 9; ++b) {
        members |= static_cast<unsigned>(tally[slots[b]] == CandidateCount(masks[b])) << b;
    }
    for (int slot : slots) {
        tally[slot] = 0;
    }
    // A subset strikes when another cell holds some of its digits but not all.
    unsigned sizes = 0;
    for (; members != 0; members &= members - 1) {
        const int m = masks[std::countr_zero(members)];
        int partly = 0;
        for (int c : masks) {
            partly |= ((c & m) != 0) & ((c & m) != m);
        }
        sizes |= static_cast<unsigned>(partly) << CandidateCount(m);
    }
    return sizes;
}

}  // namespace

void SolverEngine::FindNakedSubsets(int k) {
    UnitSubsets units;
    FindNakedSubsets(k, units);
}

void SolverEngine::FindNakedSubsets(int k, UnitSubsets& units) {
    if (k >= 1 && k <= 9) {  // else no cell has k candidates
        FindNakedSubsetsOf<Rows>(k, units, 0);
        FindNakedSubsetsOf<Columns>(k, units, 9);
    }
}

template <typename Lines>
void SolverEngine::FindNakedSubsetsOf(int k, UnitSubsets& units, int firstUnit) {
    const auto readMasks = [this](int line) {
        std::array<int, 9> masks;
#pragma GCC unroll 9
        for (int b = 0; b < 9; ++b) {
            masks[b] = At(Lines::Cell(line, b)).Candidates;
        }
        return masks;
    };
    for (std::uint32_t stale = (units.stale >> firstUnit) & 0x1ff; stale != 0; stale &= stale - 1) {
        const int line = std::countr_zero(stale);
        int bySize = 0, sum = 0;
#pragma GCC unroll 9
        for (int b = 0; b < 9; ++b) {
            const int m = At(Lines::Cell(line, b)).Candidates;
            bySize += kSubsetSizeTally[m];
            sum += m;
        }
        const int u = firstUnit + line;
        if (sum != units.sumOfMasks[u]) {
            units.sumOfMasks[u] = sum;
            units.sizes[u] = static_cast<std::uint16_t>(
                UnitSubsets::kAboveFour |
                (MayHoldSubset(bySize) ? StrikingSubsetSizes(readMasks(line), units.tally) : 0));
        }
    }
    units.stale &= ~(0x1ffu << firstUnit);
    // A strike only changes cells of its own line, so the lines after it stay as looked at.
    for (int line = 0; line < 9; ++line) {
        if (((units.sizes[firstUnit + line] >> k) & 1) == 0) {
            continue;
        }
        std::array<int, 9> masks = readMasks(line);
        // The places of the cells with exactly k candidates, kept up to date as candidates
        // are struck.
        unsigned ofSizeK = 0;
        for (int b = 0; b < 9; ++b) {
            ofSizeK |= static_cast<unsigned>(CandidateCount(masks[b]) == k) << b;
        }
        unsigned struck = 0;
        // A strike may bring a later cell down to k candidates, so the places are read afresh
        // for each cell.
        for (int a = 0; a < 9; ++a) {
            if (((ofSizeK >> a) & 1) == 0) {
                continue;
            }
            const int m = masks[a];
            int count = 0;
            for (unsigned same = ofSizeK; same != 0; same &= same - 1) {
                count += masks[std::countr_zero(same)] == m;
            }
            if (count != k) {
                continue;
            }
            // Every other cell that holds some of the digits, but not all, loses them.
            for (int c = 0; c < 9; ++c) {
                const int shared = masks[c] & m;
                if (shared != 0 && shared != m) {
                    CellEntry& e = At(Lines::Cell(line, c));
                    Strike(e, m);
                    masks[c] = e.Candidates;
                    ofSizeK = (ofSizeK & ~(1u << c)) |
                              (static_cast<unsigned>(CandidateCount(masks[c]) == k) << c);
                    struck |= 1u << c;
                }
            }
        }
        if (struck != 0) {
            // The line's own cells changed, and with each of them the line that crosses it.
            const int crossing = 9 - firstUnit;
            units.stale |= 1u << (firstUnit + line);
            for (; struck != 0; struck &= struck - 1) {
                units.stale |= 1u << (crossing + std::countr_zero(struck));
            }
        }
    }
}

SolveStatus SolverEngine::Solve() {
    bestCount_ = CountSolved();
    // What the naked subsets learn of the units, kept from round to round.
    UnitSubsets units;
    for (;;) {
        SolvePass();
        if (status_ == SolveStatus::Progress) {
            continue;
        }
        if (status_ == SolveStatus::Stalled) {
            FindHiddenSingles();
            ReduceBoxLines();
            units.stale = UnitSubsets::kAllUnits;
            FindNakedSubsets(2, units);
            FindNakedSubsets(3, units);
            FindNakedSubsets(4, units);
        }
        if (status_ == SolveStatus::Solved || status_ == SolveStatus::Failed) {
            break;
        }
    }
    return status_;
}

}  // namespace solver
