#pragma once

#include <QPoint>
#include <QRect>
#include <QString>

#include <functional>

class QWidget;

// What assistive technology, a screen reader for one, is told about the program's own painted
// controls.

// A control that paints a grid of cells, known to assistive technology as a table with a cell
// for each of them. Cells are (column, row), both from 1.
struct AccessibleGrid {
    int columns = 9;
    int rows = 9;
    // What a cell is called: where it is and what it holds.
    std::function<QString(QPoint cell)> name;
    // The cell that has the keyboard's attention while the control has the focus.
    std::function<QPoint()> cursor;
    // Where a cell is shown, in the control's own coordinates.
    std::function<QRect(QPoint cell)> place;
};
void MakeAccessibleGrid(QWidget* control, AccessibleGrid grid);
// A cell's name changed: what it holds.
void GridCellChanged(QWidget* control, QPoint cell);
// The cursor moved: the cell under it has the focus, for a screen reader to speak it.
void GridCursorMoved(QWidget* control);

// A control that acts on a click or a key, known to assistive technology as a button.
void MakeAccessibleButton(QWidget* control, std::function<void()> press);

// Has a screen reader say something once, without moving the focus: through a control of the
// window, of the notification role, which exists for that alone.
void Announce(QWidget* window, const QString& text);
