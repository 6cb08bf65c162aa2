#include "core/daily_puzzle.h"

#include <QMetaObject>

int DailyLevel(QDate day) {
    return MinDifficulty + day.dayOfWeek() - 1;
}

PuzzleBatch DailyBatch(QDate day) {
    PuzzleBatch batch;
    batch.count = 1;
    batch.difficulty = DailyLevel(day);
    batch.symmetric = true;
    batch.seed = static_cast<std::uint64_t>(day.year() * 10000 + day.month() * 100 + day.day());
    return batch;
}

// The work in hand ends within a moment, and the thread with it.
DailyPuzzleMaker::~DailyPuzzleMaker() = default;

void DailyPuzzleMaker::Make(QDate day) {
    if (working_ && day == day_) {
        return;
    }
    Cancel();
    day_ = day;
    working_ = true;
    clock_.start();
    worker_ = std::jthread([this, job = job_, batch = DailyBatch(day)](std::stop_token stop) {
        std::vector<MadePuzzle> puzzles =
            MakePuzzles(batch, 1, [&stop](int) { return !stop.stop_requested(); });
        if (puzzles.empty()) {
            return;
        }
        QMetaObject::invokeMethod(
            this,
            [this, job, puzzle = std::move(puzzles.front())] {
                if (job == job_) {
                    working_ = false;
                    emit made(puzzle);
                }
            },
            Qt::QueuedConnection);
    });
}

void DailyPuzzleMaker::Cancel() {
    worker_.request_stop();
    ++job_;
    working_ = false;
}
