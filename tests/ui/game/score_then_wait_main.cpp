// The game as its program runs it, where right after start-up a player enters a score, changes
// the difficulty and places a number in a new puzzle; then it runs until something ends it. The
// exit test sends it signals.
#include "core/base_grids.h"
#include "core/score_list.h"
#include "ui/game/main_window.h"
#include "ui/game/run_game.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QTimer::singleShot(0, [] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* main = qobject_cast<Main*>(window)) {
                main->Scores().Insert(
                    ScoreEntry(QStringLiteral("0:01:02:3"), QStringLiteral("Els")));
                main->Settings().Difficulty = 7;
                main->Files().SettingsChanged();
                main->Settings().UsePattern = true;
                main->Settings().PatternRows[1] = QStringLiteral("011111111");
                main->LayOutPuzzle(TransformedGrid(2, 3));
                main->Model().Place({1, 1}, 9, {190, 0, 0});
            }
        }
        std::puts("entered");
        std::fflush(stdout);
    });
    return RunGame(app);
}
