#pragma once

class QApplication;

// The game as a program: chooses where the user's files are kept, shows the game window and runs
// the event loop until the window is closed or a signal or the end of the desktop session ends
// the program; the answer is the program's exit code.
int RunGame(QApplication& app);
