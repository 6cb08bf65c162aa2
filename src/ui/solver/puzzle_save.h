#pragma once

#include "core/puzzle_file.h"

class QWidget;

// The solver window's "Save": asks for a name and writes the grid that the 81 cells show as a
// puzzle file in the puzzle folder of the program folder. cellTexts holds the texts of the cells
// by cell number 1..81 (box by box). Every question and message has `owner` as its owner; the
// cells are not changed.
void SavePuzzle(QWidget* owner, const CellTexts& cellTexts);
