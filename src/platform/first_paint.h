#pragma once

#include <functional>

class QWidget;

// Calls `then` once `widget` has been painted for the first time and that paint has reached the
// screen: work the first look of a window does not need can wait for it.
void AfterFirstPaint(QWidget* widget, std::function<void()> then);

// Ends the program as soon as `widget` has been painted for the first time: start-up is measured
// with it, from the start of the process to the first window on the screen.
void QuitAfterFirstPaint(QWidget* widget);
