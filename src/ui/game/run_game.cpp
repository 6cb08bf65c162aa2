#include "ui/game/run_game.h"

#include "core/score_list.h"
#include "core/settings_file.h"
#include "platform/exit_signals.h"
#include "platform/files.h"
#include "platform/first_paint.h"
#include "platform/fonts.h"
#include "platform/language.h"
#include "platform/message_box.h"
#include "platform/single_copy.h"
#include "ui/game/main_window.h"

#include <QApplication>

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
    // One game on the user's files, in one window: a second start brings the first to the front.
    SingleCopy copy(DataFolder());
    const SingleCopy::Start start = copy.Claim();
    if (start == SingleCopy::Start::Raised) {
        return 0;
    }
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
    QWidget* board = window.findChild<QWidget*>(QStringLiteral("Pic"));
    if (QCoreApplication::arguments().contains(QStringLiteral("--quit-when-shown"))) {
        QuitAfterFirstPaint(board);
    }
    QObject::connect(&copy, &SingleCopy::raiseRequested, &window, [&window] {
        window.setWindowState((window.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
        window.raise();
        window.activateWindow();
    });
    if (start == SingleCopy::Start::OtherUnreached) {
        window.Files().LeaveToAnotherCopy();
    }
    window.show();
    // Messages wait until the window stands where the desktop put it, so that they stand over it.
    if (!folderFailure.isEmpty()) {
        AfterFirstPaint(board, [&window, folderFailure] {
            FileFailureBox(&window,
                           QStringLiteral("Sudoku kan uw instellingen, scores en puzzels niet "
                                          "bewaren in deze map. Het spel werkt wel, maar wat u "
                                          "verandert is weg wanneer u het afsluit."),
                           DataFolder(), folderFailure);
        });
    } else if (start == SingleCopy::Start::OtherUnreached) {
        AfterFirstPaint(board, [&window] {
            MessageBox(&window,
                       QStringLiteral("Sudoku speelt al in een ander venster, dat niet antwoordt. "
                                      "Zolang dat speelt, worden het spel en de instellingen van "
                                      "dit venster niet bewaard; uw scores wel."),
                       ProgramTitle, Buttons::Ok, BoxIcon::Exclamation);
        });
    }
    return app.exec();
}
