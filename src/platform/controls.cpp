#include "platform/controls.h"

#include "platform/twips.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <algorithm>
#include <cmath>

namespace {

// The borders of a window and the height of its caption and menu bars, in pixels, as the outer
// sizes of the windows were measured.
constexpr int WindowBorder = 4;
constexpr int CaptionHeight = 19;
constexpr int MenuHeight = 19;

// The desktop's mark of the control with the focus, around it.
void PaintFocus(QWidget* control, QPainter& painter) {
    QStyleOptionFocusRect option;
    option.initFrom(control);
    control->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, control);
}

// A scroll bar that the keyboard reaches with Tab, not with a click, and that then takes the
// arrows, PageUp, PageDown, Home and End; given the focus, it shows it.
class ScrollBar : public QScrollBar {
  public:
    ScrollBar(Qt::Orientation orientation, QWidget* parent) : QScrollBar(orientation, parent) {
        setFocusPolicy(Qt::TabFocus);
    }

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        // The thumb of a horizontal bar goes the way the arrow points; the scroll bar's controls,
        // turned round for the wheel, would turn Left and Right round too.
        const int key = event->key();
        if (orientation() == Qt::Horizontal && (key == Qt::Key_Left || key == Qt::Key_Right)) {
            triggerAction((key == Qt::Key_Right) != isRightToLeft() ? SliderSingleStepAdd
                                                                    : SliderSingleStepSub);
            event->accept();
            return;
        }
        QScrollBar::keyPressEvent(event);
    }
    void paintEvent(QPaintEvent* event) override {
        QScrollBar::paintEvent(event);
        if (hasFocus()) {
            QPainter painter(this);
            PaintFocus(this, painter);
        }
    }
};

QWidget* MakeControl(ControlKind kind, QWidget* parent, const QString& caption) {
    switch (kind) {
        case ControlKind::Frame:
            return new FrameBox(parent);
        case ControlKind::Label: {
            auto* label = new QLabel(caption, parent);
            label->setTextFormat(Qt::PlainText);
            return label;
        }
        case ControlKind::BorderLabel: {
            auto* label = new QLabel(parent);
            label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            label->setLineWidth(1);
            return label;
        }
        case ControlKind::ClickLabel: {
            auto* label = new ClickLabel(parent);
            label->setTextFormat(Qt::PlainText);
            label->setText(caption);
            return label;
        }
        case ControlKind::Button:
            return new QPushButton(caption, parent);
        case ControlKind::CheckBox:
            return new QCheckBox(caption, parent);
        case ControlKind::HScroll:
            return new ScrollBar(Qt::Horizontal, parent);
        case ControlKind::VScroll:
            return new ScrollBar(Qt::Vertical, parent);
        case ControlKind::TextBox:
            return new QLineEdit(caption, parent);
        case ControlKind::ListBox:
            return new QListWidget(parent);
    }
    return nullptr;
}

}  // namespace

Controls::Controls(QWidget* window, std::span<const ControlSpec> table) {
    for (const ControlSpec& row : table) {
        QWidget* container = row.container[0] == 0 ? window : byName_.value(row.container);
        Q_ASSERT_X(container, row.name, "the container comes before its controls");
        QWidget* control = MakeControl(row.kind, container, QString::fromUtf8(row.caption));
        control->setObjectName(QString::fromLatin1(row.name));
        PlaceTwips(control, row.left, row.top, row.width, row.height);
        byName_.insert(control->objectName(), control);
    }
}

QWidget* Controls::operator[](const char* name) const {
    QWidget* control = byName_.value(QString::fromLatin1(name));
    Q_ASSERT_X(control, name, "no control of that name");
    return control;
}

void Controls::Name(std::span<const SpokenName> names) const {
    for (const SpokenName& spoken : names) {
        (*this)[spoken.control]->setAccessibleName(QString::fromUtf8(spoken.name));
    }
}

void SetControlColour(QWidget* control, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = control->palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, role, colour);
    }
    control->setPalette(palette);
    if (role == QPalette::Window) {
        control->setAutoFillBackground(true);
    }
}

double ZoomOf(const QWidget* control) {
    for (; control; control = control->parentWidget()) {
        const QVariant zoom = control->property(ZoomProperty);
        if (zoom.isValid()) {
            return zoom.toDouble();
        }
    }
    return 1;
}

