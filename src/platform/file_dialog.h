#pragma once

#include <QString>

class QWidget;

// A modal dialog that asks for the name under which to save a file. The filter names the kind of
// file with its patterns, "Jpg format (*.jpg)". The name of an existing file is only given after
// the user has agreed to replace it, and a read-only file is refused. The answer is the name as
// chosen, or the empty string when the dialog was cancelled. A name without an extension gets
// `defaultSuffix` where one is given, before the question whether to replace a file.
QString SaveFileDialog(QWidget* owner, const QString& filter,
                       const QString& defaultSuffix = QString());
