#include "core/game_model.h"

#include "core/base_grids.h"
#include "solver/logic_grid.h"

#include <algorithm>

namespace {

template <class Visit>
void ForEachCell(Visit visit) {
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            visit(QPoint(c, r));
        }
    }
}

// The other cells of a cell's row, column and block, row by row from the top left.
template <class Visit>
void ForEachPeer(QPoint cell, Visit visit) {
    for (const int peer : logic::PeersOf(static_cast<int>(CellBit(cell.x(), cell.y())))) {
        visit(QPoint(logic::ColumnOf(peer) + 1, logic::RowOf(peer) + 1));
    }
}

}  // namespace

void GameModel::LayOut(const Grid& solution, const PuzzleGivens& givens, const GameStart& start) {
    solution_ = solution;
    puzzle_ = givens;
    start_ = start;
    help_ = {};
    board_ = Grid();
    filled_ = 0;
    ForEachCell([this](QPoint cell) {
        if (IsGiven(cell)) {
            board_(cell.x(), cell.y()) = solution_(cell.x(), cell.y());
            ++filled_;
        }
    });
    marks_ = {};
    inks_ = {};
    history_.clear();
    done_ = 0;
    selected_ = 0;
    active_ = true;
    completed_ = false;
    const bool wasPaused = paused_;
    paused_ = false;
    cursor_ = QPoint(1, 1);
    emit laidOut();
    SetShownCorrectCount(CorrectCount());
    if (wasPaused) {
        emit pausedChanged();
    }
    emit historyChanged();
}

std::optional<GameRecord> GameModel::Record(Stopwatch::Clock::time_point now) const {
    if (!active_ || completed_) {
        return std::nullopt;
    }
    GameRecord record;
    record.solution = solution_;
    record.givens = puzzle_;
    ForEachCell([this, &record](QPoint cell) {
        record.cells[CellBit(cell.x(), cell.y())] = Content(cell);
    });
    record.grid = grid_;
    record.symmetry = symmetry_;
    record.cursor = cursor_;
    record.selected = selected_;
    record.shownCorrect = shownCorrect_;
    record.clockTicks = stopwatch_.TicksAt(now);
    record.paused = paused_;
    record.history = history_;
    record.done = done_;
    record.start = start_;
    record.help = help_;
    return record;
}

void GameModel::TakeUp(const GameRecord& record, Stopwatch::Clock::time_point now) {
    LayOut(record.solution, record.givens, record.start);
    SetOrigin(record.grid, record.symmetry);
    if (record.help) {
        help_ = record.help;
        emit helpUsed();
    }
    ForEachCell([this, &record](QPoint cell) {
        if (!IsGiven(cell)) {
            Show(cell, record.cells[CellBit(cell.x(), cell.y())]);
        }
    });
    history_ = record.history;
    done_ = record.done;
    SetShownCorrectCount(record.shownCorrect);
    SelectNumber(record.selected);
    PutCursor(record.cursor);
    stopwatch_.StartFrom(now, record.clockTicks);
    clockRunning_ = true;
    if (record.paused) {
        SetPaused(true, now);
    } else {
        SteerClock(now);
        emit historyChanged();
    }
}

void GameModel::SetOrigin(int grid, int symmetry) {
    grid_ = grid;
    symmetry_ = symmetry;
    emit originChanged();
}

void GameModel::UseHelp(Help help) {
    if (active_ && !completed_ && !help_.testFlag(help)) {
        help_ |= help;
        emit helpUsed();
    }
}

CellContent GameModel::Content(QPoint cell) const {
    const int c = cell.x();
    const int r = cell.y();
    return {board_(c, r), marks_[c][r], inks_[c][r]};
}

int GameModel::CorrectCount() const {
    int correct = 0;
    ForEachCell([this, &correct](QPoint cell) {
        correct += board_(cell.x(), cell.y()) == solution_(cell.x(), cell.y()) ? 1 : 0;
    });
    return correct;
}

bool GameModel::IsSolved() const {
    return IsValidSolution(board_);
}

CellSet GameModel::Repeats() const {
    CellSet repeats;
    ForEachCell([this, &repeats](QPoint cell) {
        const int digit = board_(cell.x(), cell.y());
        ForEachPeer(cell, [&](QPoint peer) {
            if (digit != 0 && board_(peer.x(), peer.y()) == digit) {
                repeats.set(CellBit(cell.x(), cell.y()));
            }
        });
    });
    return repeats;
}

std::bitset<10> GameModel::Candidates(QPoint cell) const {
    std::bitset<10> candidates(0x3fe);  // 1..9; an empty peer takes away the unused 0
    ForEachPeer(cell, [&](QPoint peer) { candidates.reset(board_(peer.x(), peer.y())); });
    return candidates;
}

void GameModel::SelectNumber(int digit) {
    selected_ = digit;
    emit selectedNumberChanged(digit);
}

void GameModel::MoveCursor(QPoint cell) {
    // The mouse reports every pixel it crosses, and an arrow key at the edge goes nowhere: only a
    // move to another cell moves the cursor.
    if (cell != cursor_) {
        PutCursor(cell);
    }
}

void GameModel::PutCursor(QPoint cell) {
    cursor_ = cell;
    emit cursorMoved(cell);
}

void GameModel::Place(QPoint cell, int digit, Rgb ink) {
    if (paused_) {
        return;
    }
    if (board_(cell.x(), cell.y()) == 0) {
        PlaceNumber(cell, digit, ink);
    }
    CheckMove(cell);
}

void GameModel::Replace(QPoint cell, int digit, Rgb ink) {
    if (paused_) {
        return;
    }
    // A completed game keeps its board; a given keeps its number.
    if (!completed_ && !IsGiven(cell) && board_(cell.x(), cell.y()) != digit) {
        PlaceNumber(cell, digit, ink);
    }
    CheckMove(cell);
}

