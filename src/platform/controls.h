#pragma once

#include <QAbstractButton>
#include <QHash>
#include <QLabel>
#include <QPixmap>
#include <QString>
#include <QWidget>

#include <optional>
#include <span>

// The kinds of control a window is built from.
enum class ControlKind {
    Frame,        // a frame without caption that groups controls
    Label,        // plain text
    BorderLabel,  // an empty label with a single-line border that frames other controls
    ClickLabel,   // text or picture that acts on a click
    Button,
    CheckBox,
    HScroll,
    VScroll,
    TextBox,
    ListBox,
};

inline constexpr int NaturalSize = -1;

// One control of a window: its name, kind, container (empty for the window itself), caption, and
// its place and size in twips relative to its container. A size of NaturalSize lets the control
// take the size its content needs.
struct ControlSpec {
    const char* name;
    ControlKind kind;
    const char* container;
    const char* caption;
    int left;
    int top;
    int width = NaturalSize;
    int height = NaturalSize;
};

// What assistive technology, a screen reader for one, calls a control whose caption does not say
// what it is, or says it only in part.
struct SpokenName {
    const char* control;
    const char* name;
};

// The controls of a window, built from a table; each control's objectName is its name in the
// table, so that tests and tools find it.
class Controls {
  public:
    Controls(QWidget* window, std::span<const ControlSpec> table);
    QWidget* operator[](const char* name) const;
    template <class T>
    T* Get(const char* name) const {
        return static_cast<T*>((*this)[name]);
    }
    // Gives controls of the table the names that assistive technology tells.
    void Name(std::span<const SpokenName> names) const;

  private:
    QHash<QString, QWidget*> byName_;
};

// Gives a control a colour in one of its roles (its text, its background) for as long as it is
// enabled; a disabled control keeps its greyed look. A background of the Window role is painted.
void SetControlColour(QWidget* control, QPalette::ColorRole role, const QColor& colour);

// Places a control at a position in twips; a size of NaturalSize keeps the control's natural size.
// Inside a container shown at a zoom of its original size (see ZoomOf), the place and the size
// are that much larger. The control keeps its place in twips, to be placed again at another zoom.
void PlaceTwips(QWidget* control, int left, int top, int width = NaturalSize,
                int height = NaturalSize);
// Places a control that PlaceTwips placed again where it was, at the zoom its container has now.
void PlaceTwipsAgain(QWidget* control);
// The zoom at which a control is shown: that of the nearest of it and its containers that has
// one, or 1. A container's zoom is its property ZoomProperty.
inline constexpr char ZoomProperty[] = "zoom";
double ZoomOf(const QWidget* control);
// The property that holds a control's place in twips (a QRect).
inline constexpr char TwipsProperty[] = "twips";

// Gives a window the inner size that belongs to an outer size in twips, which includes the
// caption bar, the borders and, for a window with a menu bar, the menu.
// The step in columns and rows that an arrow key takes on a grid of cells; none for other keys.
std::optional<QPoint> ArrowStep(int key);

void SizeWindowTwips(QWidget* window, int outerWidth, int outerHeight, bool withMenu = false);

// A frame without caption: an etched border whose top line lies a little below its top edge.
class FrameBox : public QWidget {
  public:
    explicit FrameBox(QWidget* parent) : QWidget(parent) {}

  protected:
    void paintEvent(QPaintEvent* event) override;
};

// A label that reports a left click, and takes none while it is disabled. Given the focus, it
// shows it and takes Space and Return as a click.
class ClickLabel : public QLabel {
    Q_OBJECT
  public:
    explicit ClickLabel(QWidget* parent) : QLabel(parent) {}

  signals:
    void Clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

// A button that shows nothing but its picture, and the focus when it has it. Space, Return and
// Enter press it.
class PictureButton : public QAbstractButton {
  public:
    explicit PictureButton(QWidget* parent) : QAbstractButton(parent) {}
    void SetPicture(const QPixmap& picture);
    const QPixmap& Picture() const { return picture_; }
    QSize sizeHint() const override {
        return picture_.isNull() ? QSize(32, 32) : picture_.deviceIndependentSize().toSize();
    }

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    QPixmap picture_;
};

// A square outline that lies over other controls without taking their mouse events, with a
// bracket inside each corner: where its lines fall on a frame of the same colour, its shape still
// shows where it is.
class OutlineSquare : public QWidget {
  public:
    explicit OutlineSquare(QWidget* parent);
    void SetColour(const QColor& colour);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor colour_ = Qt::red;
};
