#pragma once

#include <QColor>
#include <QPointF>

// The board in twips: cell (c, r), both 1..9, is the square from ((c - 1) x 525, (r - 1) x 525)
// to (c x 525, r x 525); its face is 495 x 495 starting 15 inside the outline, and its digit
// stands 90 right of and below the face's corner.
namespace board {

inline constexpr int BoardTwips = 4740;
inline constexpr int CellPitch = 525;
inline constexpr int BlockPitch = 3 * CellPitch;
inline constexpr int FaceInset = 15;
inline constexpr int FaceSize = 495;
inline constexpr int DigitInset = 105;
inline constexpr int HintLeftInset = 45;
inline constexpr int HighlightSize = 480;

inline const QColor CellLine(190, 190, 190);
inline const QColor BlockLine(0, 0, 0);
inline const QColor EmptyFace(255, 255, 255);
inline const QColor GivenFace(230, 230, 230);
inline const QColor GivenDigit(0, 0, 0);
inline const QColor HintDigit(0, 0, 255);
// On the screen only, over the board: the faces of the cells whose number repeats, framed in red,
// and of the cells that hold the number chosen or under the cursor.
inline const QColor RepeatFace(255, 208, 208);
inline const QColor RepeatGivenFace(236, 190, 190);
inline const QColor RepeatFrame(220, 0, 0);
inline const QColor MatchFace(206, 226, 255);
inline const QColor MatchGivenFace(186, 206, 236);
// Pencil marks are blue, or green for a player whose own digits are that blue; neither is a colour
// the input refuses.
inline const QColor MarkInk(30, 80, 200);
inline const QColor MarkInkBeside(0, 130, 70);

// Pencil mark d of a cell stands in the middle of the d-th of the face's nine squares, 1 top
// left, 9 bottom right.
inline constexpr int MarkPitch = FaceSize / 3;

inline double CellLeft(int c) {
    return CellPitch * (c - 1);
}
inline double CellTop(int r) {
    return CellPitch * (r - 1);
}
inline QPointF DigitPoint(int c, int r) {
    return {CellLeft(c) + DigitInset, CellTop(r) + DigitInset};
}

inline QPointF MarkCentre(int c, int r, int digit) {
    return {CellLeft(c) + FaceInset + MarkPitch * ((digit - 1) % 3 + 0.5),
            CellTop(r) + FaceInset + MarkPitch * ((digit - 1) / 3 + 0.5)};
}
inline QColor MarkColour(const QColor& digitColour) {
    return digitColour == MarkInk ? MarkInkBeside : MarkInk;
}
// A point near the face's corner where nothing but the face is ever drawn: the keyboard reads a
// cell's colour there, as the mouse reads it under the pointer.
inline QPointF FaceCorner(int c, int r) {
    return {CellLeft(c) + 2 * FaceInset, CellTop(r) + 2 * FaceInset};
}

// The hit square of cell (c, r) for the mouse: it lies 15 twips to the right of and below the
// drawn cell, and a point hits it only strictly inside.
inline double HitLeft(int c) {
    return FaceInset + CellPitch * (c - 1);
}
inline double HitTop(int r) {
    return FaceInset + CellPitch * (r - 1);
}
inline bool Hits(int c, int r, QPointF at) {
    return HitLeft(c) < at.x() && at.x() < HitLeft(c) + CellPitch && HitTop(r) < at.y() &&
           at.y() < HitTop(r) + CellPitch;
}

// A point is closed when it shows a line of the grid or belongs to a given cell.
inline bool IsClosedColour(const QColor& colour) {
    return colour == BlockLine || colour == CellLine || colour == GivenFace;
}

}  // namespace board
