// The game as its program runs it, where right after start-up a player enters a score and changes
// the difficulty; then it runs until something ends it. The exit test sends it signals.
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
            }
        }
        std::puts("entered");
        std::fflush(stdout);
    });
    return RunGame(app);
}
