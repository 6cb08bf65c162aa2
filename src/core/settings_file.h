#pragma once

#include "core/settings.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Sudoku.ini: the nine pattern rows, a separator, the digit colour, the highlight colour and the
// difficulty, one record each.
inline const QString SettingsFileName = QStringLiteral("Sudoku.ini");

// Takes over the values of the file, record by record, into the settings. Reading stops at the
// first record that is missing or cannot be converted; the values read until then stay, the rest
// keep what the settings held. Values are made sound on the way in: the difficulty is clamped
// into 2..8, colour components into 0..255, and a pattern row becomes nine characters "0"/"1".
void ReadSettingsFile(QByteArrayView text, GameSettings& settings);

QByteArray FormatSettingsFile(const GameSettings& settings);

// The settings file as a copy of the game writes it while another copy may change it too: what
// the file holds, with the settings this copy changed since it read or wrote the file (those in
// which `now` differs from `before`) put in. The pattern counts as one setting.
QByteArray MergeSettingsFile(QByteArrayView file, const GameSettings& before,
                             const GameSettings& now);

// A pattern row of exactly nine characters: missing characters are "0", anything but "1" is "0".
QString SoundPatternRow(const QString& row);
