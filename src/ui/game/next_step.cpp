// "Volgende stap": the next step a person can take, marked on the board and explained in the info
// line, one part at a time.
#include "core/step_advice.h"
#include "platform/board_overlay.h"
#include "platform/fonts.h"
#include "ui/game/board_geometry.h"
#include "ui/game/main_window.h"

#include <QAction>
#include <QLabel>
#include <QPainter>

namespace {

const QColor UnitOutline(0, 100, 220);
const QColor DecidingTint(255, 200, 0, 90);
const QColor SecondGroupTint(0, 170, 220, 80);
const QColor PlaceTint(0, 170, 0, 90);
const QColor PlaceOutline(0, 140, 0);
const QColor StruckTint(230, 0, 0, 70);
const QColor WrongOutline(220, 0, 0);
// A candidate struck: in this part, and in the parts before it.
const QColor StruckDigit(220, 0, 0);
const QColor EarlierStruckDigit(220, 0, 0, 110);
const QColor LinkColour(120, 0, 160, 200);

QRectF CellBox(QPoint cell) {
    return {board::CellLeft(cell.x()), board::CellTop(cell.y()), board::CellPitch,
            board::CellPitch};
}

QRectF UnitBox(logic::Unit unit) {
    const int n = unit.number;
    switch (unit.kind) {
        case logic::UnitKind::Row:
            return {0, board::CellTop(n), 9 * board::CellPitch, board::CellPitch};
        case logic::UnitKind::Column:
            return {board::CellLeft(n), 0, board::CellPitch, 9 * board::CellPitch};
        case logic::UnitKind::Block:
            break;
    }
    return {static_cast<double>((n - 1) % 3 * board::BlockPitch),
            static_cast<double>((n - 1) / 3 * board::BlockPitch), board::BlockPitch,
            board::BlockPitch};
}

// The square of a cell's face where its pencil mark for the digit stands.
QRectF MarkBox(QPoint cell, int digit) {
    const QPointF centre = board::MarkCentre(cell.x(), cell.y(), digit);
    const QPointF half(board::MarkPitch / 2.0, board::MarkPitch / 2.0);
    return {centre - half, centre + half};
}

// The marks of a part: the deciding cells tinted, the units outlined, and the cells the part is
// about, green and framed where a number goes, red and hatched where something is wrong or struck.
std::vector<OverlayMark> MarksOf(const AdvicePart& part, bool placement) {
    std::vector<OverlayMark> marks;
    for (const QPoint& cell : part.deciding) {
        marks.push_back({CellBox(cell), DecidingTint, MarkStyle::Tint});
    }
    for (const QPoint& cell : part.secondGroup) {
        marks.push_back({CellBox(cell), SecondGroupTint, MarkStyle::Tint});
    }
    for (const QPoint& cell : part.focus) {
        marks.push_back({CellBox(cell), placement ? PlaceTint : StruckTint,
                         placement ? MarkStyle::Tint : MarkStyle::Hatched});
        if (placement || part.deciding.empty()) {
            marks.push_back({CellBox(cell), placement ? PlaceOutline : WrongOutline});
        }
    }
    for (const logic::Unit& unit : part.outlined) {
        marks.push_back({UnitBox(unit), UnitOutline});
    }
    return marks;
}

// A struck candidate: its digit in the place of its pencil mark, crossed out, over the player's
// own mark when there is one.
void PaintStruck(QPainter& painter, const Surface& surface, const StruckMark& mark,
                 const QColor& colour) {
    for (int digit = 1; digit <= 9; ++digit) {
        if ((mark.digits & logic::DigitBit(digit)) == 0) {
            continue;
        }
        const QRectF twips = MarkBox(mark.cell, digit);
        const QRect box = surface.DeviceBox(twips.topLeft(), twips.bottomRight());
        QFont font = painter.font();
        font.setPixelSize(std::max(6, box.height() * 3 / 4));
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(QPen(colour, std::max(1.0, box.height() / 10.0)));
        painter.drawText(box, Qt::AlignCenter, QString::number(digit));
        painter.drawLine(box.bottomLeft(), box.topRight());
    }
}

// A link of a chain from the middle of one cell to the middle of the other: drawn through for a
// strong link, dashed for a weak one.
void PaintLink(QPainter& painter, const Surface& surface, const LinkMark& link) {
    const QPointF from =
        surface.DeviceBox(CellBox(link.from).topLeft(), CellBox(link.from).bottomRight()).center();
    const QPointF to =
        surface.DeviceBox(CellBox(link.to).topLeft(), CellBox(link.to).bottomRight()).center();
    const double width = std::max(1.5, surface.DeviceBox({0, 0}, {45, 45}).width() * 1.0);
    QPen pen(LinkColour, width, Qt::SolidLine, Qt::FlatCap);
    if (!link.strong) {
        pen.setDashPattern({1.5, 1.5});
    }
    painter.setPen(pen);
    painter.drawLine(from, to);
}

}  // namespace

void Main::HelpVolgendeStap_Click() {
    if (!model_.GameActive()) {
        return;
    }
    model_.UseHelp(Help::NextStep);
    // Asked again on the same board, the advice goes on with its next part.
    if (advicePart_ + 1 < advice_.parts.size()) {
        ++advicePart_;
    } else {
        advice_ = AdviseNextStep(model_, struck_);
        advicePart_ = 0;
    }
    const AdvicePart& part = advice_.parts[advicePart_];
    // What the part strikes is known from now on, also to the advice after a move.
    Remember(part, struck_);
    const bool placement =
        advice_.kind == StepAdvice::Kind::Placement && advicePart_ + 1 == advice_.parts.size();
    stepMarks_ = MarksOf(part, placement);
    picView_->update();
    board_.ShowInfo(part.text);
    // Should the line be too short for the whole explanation, the pointer shows all of it.
    boardControls_.InfoBalk->setToolTip(part.text);
}

void Main::PaintStep(QPainter& painter) {
    PaintMarks(painter, pic_, stepMarks_);
    if (advice_.parts.empty()) {
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(PointFont(QStringLiteral("Arial"), 9));
    // What the parts before this one struck stays marked.
    for (std::size_t i = 0; i <= advicePart_; ++i) {
        for (const StruckMark& mark : advice_.parts[i].struck) {
            PaintStruck(painter, pic_, mark, i == advicePart_ ? StruckDigit : EarlierStruckDigit);
        }
    }
    for (const LinkMark& link : advice_.parts[advicePart_].links) {
        PaintLink(painter, pic_, link);
    }
    painter.restore();
}

void Main::ForgetAdvice() {
    if (advice_.parts.empty()) {
        return;
    }
    advice_ = {};
    advicePart_ = 0;
    stepMarks_.clear();
    picView_->update();
    board_.ShowInfo(QStringLiteral("Info"));
    boardControls_.InfoBalk->setToolTip(QString());
}
