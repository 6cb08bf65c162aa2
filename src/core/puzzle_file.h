#pragma once

#include "core/grid.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>
#include <optional>

// Puzzle files carry complete grids from the solver window to the game: nine lines of nine
// digits 1..9, top row first, each line ended by CR LF, 99 bytes in all. Which cells are given
// is not kept; the game chooses that when it loads a file.
inline constexpr int PuzzleFileSize = 99;

// The folder of the puzzle files below the program folder, and the ending of their names.
inline const QString PuzzleFolder = QStringLiteral("puzzels");
inline const QString PuzzleExtension = QStringLiteral(".puz");

// The texts of the solver window's cells by cell number 1..81, box by box; entry 0 is not used.
using CellTexts = std::array<QString, 82>;

// The grid that the cells show, when every cell holds one digit 1..9.
std::optional<Grid> GridFromCellTexts(const CellTexts& texts);

// The bytes of the file of a grid.
QByteArray PuzzleFileBytes(const Grid& grid);

// The grid of a file: the first nine characters of each of its first nine lines, which must be
// digits 1..9 forming a complete, valid solution. A line ends in CR LF or in LF alone, and the last
// need not be ended; what follows a line's ninth character, and whatever follows the ninth line
// (a blank line an editor added, the rest of a longer old file), is not read.
std::optional<Grid> ReadPuzzleFile(QByteArrayView bytes);

// Whether a name the user typed can stand as the file name of a puzzle in the puzzle folder:
// something that is not blank, names no other folder ("/" or "\", "." or ".."), holds no control
// character and, with ".puz", fits the 255 bytes a file name may have.
bool IsPlainPuzzleName(const QString& name);
