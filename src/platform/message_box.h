#pragma once

#include <QString>

class QWidget;

// The program's title, carried by message and input boxes that have no title of their own.
inline const QString ProgramTitle = QStringLiteral("Sudoku");

enum class Buttons { Ok, YesNo, YesNoCancel };
enum class BoxIcon { None, Exclamation, Information };
enum class Answer { Ok, Yes, No, Cancel };

// A modal message box; closing it with its close box or Escape answers Cancel, No or Ok, as the
// buttons allow. `details` stand below the text.
Answer MessageBox(QWidget* owner, const QString& text, const QString& title = ProgramTitle,
                  Buttons buttons = Buttons::Ok, BoxIcon icon = BoxIcon::None,
                  const QString& details = QString());

// A modal question with two answers named by what they do; the first is the default, and closing
// the box or Escape gives the second. True for the first.
bool Ask(QWidget* owner, const QString& text, const QString& first, const QString& second,
         const QString& title = ProgramTitle);

// A file could not be written or read: the text, and below it the file's path and why.
void FileFailureBox(QWidget* owner, const QString& text, const QString& path,
                    const QString& failure, const QString& title = ProgramTitle);

// A modal text-input box; the answer is the typed text, or the empty string when it is cancelled.
QString InputBox(QWidget* owner, const QString& prompt, const QString& title = ProgramTitle,
                 const QString& defaultText = QString());
