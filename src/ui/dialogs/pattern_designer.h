#pragma once

#include "core/settings.h"
#include "platform/surface.h"

#include <QColor>
#include <QDialog>
#include <QPoint>
#include <QPointF>

#include <memory>

class Controls;
class QPainter;
class SurfaceView;

// The designer of the player's own pattern of givens: a small grid in which a left click colours
// a cell and a right click clears it; from the keyboard, the arrows move a cursor and Space
// colours or clears its cell. The pattern being drawn lives only in the colours of the faces;
// "Ok" reads them back into the pattern rows, every other way out leaves them alone.
class Patroonform : public QDialog {
    Q_OBJECT
  public:
    explicit Patroonform(GameSettings& settings, QWidget* parent = nullptr);
    ~Patroonform() override;

    // The grid the player draws on.
    Surface& Picture1() { return picture1_; }

    // The explanation beside the grid.
    static QString ExplanationText();

    // The face of the cell in column c, row r (1..9) starts at (FaceLeft(c), FaceTop(r)) and is
    // FaceSize twips wide and high; a set cell's face is SetFace, a clear one's ClearFace.
    static constexpr int PictureTwips = 2730;
    static constexpr int FaceSize = 270;
    static int FaceLeft(int c) { return 15 + 300 * (c - 1); }
    static int FaceTop(int r) { return 15 + 300 * (r - 1); }
    static inline const QColor SetFace{0, 255, 0};
    static inline const QColor ClearFace{255, 255, 255};

    // The cell (column, row) of the keyboard's cursor; a click on a cell puts it there too.
    QPoint Cursor() const { return cursor_; }

    void Picture1_MouseDown(int button, QPointF at);
    // True when the grid took the key: an arrow or Space.
    bool Picture1_KeyDown(int key, bool repeated);
    void OkKnop_Click();
    void CancelKnop_Click();

  private:
    void Form_Load();
    void PaintFace(int c, int r, const QColor& colour);
    bool IsSet(QPoint cell) const;
    void MoveCursor(QPoint cell);
    // The cursor shows while the grid has the focus and the player works from the keyboard.
    void PaintCursor(QPainter& painter);

    GameSettings& settings_;
    Surface picture1_;
    std::unique_ptr<Controls> controls_;
    SurfaceView* picture1View_ = nullptr;
    QPoint cursor_{1, 1};
};
