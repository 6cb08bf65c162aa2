#pragma once

#include <QWidget>

class QGraphicsProxyWidget;
class QGraphicsScene;
class QGraphicsView;

// Shows a control of fixed size as one picture at the size of the room it is given: scaled by the
// same factor both ways and centred, and drawn anew at that scale, so that its lines, letters and
// pictures stay sharp. At a scale of one the control stands in the room itself, as it would
// without the stage.
class ZoomStage : public QWidget {
    Q_OBJECT
  public:
    // The stage takes the control as its child; its size is the control's size at scale one.
    ZoomStage(QWidget* content, QWidget* parent);

    static constexpr double MinZoom = 0.5;
    double Zoom() const { return zoom_; }
    QSize ContentSize() const;
    QSize sizeHint() const override { return ContentSize(); }
    QSize minimumSizeHint() const override;
    // The control that a key given to `control` is meant for: while the stage is scaled, keys
    // come to its view, which hands them on to the control with the focus inside the stage.
    QWidget* KeyTarget(QWidget* control) const;

  signals:
    void zoomChanged(double zoom);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void Fit();
    void ShowInPlace();
    void ShowScaled(double zoom);

    QWidget* content_;
    QGraphicsScene* scene_ = nullptr;
    QGraphicsView* view_ = nullptr;
    QGraphicsProxyWidget* proxy_ = nullptr;
    double zoom_ = 1;
};
