// Saves the game's two files over and over, switching between two versions of each, until it is
// killed. The crash-safety test kills it at random moments.
#include "platform/files.h"
#include "ui/game/main_window.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    SetProgramFolder(QString::fromLocal8Bit(argv[1]));
    Main main;
    for (long round = 0;; ++round) {
        const bool second = round % 2 == 1;
        main.Settings().Difficulty = second ? 8 : 2;
        main.Scores().Clear();
        // The second list is long, so that writing it takes a while.
        for (int i = 0; i < (second ? 3000 : 1); ++i) {
            main.Scores().Insert(QStringLiteral("0:%1:00:0 - Speler %2")
                                     .arg(i % 60, 2, 10, QLatin1Char('0'))
                                     .arg(i));
        }
        main.SaveFiles();
        std::printf("saved %ld\n", round);
        std::fflush(stdout);
    }
}
