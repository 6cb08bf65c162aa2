#pragma once

#include <QImage>
#include <QPixmap>

// The pictures of the program, drawn once when first asked for; the pixmaps are drawn at the
// device pixel ratio of the screens, their sizes are given in pixels. Those of the game window
// can also be had for the window shown at a zoom of its original size: that much larger, and as
// sharp.
namespace Plaatjes {

// Number button n (1..9), 32 x 32 pixels: its normal face, or the face of the chosen number.
QPixmap Knop(int n, bool selected, double zoom = 1);
// The lock beside "Oplossing": closed while the puzzle shows, open while the solution shows.
QPixmap SlotClose(double zoom = 1);
QPixmap SlotOpen(double zoom = 1);
// Icon of command i (1..5) of the command column, 32 x 32 pixels.
QPixmap CommandIcon(int i, double zoom = 1);
// The banner at the top of a printed puzzle, 500 x 100 pixels.
QImage Logo();
// The soft shadows below (450 x 50) and to the right (50 x 400) of a printed board.
QImage BottomShadow();
QImage RightShadow();
// The close picture of the score list, 40 x 30 pixels.
QPixmap ClosePicture();
// The program's icon.
QPixmap ProgramIcon();
// The picture of the settings dialog, 32 x 32 pixels: three sliders.
QPixmap SettingsPicture();

}  // namespace Plaatjes
