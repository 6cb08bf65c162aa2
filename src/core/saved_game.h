#pragma once

#include "core/game_model.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// The game in progress, kept in the data folder after every move so that the next start takes it
// up where it was left.
inline const QString SavedGameFileName = QStringLiteral("Spel.json");

// The record as a small JSON document.
QByteArray SavedGameText(const GameRecord& record);

// The record a saved game holds, or nothing when the text is not one, or is damaged or unsound in
// any part: a game is taken up whole or not at all.
std::optional<GameRecord> ReadSavedGame(QByteArrayView text);
