// The puzzle of the day: made on a thread of its own while the window goes on, the info line
// telling how long it takes, and laid out as soon as it is there.
#include "core/daily_puzzle.h"
#include "core/givens.h"
#include "ui/game/main_window.h"

#include <QLocale>

namespace {

QString DayText(QDate day) {
    return QLocale(QLocale::Dutch).toString(day, QStringLiteral("dddd d MMMM yyyy"));
}

}  // namespace

void Main::ConnectDailyPuzzle() {
    connect(&daily_, &DailyPuzzleMaker::made, this, &Main::LayOutDailyPuzzle);
    dailySearch_.setInterval(200);
    connect(&dailySearch_, &QTimer::timeout, this, &Main::ShowDailySearch);
    // Another game laid out meanwhile is the one the player wants now.
    connect(&model_, &GameModel::laidOut, this, [this] {
        daily_.Cancel();
        dailySearch_.stop();
    });
}

void Main::FilePuzzelVanDeDag_Click() {
    const QDate today = QDate::currentDate();
    if (model_.GameActive() && !model_.Completed() &&
        model_.Start().source == PuzzleSource::Daily && model_.Start().day == today) {
        board_.ShowInfo(QStringLiteral("U speelt de puzzel van vandaag al."));
        return;
    }
    if (!MayLeaveGame()) {
        return;
    }
    // The new puzzle awaited is not wanted any more; it is kept for the next one.
    awaitingPuzzle_ = false;
    puzzleSearch_.stop();
    daily_.Make(today);
    ShowDailySearch();
    dailySearch_.start();
}

void Main::LayOutDailyPuzzle(const MadePuzzle& made) {
    const QDate day = daily_.Day();
    model_.SetOrigin(made.origin->first, made.origin->second);
    model_.LayOut(made.solution, made.givens, BeginNow(PuzzleSource::Daily, day));
    StartKlok();
    board_.ShowInfo(QStringLiteral("De puzzel van %1.").arg(DayText(day)));
}

void Main::ShowDailySearch() {
    board_.ShowInfo(QStringLiteral("De puzzel van %1 (%2) wordt gemaakt... %3 s")
                        .arg(DayText(daily_.Day()), LevelName(DailyLevel(daily_.Day())))
                        .arg(daily_.ElapsedMs() / 1000));
}
