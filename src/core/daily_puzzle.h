#pragma once

#include "core/puzzle_batch.h"

#include <QDate>
#include <QElapsedTimer>
#include <QObject>

#include <thread>

// The puzzle of the day: the same for every player of this version on the same date, made without
// a network from a seed made of the date (20260512 for 12 May 2026, as sudoku-make --seed takes
// it), with the generator of sudoku-make. It grows harder through the week: Monday's is of
// difficulty 2, Sunday's of 8.
int DailyLevel(QDate day);
PuzzleBatch DailyBatch(QDate day);

// Makes the puzzle of a day on a thread of its own, so that the window goes on meanwhile.
class DailyPuzzleMaker : public QObject {
    Q_OBJECT
  public:
    ~DailyPuzzleMaker() override;

    // Starts on the day's puzzle, unless it is on its way already; the work on another day's ends.
    void Make(QDate day);
    // Ends the work: its puzzle does not come.
    void Cancel();
    bool Working() const { return working_; }
    QDate Day() const { return day_; }
    // How long the work has taken so far.
    qint64 ElapsedMs() const { return clock_.elapsed(); }

  signals:
    // The day's puzzle is made.
    void made(const MadePuzzle& puzzle);

  private:
    QDate day_;
    bool working_ = false;
    // Counts the jobs, so that the answer of one that was given up is known when it comes.
    int job_ = 0;
    QElapsedTimer clock_;
    std::jthread worker_;
};
