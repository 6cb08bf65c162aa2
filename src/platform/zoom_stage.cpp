#include "platform/zoom_stage.h"

#include <QApplication>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>

#include <algorithm>

ZoomStage::ZoomStage(QWidget* content, QWidget* parent) : QWidget(parent), content_(content) {
    content_->setParent(this);
    content_->move(0, 0);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize ZoomStage::ContentSize() const {
    return content_->size();
}

QSize ZoomStage::minimumSizeHint() const {
    return (QSizeF(ContentSize()) * MinZoom).toSize();
}

QWidget* ZoomStage::KeyTarget(QWidget* control) const {
    if (!view_ || !proxy_->widget() || (control != view_ && control != view_->viewport())) {
        return control;
    }
    QWidget* focus = content_->focusWidget();
    return focus ? focus : content_;
}

void ZoomStage::resizeEvent(QResizeEvent*) {
    Fit();
}

void ZoomStage::Fit() {
    const QSize need = ContentSize();
    double zoom = std::min(1.0 * width() / need.width(), 1.0 * height() / need.height());
    // A room a pixel or two larger shows the control as it is, in the middle.
    if (zoom >= 1 && (zoom - 1) * std::max(need.width(), need.height()) < 2) {
        zoom = 1;
    }
    zoom = std::max(zoom, MinZoom);
    if (zoom == 1) {
        ShowInPlace();
    } else {
        ShowScaled(zoom);
    }
    if (zoom != zoom_) {
        zoom_ = zoom;
        emit zoomChanged(zoom);
    }
}

void ZoomStage::ShowInPlace() {
    if (proxy_ && proxy_->widget()) {
        const bool focused = view_->hasFocus();
        // Hidden first: set free from the proxy, a shown control would become a window of its own.
        content_->hide();
        proxy_->setWidget(nullptr);
        content_->setParent(this);
        content_->show();
        view_->hide();
        if (focused) {
            setFocus();
        }
    }
    const QSize need = ContentSize();
    content_->move((width() - need.width()) / 2, (height() - need.height()) / 2);
}

void ZoomStage::ShowScaled(double zoom) {
    if (!view_) {
        scene_ = new QGraphicsScene(this);
        view_ = new QGraphicsView(scene_, this);
        view_->setObjectName(QStringLiteral("ZoomView"));
        view_->setFrameShape(QFrame::NoFrame);
        view_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view_->setAlignment(Qt::AlignCenter);
        view_->setRenderHints(QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
        view_->setBackgroundRole(QPalette::Window);
        proxy_ = new QGraphicsProxyWidget;
        scene_->addItem(proxy_);
    }
    if (!proxy_->widget()) {
        const bool focused = hasFocus() || isAncestorOf(QApplication::focusWidget());
        const QSize need = ContentSize();
        content_->hide();
        content_->setParent(nullptr);
        proxy_->setWidget(content_);
        content_->show();
        scene_->setSceneRect(QRectF(QPointF(0, 0), QSizeF(need)));
        view_->show();
        if (focused) {
            view_->setFocus();
        }
    }
    view_->setGeometry(rect());
    view_->setTransform(QTransform::fromScale(zoom, zoom));
}
