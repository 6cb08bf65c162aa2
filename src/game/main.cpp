#include "game/main_window.h"
#include "platform/fonts.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sudoku"));
    InstallFontSubstitutes();
    QApplication::setFont(PointFont(QStringLiteral("MS Sans Serif"), 8.25));
    Main window;
    window.show();
    return app.exec();
}