void GameModel::PlaceNumber(QPoint cell, int digit, Rgb ink) {
    Move move{{{cell, Content(cell), {digit, {}, ink}}}, shownCorrect_, {}};
    const auto mark = static_cast<std::size_t>(digit);
    ForEachPeer(cell, [&](QPoint peer) {
        if (marks_[peer.x()][peer.y()].test(mark)) {
            CellContent struck = Content(peer);
            struck.marks.reset(mark);
            move.edits.push_back({peer, Content(peer), struck});
        }
    });
    Do(std::move(move));
}

void GameModel::Empty(QPoint cell) {
    if (paused_) {
        return;
    }
    if (board_(cell.x(), cell.y()) != 0 || marks_[cell.x()][cell.y()].any()) {
        Do({{{cell, Content(cell), {}}}, shownCorrect_, {}});
    }
    ShowCorrectCount();
}

void GameModel::ToggleMark(QPoint cell, int digit, Rgb ink) {
    if (paused_ || board_(cell.x(), cell.y()) != 0) {
        return;
    }
    CellContent marked = Content(cell);
    marked.marks.flip(static_cast<std::size_t>(digit));
    marked.ink = ink;
    Do({{{cell, Content(cell), marked}}, shownCorrect_, {}});
}

void GameModel::FillCandidates(Rgb ink) {
    if (!Playing()) {
        return;
    }
    Move move{{}, shownCorrect_, {}};
    ForEachCell([&](QPoint cell) {
        const CellContent before = Content(cell);
        const CellContent filled{0, Candidates(cell), ink};
        if (!IsGiven(cell) && before.digit == 0 && before != filled) {
            move.edits.push_back({cell, before, filled});
        }
    });
    if (!move.edits.empty()) {
        Do(std::move(move));
        UseHelp(Help::Candidates);
    }
}

void GameModel::CheckMove(QPoint cell) {
    // A game is completed once; later moves on the solved board only recount.
    const bool solved = !completed_ && IsSolved();
    // A puzzle with more than one solution is solved by any of them, and the one the player found
    // becomes the solution that every judgement, the counter and the solution board show.
    if (solved && board_ != solution_) {
        ForEachCell([this](QPoint c) {
            if (board_(c.x(), c.y()) != solution_(c.x(), c.y())) {
                solution_(c.x(), c.y()) = board_(c.x(), c.y());
                emit solutionChanged(c);
            }
        });
    }
    emit moveJudged(cell, board_(cell.x(), cell.y()) == solution_(cell.x(), cell.y()));
    ShowCorrectCount();
    if (!solved) {
        return;
    }
    completed_ = true;
    clockRunning_ = false;
    finalTime_ = ClockText(std::max(stopwatch_.Ticks(), 0LL));
    emit historyChanged();
    emit completed();
}

void GameModel::ShowCorrectCount() {
    SetShownCorrectCount(CorrectCount());
}

void GameModel::SetShownCorrectCount(std::optional<int> count) {
    shownCorrect_ = count;
    emit correctCountShown();
}

void GameModel::Do(Move move) {
    for (const CellEdit& edit : move.edits) {
        Show(edit.cell, edit.after);
    }
    history_.resize(done_);
    history_.push_back(std::move(move));
    ++done_;
    emit historyChanged();
}

void GameModel::Undo() {
    if (!CanUndo()) {
        return;
    }
    Move& move = history_[--done_];
    move.shownAfter = shownCorrect_;
    for (auto edit = move.edits.rbegin(); edit != move.edits.rend(); ++edit) {
        Show(edit->cell, edit->before);
    }
    SetShownCorrectCount(move.shownBefore);
    PutCursor(move.edits.front().cell);
    emit historyChanged();
}

void GameModel::Redo() {
    if (!CanRedo()) {
        return;
    }
    const Move& move = history_[done_++];
    for (const CellEdit& edit : move.edits) {
        Show(edit.cell, edit.after);
    }
    SetShownCorrectCount(move.shownAfter);
    PutCursor(move.edits.front().cell);
    emit historyChanged();
}

void GameModel::Show(QPoint cell, const CellContent& content) {
    const int c = cell.x();
    const int r = cell.y();
    filled_ += static_cast<int>(content.digit != 0) - static_cast<int>(board_(c, r) != 0);
    board_(c, r) = static_cast<std::uint8_t>(content.digit);
    marks_[c][r] = content.marks;
    inks_[c][r] = content.ink;
    emit cellChanged(cell);
}

void GameModel::StartClock(Stopwatch::Clock::time_point now) {
    stopwatch_.Start(now);
    clockRunning_ = true;
    SteerClock(now);
}

void GameModel::Pause(Stopwatch::Clock::time_point now) {
    if (CanPause()) {
        SetPaused(true, now);
    }
}

void GameModel::Resume(Stopwatch::Clock::time_point now) {
    if (paused_) {
        SetPaused(false, now);
    }
}

void GameModel::SetPaused(bool paused, Stopwatch::Clock::time_point now) {
    paused_ = paused;
    SteerClock(now);
    emit pausedChanged();
    emit historyChanged();
}

void GameModel::HoldClock(bool held, Stopwatch::Clock::time_point now) {
    clockHeld_ = held;
    SteerClock(now);
}

void GameModel::SteerClock(Stopwatch::Clock::time_point now) {
    if (paused_ || clockHeld_) {
        stopwatch_.Stop(now);
    } else {
        stopwatch_.Go(now);
    }
}

long long GameModel::Tick(Stopwatch::Clock::time_point now) {
    return stopwatch_.Tick(now);
}
