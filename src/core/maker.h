#pragma once

#include <QString>

// The maker's web page, opened from the help menu and printed under every puzzle.
inline const QString MakerAddress = QStringLiteral("https://sudoku.brenvik.nl/");
