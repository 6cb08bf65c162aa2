#pragma once

#include "core/grid.h"
#include "core/settings.h"

class Random;

// The cells a new puzzle gives away: the player's pattern, or each cell by chance with
// probability 1/difficulty, drawn row by row.
CellSet ChooseGivens(const GameSettings& settings, Random& random);
