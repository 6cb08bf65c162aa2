#pragma once

class QWidget;

// Ends the program as soon as `widget` has been painted for the first time: start-up is measured
// with it, from the start of the process to the first window on the screen.
void QuitAfterFirstPaint(QWidget* widget);
