// What keeping the game in progress costs the window after each move: the game recorded and handed
// to the writer's thread; and, for comparison, what the writer's thread then spends writing it as
// JSON and on the disk. A game of 200 moves, with marks in every empty cell, is the yardstick.
//   build/program/bench-keep-game [MOVES]
#include "core/base_grids.h"
#include "core/saved_game.h"
#include "platform/background_writer.h"
#include "platform/files.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

void Print(const char* what, std::vector<double>& times) {
    std::sort(times.begin(), times.end());
    std::printf("%-44s median %.3f ms, 99th pct %.3f ms, max %.3f ms\n", what,
                times[times.size() / 2], times[times.size() * 99 / 100], times.back());
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const int moves = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    QTemporaryDir folder;
    GameModel model;
    CellSet givens;
    for (int c = 1; c <= 9; ++c) {
        givens.set(CellBit(c, 1));
    }
    model.LayOut(TransformedGrid(3, 3), givens);
    const auto now = Stopwatch::Clock::now();
    model.StartClock(now);
    model.FillCandidates({30, 80, 200});
    for (int k = 0; model.CanUndo() && k < moves; ++k) {
        const QPoint cell(k % 9 + 1, (k / 9) % 8 + 2);
        model.ToggleMark(cell, k % 9 + 1, {30, 80, 200});
    }
    BackgroundWriter writer(folder.path() + QStringLiteral("/Spel.json"));
    std::vector<double> handed;
    std::vector<double> written;
    for (int k = 0; k < 1000; ++k) {
        QElapsedTimer clock;
        clock.start();
        writer.Write([record = *model.Record(now)] { return SavedGameText(record); });
        handed.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
        if (k % 10 == 0) {
            clock.start();
            writer.Flush();
            written.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
        }
    }
    std::printf("a game of %zu moves, %lld bytes kept\n", model.Record(now)->history.size(),
                static_cast<long long>(SavedGameText(*model.Record(now)).size()));
    Print("recorded and handed over:", handed);
    Print("on the disk by the writer's thread:", written);
    return 0;
}
