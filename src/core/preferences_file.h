#pragma once

#include "core/settings.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Voorkeuren.ini: the switches that Sudoku.ini has no record for, and the game window's size and
// place, in the ini format of Qt's settings store, so that the store and a person read it alike:
//
//     [General]
//     AlleenUniek=false
//     Venster=@ByteArray(\x1\xd9\xd0\xcb\0\x3...)
//
// Every line the program does not write keeps its bytes.
inline const QString PreferencesFileName = QStringLiteral("Voorkeuren.ini");

// Takes over the switches the file holds; those it lacks or holds in another form keep their
// value.
void ReadPreferencesFile(QByteArrayView text, GameSettings& settings);

// The window's size and place as the file holds them; empty when it holds none.
QByteArray WindowPlaceIn(QByteArrayView text);

// The file as a copy of the game writes it while another copy may change it too: what the file
// holds, with the switches this copy changed (those in which `now` differs from `before`) put in.
QByteArray MergePreferencesFile(QByteArrayView text, const GameSettings& before,
                                const GameSettings& now);

// The file with the window's size and place put in.
QByteArray WithWindowPlace(QByteArrayView text, const QByteArray& place);
