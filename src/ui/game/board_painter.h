#pragma once

#include "core/grid.h"

#include <QColor>
#include <QFont>

#include <bitset>

class Surface;

// Draws the board on a surface; the screen, the printer and the picture files all show what it
// draws.
namespace board {

// The font of the digits: Arial, bold, 15.75 point.
QFont DigitFont();
// The outlines of the 81 cells in grey, then the outlines of the nine blocks in black over them.
void DrawGrid(Surface& surface);
// The face of cell (c, r) in a colour.
void PaintFace(Surface& surface, int c, int r, const QColor& colour);
// A digit in cell (c, r), written as a number is printed: with a blank before and after it.
void DrawDigit(Surface& surface, int c, int r, int digit, const QColor& colour);
// The pencil marks of cell (c, r): each digit d of `marks` small in its ninth of the face.
void DrawMarks(Surface& surface, int c, int r, const std::bitset<10>& marks, const QColor& colour);

}  // namespace board
