#pragma once

#include "core/grid.h"

#include <QByteArray>

// The web page of a board: an HTML form with one field per cell, named Vak1..Vak81 row by row.
// Every digit on the board, a given or the player's, stands in a grey read-only field; every
// empty cell is a white field that takes only the digits 1 to 9. The form posts to Sudoku.asp.
// The page is plain ASCII with CR LF after every line, the last one included.
QByteArray WebPage(const Grid& board);

// The number of lines of every page.
inline constexpr int WebPageLineCount = 157;
