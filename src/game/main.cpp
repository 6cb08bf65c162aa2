#include "game/main_window.h"
#include "platform/first_paint.h"
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
    if (QCoreApplication::arguments().contains(QStringLiteral("--quit-when-shown"))) {
        QuitAfterFirstPaint(window.findChild<QWidget*>(QStringLiteral("Pic")));
    }
    window.show();
    return app.exec();
}
