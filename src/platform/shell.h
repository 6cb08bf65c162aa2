#pragma once

#include <QString>

#include <functional>

class QWidget;

// Asks the desktop to open a file or a web address with its default program. The answer of the
// desktop is not waited for.
void OpenDocument(QWidget* owner, const QString& pathOrAddress);

// Tests listen here to what would be opened; with a listener set nothing is opened.
void SetOpenListener(std::function<void(const QString&)> listener);

// The hourglass pointer over the whole screen while the program works, the arrow again after.
void ShowBusyPointer();
void ShowArrowPointer();
