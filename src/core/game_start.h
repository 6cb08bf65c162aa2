#pragma once

#include <QDate>
#include <QDateTime>
#include <QFlags>
#include <QJsonObject>
#include <QString>

#include <optional>

// Where the puzzle of a game came from: drawn by chance, the givens of the player's pattern, a
// solution loaded from a file, or the puzzle of the day.
enum class PuzzleSource { Drawn, Pattern, Loaded, Daily };

// The help a player can have in a game: the hint, the solution board, the next step (F3) and the
// candidates filled in.
enum class Help { Hint = 0x1, Solution = 0x2, NextStep = 0x4, Candidates = 0x8 };
Q_DECLARE_FLAGS(HelpUsed, Help)
Q_DECLARE_OPERATORS_FOR_FLAGS(HelpUsed)

// How a game began: where its puzzle came from, and when. The moment, to the millisecond, names
// the game in the statistics; a game without one is not counted.
struct GameStart {
    PuzzleSource source = PuzzleSource::Drawn;
    // The date whose puzzle of the day it is.
    QDate day;
    QDateTime begun;
    bool operator==(const GameStart&) const = default;
};
// A game that begins now.
GameStart BeginNow(PuzzleSource source, QDate day = {});

// The start and the help of a game in JSON, as the kept game and the statistics hold them:
// "help", and, for a game that has its moment, "puzzle", "begun" and, for the puzzle of the day,
// "day".
void WriteStart(QJsonObject& object, const GameStart& start, HelpUsed help);
// A start without its moment where the object has none; nothing when the object holds a start or
// help that this version does not know.
std::optional<std::pair<GameStart, HelpUsed>> ReadStart(const QJsonObject& object);

// The congratulation on a completed game, which names the help used in the words of the menus:
// "..., met hulp opgelost (Hint en Volgende stap)...".
QString Congratulation(HelpUsed help);
