#include "core/givens.h"

#include "core/random.h"

#include <QLatin1String>

CellSet ChooseGivens(const GameSettings& settings, Random& random) {
    CellSet givens;
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            givens[CellBit(c, r)] =
                settings.UsePattern ? settings.PatternRows[r].mid(c - 1, 1) == QLatin1String("1")
                                    : random.Draw(settings.Difficulty) == settings.Difficulty;
        }
    }
    return givens;
}
