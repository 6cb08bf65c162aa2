#pragma once

#include "core/settings.h"
#include "platform/files.h"

#include <QByteArray>
#include <QString>

// The settings that Sudoku.ini has no record for, kept in a file of their own beside it, in the
// settings store's ini format.
inline const QString PreferencesFileName = QStringLiteral("Voorkeuren.ini");

// Takes over what the file holds; what it lacks keeps its value.
void ReadPreferences(const QString& path, GameSettings& settings);
// Writes the values that differ from what the file holds, merged with what another copy of the
// program may have written meanwhile, and says why when the file could not be written.
FileResult WritePreferences(const QString& path, const GameSettings& settings);

// The game window's size, place and state, as the window saves them; empty when none is kept.
// A place that cannot be kept costs only the place: the window opens where it opens at first.
QByteArray ReadWindowPlace(const QString& path);
void WriteWindowPlace(const QString& path, const QByteArray& place);
