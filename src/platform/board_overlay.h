#pragma once

#include <QColor>
#include <QRectF>
#include <QWidget>

#include <vector>

// A mark drawn over a board on the screen: a box, filled or outlined, in twips of the board.
struct OverlayMark {
    QRectF twips;
    QColor colour;
    bool filled = false;
};

// Marks laid over a board on the screen only, never into its picture: what the board shows in
// its image, what the input reads there, and what is printed or saved stay as they were. The
// overlay covers its parent, lets the mouse through to it and scales with it.
class BoardOverlay : public QWidget {
    Q_OBJECT
  public:
    // `boardTwips`: the size of the board in twips, which the parent's width shows.
    BoardOverlay(double boardTwips, QWidget* parent);

    void SetMarks(std::vector<OverlayMark> marks);
    const std::vector<OverlayMark>& Marks() const { return marks_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    double boardTwips_;
    std::vector<OverlayMark> marks_;
};
