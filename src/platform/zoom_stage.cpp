#include "platform/zoom_stage.h"

#include "platform/controls.h"

#include <QFont>

#include <algorithm>
#include <cmath>

namespace {

// The property that keeps a control's font as it was at zoom one.
constexpr char OriginalFont[] = "originalFont";

QFont Scaled(QFont font, double zoom) {
    if (font.pointSizeF() > 0) {
        font.setPointSizeF(font.pointSizeF() * zoom);
    } else {
        font.setPixelSize(static_cast<int>(std::lround(font.pixelSize() * zoom)));
    }
    return font;
}

}  // namespace

ZoomStage::ZoomStage(QWidget* content, int grain, QWidget* parent)
    : QWidget(parent), content_(content), original_(content->size()), grain_(grain) {
    content_->setParent(this);
    content_->move(0, 0);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

double ZoomStage::Step(double zoom) const {
    // A little room for the rounding of a size that was made from a step.
    const double unit = grain_ * devicePixelRatioF();
    const double smallest = std::ceil(unit - 1e-6) / unit;
    return std::max(smallest, std::floor(zoom * unit + 1e-6) / unit);
}

QSize ZoomStage::sizeHint() const {
    const double zoom = Step(1);
    return {static_cast<int>(std::ceil(original_.width() * zoom - 1e-6)),
            static_cast<int>(std::ceil(original_.height() * zoom - 1e-6))};
}

void ZoomStage::resizeEvent(QResizeEvent*) {
    Fit();
}

void ZoomStage::Fit() {
    const double room =
        std::min(1.0 * width() / original_.width(), 1.0 * height() / original_.height());
    const double zoom = Step(room);
    if (zoom != zoom_) {
        Apply(zoom);
    }
    content_->move((width() - content_->width()) / 2, (height() - content_->height()) / 2);
    if (zoom != zoom_) {
        zoom_ = zoom;
        emit zoomChanged(zoom);
    }
}

void ZoomStage::Apply(double zoom) {
    content_->setUpdatesEnabled(false);
    content_->setProperty(ZoomProperty, zoom);
    content_->setFixedSize(static_cast<int>(std::ceil(original_.width() * zoom - 1e-6)),
                           static_cast<int>(std::ceil(original_.height() * zoom - 1e-6)));
    // The fonts first: a control of its text's size takes the size of the larger text.
    QList<QWidget*> controls = content_->findChildren<QWidget*>();
    controls.prepend(content_);
    for (QWidget* control : controls) {
        QVariant original = control->property(OriginalFont);
        if (!original.isValid() &&
            (control == content_ || control->testAttribute(Qt::WA_SetFont))) {
            original = control->font();
            control->setProperty(OriginalFont, original);
        }
        if (original.isValid()) {
            control->setFont(Scaled(original.value<QFont>(), zoom));
        }
    }
    for (QWidget* control : std::as_const(controls)) {
        if (control->property(TwipsProperty).isValid()) {
            PlaceTwipsAgain(control);
        }
    }
    content_->setUpdatesEnabled(true);
}
