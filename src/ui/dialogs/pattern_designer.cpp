#include "ui/dialogs/pattern_designer.h"

#include "platform/accessible.h"
#include "platform/board_overlay.h"
#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/twips.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include <algorithm>

namespace {

// The dialog's controls in twips, relative to the frame around everything.
constexpr ControlSpec PatroonLayout[] = {
    {"Frame1", ControlKind::Frame, "", "", 60, -30, 5505, 3300},
    {"Label1", ControlKind::Label, "Frame1", "", 150, 255, 2880, 2880},
    {"Label5", ControlKind::Label, "Frame1", "", 3180, 270, 2190, 2400},
    {"Label2", ControlKind::BorderLabel, "Frame1", "", 3870, 2820, 1500, 360},
    {"CancelKnop", ControlKind::Button, "Frame1", "Cancel", 3900, 2850, 870, 300},
    {"OkKnop", ControlKind::Button, "Frame1", "Ok", 4770, 2850, 570, 300},
};

constexpr int Picture1Left = 240;
constexpr int Picture1Top = 345;

const QColor PanelColour(200, 255, 255);

const QColor BlockLine(0, 0, 0);
const QColor CellLine(200, 200, 200);

// Lines 1, 4, 7 and 10 border the blocks.
QColor LineColour(int k) {
    return (k - 1) % 3 == 0 ? BlockLine : CellLine;
}

// The grid, which hands the keys it takes to the dialog.
class PatternView : public SurfaceView {
  public:
    PatternView(Patroonform& form, Surface& surface, QWidget* parent)
        : SurfaceView(surface, parent), form_(form) {}

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (!form_.Picture1_KeyDown(event->key(), event->isAutoRepeat())) {
            SurfaceView::keyPressEvent(event);
        }
    }

  private:
    Patroonform& form_;
};

}  // namespace

QString Patroonform::ExplanationText() {
    return QStringLiteral("Door op de vakjes te klikken met de linkermuistoets ") +
           QStringLiteral("wordt deze gevuld met een kleur. Met de rechtermuistoets ") +
           QStringLiteral("wordt dit vakje weer leeg gemaakt. ") + QStringLiteral("\r\n\r\n") +
           QStringLiteral("Op de gekleurde vakjes wordt in de puzzel de getallen weergegeven ") +
           QStringLiteral("die zichtbaar blijven volgens een vast patroon.");
}

Patroonform::Patroonform(GameSettings& settings, QWidget* parent)
    : QDialog(parent), settings_(settings), picture1_(PictureTwips, PictureTwips) {
    Form_Load();
}

Patroonform::~Patroonform() = default;

