#include "core/score_list.h"
#include "core/settings_file.h"
#include "platform/files.h"
#include "platform/first_paint.h"
#include "platform/fonts.h"
#include "platform/language.h"
#include "ui/game/main_window.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The name gives the user's data folder, ~/.local/share/sudoku. No display name is set: the
    // desktop would add it to every window's caption.
    QApplication::setApplicationName(QStringLiteral("sudoku"));
    // A system-wide install keeps each user's files in that user's own data folder.
    ChooseDataFolder(CanKeepFilesIn(ProgramFolder(), {SettingsFileName, ScoreFileName}));
    InstallFontSubstitutes();
    InstallDutchTexts(app);
    QApplication::setFont(PointFont(QStringLiteral("MS Sans Serif"), 8.25));
    Main window;
    if (QCoreApplication::arguments().contains(QStringLiteral("--quit-when-shown"))) {
        QuitAfterFirstPaint(window.findChild<QWidget*>(QStringLiteral("Pic")));
    }
    window.show();
    return app.exec();
}
