#include "ui/game/run_game.h"

#include "core/score_list.h"
#include "core/settings_file.h"
#include "platform/exit_signals.h"
#include "platform/files.h"
#include "platform/first_paint.h"
#include "platform/fonts.h"
#include "platform/language.h"
#include "platform/message_box.h"
#include "ui/game/main_window.h"

#include <QApplication>
#include <QTimer>

#include <csignal>

int RunGame(QApplication& app) {
    // The name gives the user's data folder, ~/.local/share/sudoku. No display name is set: the
    // desktop would add it to every window's caption.
    QApplication::setApplicationName(QStringLiteral("sudoku"));
    // Under a file-size limit a write that goes beyond it fails, and the save says so; the signal
    // would end the game instead.
    std::signal(SIGXFSZ, SIG_IGN);
    // Only a portable copy keeps the user's files beside itself; a system-wide install keeps each
    // user's files in that user's own data folder, also for root.
    const QStringList names{SettingsFileName, ScoreFileName};
    const QString folderFailure = ChooseDataFolder(IsPortableFolder(ProgramFolder(), names), names);
    InstallFontSubstitutes();
    InstallDutchTexts(app);
    QApplication::setFont(PointFont(QStringLiteral("MS Sans Serif"), 8.25));
    // Watched before the window is made, so that a signal while it starts ends it as well, once
    // the event loop runs.
    Main* game = nullptr;
    EndOnSignals(&app, [&game] {
        if (game) {
            game->Files().Quiet();
        }
        QApplication::closeAllWindows();
        QCoreApplication::quit();
    });
    Main window;
    game = &window;
    if (QCoreApplication::arguments().contains(QStringLiteral("--quit-when-shown"))) {
        QuitAfterFirstPaint(window.findChild<QWidget*>(QStringLiteral("Pic")));
    }
    window.show();
    if (!folderFailure.isEmpty()) {
        QTimer::singleShot(0, &window, [&window, folderFailure] {
            FileFailureBox(&window,
                           QStringLiteral("Sudoku kan uw instellingen, scores en puzzels niet "
                                          "bewaren in deze map. Het spel werkt wel, maar wat u "
                                          "verandert is weg wanneer u het afsluit."),
                           DataFolder(), folderFailure);
        });
    }
    return app.exec();
}
