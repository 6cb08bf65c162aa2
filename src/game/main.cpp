#include "game/main_window.h"
#include "platform/fonts.h"
#include "platform/language.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sudoku"));
    InstallFontSubstitutes();
    InstallDutchTexts(app);
    QApplication::setFont(PointFont(QStringLiteral("MS Sans Serif"), 8.25));
    Main window;
    window.show();
    return app.exec();
}
