#include "solver/solver_engine.h"

#include <bit>

namespace solver {

namespace {

// Cells are addressed here by index = cell number - 1.
using Index = std::uint8_t;

struct Layout {
    // The 20 peers of each cell: the other 8 cells of its box, then the 6 cells of its row in
    // the other boxes (left to right), then the 6 cells of its column in the other boxes (top
    // to bottom).
    std::array<std::array<Index, 20>, CellCount> peers{};
    std::array<Index, CellCount> row{};     // grid row 0..8
    std::array<Index, CellCount> column{};  // grid column 0..8
    std::array<Index, CellCount> box{};     // box 0..8 in reading order
    // Cells of each grid row from left to right, and of each grid column from top to bottom.
    std::array<std::array<Index, 9>, 9> rowCells{};
    std::array<std::array<Index, 9>, 9> columnCells{};
    std::array<Index, CellCount> gridIndex{};  // row-major position of each cell
};

constexpr Layout MakeLayout() {
    Layout l;
    for (int r = 0; r < 9; ++r) {
        for (int c = 0; c < 9; ++c) {
            const auto i = static_cast<Index>(CellNumberAt(c + 1, r + 1) - 1);
            l.rowCells[r][c] = i;
            l.columnCells[c][r] = i;
            l.row[i] = static_cast<Index>(r);
            l.column[i] = static_cast<Index>(c);
            l.box[i] = static_cast<Index>(i / 9);
            l.gridIndex[i] = static_cast<Index>(9 * r + c);
        }
    }
    for (int i = 0; i < CellCount; ++i) {
        int k = 0;
        const int first = 9 * l.box[i];
        for (int j = first; j < first + 9; ++j) {
            if (j != i) {
                l.peers[i][k++] = static_cast<Index>(j);
            }
        }
        for (Index j : l.rowCells[l.row[i]]) {
            if (l.box[j] != l.box[i]) {
                l.peers[i][k++] = j;
            }
        }
        for (Index j : l.columnCells[l.column[i]]) {
            if (l.box[j] != l.box[i]) {
                l.peers[i][k++] = j;
            }
        }
    }
    return l;
}

constexpr Layout kLayout = MakeLayout();

constexpr bool ValidCell(std::int16_t n) {
    return n >= 1 && n <= CellCount;
}
constexpr bool ValidDigit(int digit) {
    return digit >= 1 && digit <= 9;
}

constexpr std::int16_t Bit(int digit) {
    return static_cast<std::int16_t>(1 << (digit - 1));
}

// Candidates per 9-bit mask; a table, as a popcount instruction cannot be assumed.
constexpr std::array<std::uint8_t, 512> MakeCandidateCounts() {
    std::array<std::uint8_t, 512> counts{};
    for (int mask = 0; mask < 512; ++mask) {
        counts[mask] = static_cast<std::uint8_t>(std::popcount(static_cast<unsigned>(mask)));
    }
    return counts;
}

constexpr std::array<std::uint8_t, 512> kCandidateCounts = MakeCandidateCounts();

int CandidateCount(std::int16_t mask) {
    return kCandidateCounts[mask & AllCandidates];
}

// Digit of the lowest candidate bit of a mask that has one.
int LowestDigit(std::int16_t mask) {
    return std::countr_zero(static_cast<std::uint16_t>(mask)) + 1;
}

// Clears the given bits unless the cell has no candidates (or a negative mask).
void Strike(CellEntry& e, std::int16_t bits) {
    if (e.Candidates >= 1) {
        e.Candidates = static_cast<std::int16_t>(e.Candidates & ~bits);
    }
}

// For every cell, the bits of the digits that stand in its row, column and box; a cell's
// own digit is included.
std::array<std::int16_t, CellCount> DigitsSeen(const CellTable& t) {
    std::array<int, 9> rows{}, columns{}, boxes{};
    for (int i = 0; i < CellCount; ++i) {
        const int v = t[static_cast<std::int16_t>(i + 1)].Value;
        if (v != 0) {
            const int bit = 1 << (v - 1);
            rows[kLayout.row[i]] |= bit;
            columns[kLayout.column[i]] |= bit;
            boxes[kLayout.box[i]] |= bit;
        }
    }
    std::array<std::int16_t, CellCount> seen{};
    for (int i = 0; i < CellCount; ++i) {
        seen[i] = static_cast<std::int16_t>(rows[kLayout.row[i]] | columns[kLayout.column[i]] |
                                            boxes[kLayout.box[i]]);
    }
    return seen;
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
    for (int i = 0; i < CellCount; ++i) {
        At(i).Value = 0;
        At(i).Candidates = AllCandidates;
    }
    solvedCount_ = 0;
    status_ = SolveStatus::Progress;
    bestCount_ = 0;
    peerDigitsStruck_ = true;
}

void SolverEngine::RebuildCandidates() {
    const auto seen = DigitsSeen(table_);
    for (int i = 0; i < CellCount; ++i) {
        CellEntry& e = At(i);
        e.Candidates =
            e.Value != 0 ? std::int16_t{0} : static_cast<std::int16_t>(AllCandidates & ~seen[i]);
    }
    peerDigitsStruck_ = true;
}

bool SolverEngine::EnterPuzzle(const GridDigits& puzzle) {
    // Each digit is checked against the digits of the cells before it, gathered per row,
    // column and box. Without a duplicate the result is the table that placing them one by
    // one would give: the digits, and every empty cell's candidates less its peers' digits.
    std::array<int, 9> rows{}, columns{}, boxes{};
    bool clean = true;
    for (int i = 0; i < CellCount && clean; ++i) {
        const int digit = puzzle[kLayout.gridIndex[i]];
        if (ValidDigit(digit)) {
            const int bit = Bit(digit);
            int& row = rows[kLayout.row[i]];
            int& column = columns[kLayout.column[i]];
            int& box = boxes[kLayout.box[i]];
            clean = ((row | column | box) & bit) == 0;
            row |= bit;
            column |= bit;
            box |= bit;
        }
    }
    if (clean) {
        Clear();
        for (int i = 0; i < CellCount; ++i) {
            const int digit = puzzle[kLayout.gridIndex[i]];
            CellEntry& e = At(i);
            const bool given = ValidDigit(digit);
            e.Value = static_cast<std::uint8_t>(given ? digit : 0);
            e.Candidates =
                given ? std::int16_t{0}
                      : static_cast<std::int16_t>(AllCandidates & ~(rows[kLayout.row[i]] |
                                                                    columns[kLayout.column[i]] |
                                                                    boxes[kLayout.box[i]]));
            solvedCount_ += given;
        }
        return true;
    }
    // As typed into the window, where a duplicate digit is refused and its cell emptied.
    Clear();
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
    for (int i = 0; i < CellCount; ++i) {
        grid[kLayout.gridIndex[i]] = At(i).Value;
    }
    return grid;
}

void SolverEngine::ResetCell(std::int16_t n) {
    if (!ValidCell(n)) {
        return;
    }
    solvedCount_ -= table_[n].Value != 0;
    table_[n].Value = 0;
    table_[n].Candidates = AllCandidates;
    peerDigitsStruck_ = false;
}

void SolverEngine::PlaceDigit(std::int16_t n, int digit) {
    if (!ValidCell(n) || !ValidDigit(digit)) {
        return;
    }
    CellEntry& cell = table_[n];
    solvedCount_ += cell.Value == 0;
    cell.Value = static_cast<std::uint8_t>(digit);
    cell.Candidates = 0;
    const std::int16_t bit = Bit(digit);
    for (Index p : kLayout.peers[n - 1]) {
        Strike(At(p), bit);
    }
}

void SolverEngine::RemoveCandidate(std::int16_t n, int digit) {
    if (!ValidCell(n) || !ValidDigit(digit)) {
        return;
    }
    Strike(table_[n], Bit(digit));
}

std::uint8_t SolverEngine::CountSolved() const {
    return static_cast<std::uint8_t>(solvedCount_);
}

bool SolverEngine::IsDuplicate(std::int16_t n, int digit) const {
    if (!ValidCell(n) || !ValidDigit(digit)) {
        return false;
    }
    for (Index p : kLayout.peers[n - 1]) {
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
        for (int i = 0; i < CellCount; ++i) {
            CellEntry& e = At(i);
            if (e.Value == 0) {
                Strike(e, seen[i]);
            }
        }
        peerDigitsStruck_ = true;
    }
    // Naked singles and contradictions, in cell-number order; each placement is seen at once
    // by the cells after it.
    for (std::int16_t n = 1; n <= CellCount; ++n) {
        const CellEntry& e = table_[n];
        const int count = CandidateCount(e.Candidates);
        if (count == 0 && e.Value == 0) {
            status_ = SolveStatus::Failed;
        } else if (count == 1) {
            PlaceDigit(n, LowestDigit(static_cast<std::int16_t>(e.Candidates & AllCandidates)));
        }
    }
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
    // The candidates that two or more cells of a row (column) share. The candidates of a cell
    // that no other cell of its row has are its candidates less the row's shared ones; solved
    // cells have no candidates, so they need not be told apart. A placement changes cells in
    // every row and column, so each line is gathered afresh when next asked for after one.
    std::array<int, 9> sharedInRow{}, sharedInColumn{};
    unsigned staleRows = 0x1ff, staleColumns = 0x1ff;
    const auto shared = [this](int line, const std::array<std::array<Index, 9>, 9>& lines,
                               std::array<int, 9>& known, unsigned& stale) {
        if ((stale >> line) & 1) {
            int once = 0, twice = 0;
            for (Index i : lines[line]) {
                const int c = At(i).Candidates;
                twice |= once & c;
                once |= c;
            }
            known[line] = twice;
            stale &= ~(1u << line);
        }
        return known[line];
    };
    for (int i = 0; i < CellCount; ++i) {
        const CellEntry& e = At(i);
        if (e.Value != 0) {
            continue;
        }
        const auto n = static_cast<std::int16_t>(i + 1);
        auto single = static_cast<std::int16_t>(
            e.Candidates & ~shared(kLayout.row[i], kLayout.rowCells, sharedInRow, staleRows));
        if (!HoldsSingleCandidate(single)) {
            single = static_cast<std::int16_t>(
                e.Candidates &
                ~shared(kLayout.column[i], kLayout.columnCells, sharedInColumn, staleColumns));
        }
        if (HoldsSingleCandidate(single)) {
            PlaceDigit(n, LowestDigit(single));
            staleRows = staleColumns = 0x1ff;
        }
    }
}

void SolverEngine::ReduceBoxLines() {
    // lines[a][b] is cell b of line a; for rows a is the grid row and b the column, for
    // columns the other way round. A segment is three cells b = 3s..3s+2 of one line.
    const auto reduce = [this](const std::array<std::array<Index, 9>, 9>& lines) {
        for (int line = 0; line < 9; ++line) {
            // Striking only touches the other lines of the box, so the line's segments can be
            // summed up first: the digits that every unsolved cell of a segment can take (-1
            // while no cell counted), and the digits that any of its cells can take.
            std::array<std::int16_t, 3> common{-1, -1, -1};
            std::array<int, 3> any{};
            for (int b = 0; b < 9; ++b) {
                const std::int16_t c = At(lines[line][b]).Candidates;
                if (c > 0) {
                    common[b / 3] = static_cast<std::int16_t>(common[b / 3] & c);
                }
                any[b / 3] |= c;
            }
            for (int segment = 0; segment < 3; ++segment) {
                const int first = 3 * segment;
                // Common to the segment and in no cell of the line outside the box.
                const auto m = static_cast<std::int16_t>(
                    common[segment] & ~(any[(segment + 1) % 3] | any[(segment + 2) % 3]));
                if (!HoldsSingleCandidate(m)) {
                    continue;
                }
                // The digit belongs to this segment: strike it from the rest of the box.
                const int firstLine = 3 * (line / 3);
                for (int other = firstLine; other < firstLine + 3; ++other) {
                    if (other == line) {
                        continue;
                    }
                    for (int b = first; b < first + 3; ++b) {
                        Strike(At(lines[other][b]), m);
                    }
                }
            }
        }
    };
    reduce(kLayout.rowCells);
    reduce(kLayout.columnCells);
}

void SolverEngine::FindNakedSubsets(int k) {
    const auto reduce = [this, k](const std::array<Index, 9>& unit) {
        // The unit's masks, and the places (bits 0..8) of those with exactly k candidates,
        // kept up to date as candidates are struck.
        std::array<std::int16_t, 9> masks;
        unsigned ofSizeK = 0;
        for (int b = 0; b < 9; ++b) {
            masks[b] = At(unit[b]).Candidates;
            ofSizeK |= static_cast<unsigned>(CandidateCount(masks[b]) == k) << b;
        }
        if (CandidateCount(static_cast<std::int16_t>(ofSizeK)) < k) {
            return;  // a subset needs k cells of k candidates
        }
        for (int a = 0; a < 9; ++a) {
            if (((ofSizeK >> a) & 1) == 0) {
                continue;
            }
            const std::int16_t m = masks[a];
            // A cell of 2..k candidates that holds all k digits of m has exactly the
            // candidates of m, so only the cells of size k can match.
            int count = 1;
            if (k >= 2) {
                for (unsigned rest = ofSizeK & ~(1u << a); rest != 0; rest &= rest - 1) {
                    count += masks[std::countr_zero(rest)] == m;
                }
            }
            if (count != k) {
                continue;
            }
            // Striking the digits one by one clears every bit of m among bits 0..8.
            const auto digits = static_cast<std::int16_t>(m & AllCandidates);
            for (int c = 0; c < 9; ++c) {
                if (c != a && CandidateCount(masks[c]) >= 1 && (masks[c] & m) != m) {
                    CellEntry& e = At(unit[c]);
                    Strike(e, digits);
                    masks[c] = e.Candidates;
                    ofSizeK = (ofSizeK & ~(1u << c)) |
                              (static_cast<unsigned>(CandidateCount(masks[c]) == k) << c);
                }
            }
        }
    };
    for (const auto& row : kLayout.rowCells) {
        reduce(row);
    }
    for (const auto& column : kLayout.columnCells) {
        reduce(column);
    }
}

SolveStatus SolverEngine::Solve() {
    bestCount_ = CountSolved();
    for (;;) {
        SolvePass();
        if (status_ == SolveStatus::Progress) {
            continue;
        }
        if (status_ == SolveStatus::Stalled) {
            FindHiddenSingles();
            ReduceBoxLines();
            FindNakedSubsets(2);
            FindNakedSubsets(3);
            FindNakedSubsets(4);
        }
        if (status_ == SolveStatus::Solved || status_ == SolveStatus::Failed) {
            break;
        }
    }
    return status_;
}

}  // namespace solver