void PlaceTwips(QWidget* control, int left, int top, int width, int height) {
    control->setProperty(TwipsProperty, QRect(left, top, width, height));
    if (width == NaturalSize || height == NaturalSize) {
        control->adjustSize();
    }
    const QSize natural = control->size();
    const double zoom = ZoomOf(control->parentWidget());
    // Larger, a control takes every pixel that it covers in part, so that what is drawn to its
    // size is never cut, and controls that touch at the original size touch at any other.
    const auto start = [zoom](int twips) {
        return zoom == 1 ? TwipsToPixels(twips)
                         : static_cast<int>(std::floor(zoom * twips / TwipsPerPixel + 1e-6));
    };
    const auto end = [zoom](int twips) {
        return zoom == 1 ? TwipsToPixels(twips)
                         : static_cast<int>(std::ceil(zoom * twips / TwipsPerPixel - 1e-6));
    };
    control->setGeometry(start(left), start(top),
                         width == NaturalSize ? natural.width() : end(left + width) - start(left),
                         height == NaturalSize ? natural.height() : end(top + height) - start(top));
}

void PlaceTwipsAgain(QWidget* control) {
    const QRect twips = control->property(TwipsProperty).toRect();
    PlaceTwips(control, twips.x(), twips.y(), twips.width(), twips.height());
}

void SizeWindowTwips(QWidget* window, int outerWidth, int outerHeight, bool withMenu) {
    window->setFixedSize(TwipsToPixels(outerWidth) - 2 * WindowBorder,
                         TwipsToPixels(outerHeight) - 2 * WindowBorder - CaptionHeight -
                             (withMenu ? MenuHeight : 0));
}

void FrameBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect r = rect().adjusted(0, fontMetrics().height() / 2, -1, -1);
    const QColor dark = palette().color(QPalette::Mid);
    const QColor light = palette().color(QPalette::Light);
    painter.setPen(dark);
    painter.drawRect(r.adjusted(0, 0, -1, -1));
    painter.setPen(light);
    painter.drawRect(r.adjusted(1, 1, 0, 0));
}

void ClickLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && isEnabled()) {
        emit Clicked();
    }
    QLabel::mousePressEvent(event);
}

void ClickLabel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (isEnabled() && !event->isAutoRepeat()) {
                emit Clicked();
            }
            event->accept();
            break;
        default:
            QLabel::keyPressEvent(event);
    }
}

void ClickLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (hasFocus()) {
        QPainter painter(this);
        PaintFocus(this, painter);
    }
}

void PictureButton::SetPicture(const QPixmap& picture) {
    picture_ = picture;
    update();
}

void PictureButton::keyPressEvent(QKeyEvent* event) {
    // Space presses it as it does every button; Return and Enter too, as they do a ClickLabel.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        !event->isAutoRepeat()) {
        click();
        event->accept();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
    if (hasFocus()) {
        PaintFocus(this, painter);
    }
}

OutlineSquare::OutlineSquare(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void OutlineSquare::SetColour(const QColor& colour) {
    colour_ = colour;
    update();
}

void OutlineSquare::paintEvent(QPaintEvent*) {
    // Sides one pixel wide inside the square, filled, so that on a dense screen they are whole
    // device pixels and none falls outside.
    QPainter painter(this);
    const QRect r = rect();
    painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), colour_);
    painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), colour_);
    painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), colour_);
    painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), colour_);
    // The brackets: two pixels thick, a quarter of the side long, two pixels in from the outline.
    const int thick = std::max(2, r.width() / 16);
    const int length = r.width() / 4;
    const QRect inner = r.adjusted(thick + 1, thick + 1, -thick - 1, -thick - 1);
    for (const QPoint corner :
         {inner.topLeft(), inner.topRight(), inner.bottomLeft(), inner.bottomRight()}) {
        const int x = corner.x() == inner.left() ? corner.x() : corner.x() - length + 1;
        const int y = corner.y() == inner.top() ? corner.y() : corner.y() - length + 1;
        const int hx = corner.x() == inner.left() ? corner.x() : corner.x() - thick + 1;
        const int vy = corner.y() == inner.top() ? corner.y() : corner.y() - thick + 1;
        painter.fillRect(QRect(x, vy, length, thick), colour_);
        painter.fillRect(QRect(hx, y, thick, length), colour_);
    }
}

std::optional<QPoint> ArrowStep(int key) {
    switch (key) {
        case Qt::Key_Left:
            return QPoint(-1, 0);
        case Qt::Key_Right:
            return QPoint(1, 0);
        case Qt::Key_Up:
            return QPoint(0, -1);
        case Qt::Key_Down:
            return QPoint(0, 1);
        default:
            return std::nullopt;
    }
}
