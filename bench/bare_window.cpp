// The yardstick of the game's start-up: a bare Qt window with a menu bar and a label, started
// and ended the same way.
#include "platform/first_paint.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("File"));
    auto* label = new QLabel(QStringLiteral("Info"), &window);
    window.setCentralWidget(label);
    window.resize(596, 387);
    if (QCoreApplication::arguments().contains(QStringLiteral("--quit-when-shown"))) {
        QuitAfterFirstPaint(label);
    }
    window.show();
    return app.exec();
}
