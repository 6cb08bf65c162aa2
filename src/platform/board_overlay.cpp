#include "platform/board_overlay.h"

#include <QEvent>
#include <QPainter>

BoardOverlay::BoardOverlay(double boardTwips, QWidget* parent)
    : QWidget(parent), boardTwips_(boardTwips) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(parent->rect());
    parent->installEventFilter(this);
    hide();
}

void BoardOverlay::SetMarks(std::vector<OverlayMark> marks) {
    marks_ = std::move(marks);
    setVisible(!marks_.empty());
    update();
}

bool BoardOverlay::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parent() && event->type() == QEvent::Resize) {
        setGeometry(parentWidget()->rect());
    }
    return QWidget::eventFilter(watched, event);
}

void BoardOverlay::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double scale = width() / boardTwips_;
    for (const OverlayMark& mark : marks_) {
        const QRectF box(mark.twips.topLeft() * scale, mark.twips.size() * scale);
        if (mark.filled) {
            painter.fillRect(box, mark.colour);
        } else {
            // An outline of two pixels, inside the box.
            painter.setPen(QPen(mark.colour, 2.0));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(box.adjusted(1.0, 1.0, -1.0, -1.0));
        }
    }
}