void Patroonform::Form_Load() {
    setObjectName(QStringLiteral("Patroonform"));
    setWindowTitle(QStringLiteral(" Patroon ontwerper"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFont(DialogFont());
    SizeWindowTwips(this, 5700, 3690);
    controls_ = std::make_unique<Controls>(this, PatroonLayout);
    const Controls& c = *controls_;

    auto* panel = c.Get<QLabel>("Label1");
    SetControlColour(panel, QPalette::Window, PanelColour);

    picture1View_ = new PatternView(*this, picture1_, c["Frame1"]);
    picture1View_->setObjectName(QStringLiteral("Picture1"));
    picture1View_->setCursor(Qt::PointingHandCursor);
    PlaceTwips(picture1View_, Picture1Left, Picture1Top, PictureTwips, PictureTwips);
    connect(picture1View_, &SurfaceView::MouseDown, this, &Patroonform::Picture1_MouseDown);
    // The grid has the focus first, and Tab goes on to "Cancel" and "Ok". The cursor shows over
    // its picture. A screen reader knows it as a table of its cells, named as the board names
    // its own.
    picture1View_->setFocusPolicy(Qt::StrongFocus);
    picture1View_->setFocus();
    picture1View_->SetOverlay([this](QPainter& painter, const QImage&) { PaintCursor(painter); });
    MakeAccessibleGrid(
        picture1View_,
        {.name =
             [this](QPoint cell) {
                 return QStringLiteral("rij %1, kolom %2, %3")
                     .arg(cell.y())
                     .arg(cell.x())
                     .arg(IsSet(cell) ? QStringLiteral("getoond") : QStringLiteral("leeg"));
             },
         .cursor = [this] { return cursor_; },
         .place =
             [this](QPoint cell) {
                 const double scale = ZoomOf(picture1View_) / TwipsPerPixel;
                 return QRectF(FaceLeft(cell.x()) * scale, FaceTop(cell.y()) * scale,
                               FaceSize * scale, FaceSize * scale)
                     .toAlignedRect();
             }});
    picture1View_->setAccessibleName(QStringLiteral("Patroon"));
    picture1View_->setAccessibleDescription(
        QStringLiteral("De pijltjestoetsen kiezen een vakje, de spatiebalk kleurt het of maakt "
                       "het leeg."));

    // Each line stops one pixel before its end point, so that the grey lines leave the black
    // border whole and no line stands out beyond the border.
    for (int k = 1; k <= 10; ++k) {
        const int at = 300 * (k - 1);
        picture1_.Line(QPointF(at, 0), QPointF(at, 2715 - TwipsPerPixel), LineColour(k));
    }
    for (int k = 1; k <= 10; ++k) {
        const int at = 300 * (k - 1);
        picture1_.Line(QPointF(15, at), QPointF(2700 - TwipsPerPixel, at), LineColour(k));
    }

    auto* explanation = c.Get<QLabel>("Label5");
    explanation->setWordWrap(true);
    explanation->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    explanation->setText(ExplanationText());

    // A row that came in short or damaged shows the cells it does mark; "Ok" writes it whole.
    for (int r = 1; r <= 9; ++r) {
        const QString& row = settings_.PatternRows[r];
        for (int col = 1; col <= 9 && col <= row.size(); ++col) {
            if (row[col - 1] == u'1') {
                PaintFace(col, r, SetFace);
            }
        }
    }

    connect(c.Get<QPushButton>("OkKnop"), &QPushButton::clicked, this, &Patroonform::OkKnop_Click);
    connect(c.Get<QPushButton>("CancelKnop"), &QPushButton::clicked, this,
            &Patroonform::CancelKnop_Click);
}

void Patroonform::PaintFace(int c, int r, const QColor& colour) {
    picture1_.FillBox(QPointF(FaceLeft(c), FaceTop(r)),
                      QPointF(FaceLeft(c) + FaceSize, FaceTop(r) + FaceSize), colour);
}

bool Patroonform::IsSet(QPoint cell) const {
    const QPointF centre(FaceLeft(cell.x()) + FaceSize / 2, FaceTop(cell.y()) + FaceSize / 2);
    return picture1_.Pixel(centre) == SetFace;
}

void Patroonform::MoveCursor(QPoint cell) {
    if (cell != cursor_) {
        cursor_ = cell;
        picture1View_->update();
        GridCursorMoved(picture1View_);
    }
}

void Patroonform::PaintCursor(QPainter& painter) {
    if (!picture1View_->hasFocus() || !testAttribute(Qt::WA_KeyboardFocusChange)) {
        return;
    }
    const QPointF corner(FaceLeft(cursor_.x()), FaceTop(cursor_.y()));
    PaintMarks(painter, picture1_,
               {{QRectF(corner, corner + QPointF(FaceSize, FaceSize)),
                 palette().color(QPalette::Highlight)}});
}

void Patroonform::Picture1_MouseDown(int button, QPointF at) {
    if (button != 1 && button != 2) {
        return;
    }
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            // Only a press strictly inside a face counts; lines and gaps hit nothing.
            if (FaceLeft(c) < at.x() && at.x() < FaceLeft(c) + FaceSize && FaceTop(r) < at.y() &&
                at.y() < FaceTop(r) + FaceSize) {
                PaintFace(c, r, button == 1 ? SetFace : ClearFace);
                MoveCursor({c, r});
                GridCellChanged(picture1View_, {c, r});
            }
        }
    }
}

bool Patroonform::Picture1_KeyDown(int key, bool repeated) {
    QPoint to = cursor_;
    // An arrow at the edge goes nowhere, as on the board.
    if (const std::optional<QPoint> step = ArrowStep(key)) {
        to = {std::clamp(to.x() + step->x(), 1, 9), std::clamp(to.y() + step->y(), 1, 9)};
    } else {
        switch (key) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                // Not the dialog's first button, Cancel, which would throw the pattern away.
                return true;
            case Qt::Key_Space:
                // Held down, the cell does not flicker between its colours.
                if (!repeated) {
                    PaintFace(cursor_.x(), cursor_.y(), IsSet(cursor_) ? ClearFace : SetFace);
                    GridCellChanged(picture1View_, cursor_);
                }
                break;
            default:
                return false;
        }
    }
    // The player works from the keyboard: the cursor shows, as the focus does after Tab.
    setAttribute(Qt::WA_KeyboardFocusChange);
    picture1View_->update();
    MoveCursor(to);
    return true;
}

void Patroonform::OkKnop_Click() {
    for (int r = 1; r <= 9; ++r) {
        // Each row is written whole, so that it always holds nine characters.
        QString row(9, u'0');
        for (int c = 1; c <= 9; ++c) {
            if (IsSet({c, r})) {
                row[c - 1] = u'1';
            }
        }
        settings_.PatternRows[r] = row;
    }
    accept();
}

void Patroonform::CancelKnop_Click() {
    reject();
}
