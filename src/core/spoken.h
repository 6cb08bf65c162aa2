#pragma once

#include <QPoint>
#include <QString>

class GameModel;

// What a screen reader says of the board, in Dutch: where a cell is and what it holds, and the
// rows, columns and blocks read as one sentence each.

// "rij 3, kolom 5, 7, gegeven"; "rij 3, kolom 5, leeg, potlood 1 4 9"; a repeated number ends in
// ", dubbel".
QString CellSpoken(const GameModel& model, QPoint cell);

enum class SpokenUnit { Row, Column, Block };
// The unit of the cell, each of its cells by its number or "leeg": "rij 3: 5, leeg, 7, ...".
QString UnitSpoken(const GameModel& model, SpokenUnit unit, QPoint cell);

// A time played, in whole seconds: "1 uur, 3 minuten en 12 seconden".
QString TimeSpoken(long long seconds);

// The numbers that the board's numbers still leave the cell, whatever its pencil marks say:
// "rij 3, kolom 5 kan nog 1, 4 of 9 worden".
QString CandidatesSpoken(const GameModel& model, QPoint cell);
