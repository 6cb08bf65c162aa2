// "Volgende stap": the next step a person can take, marked on the board and explained in the info
// line, one part at a time.
#include "core/step_advice.h"
#include "platform/board_overlay.h"
#include "ui/game/board_geometry.h"
#include "ui/game/main_window.h"

#include <QAction>
#include <QLabel>

namespace {

const QColor UnitOutline(0, 100, 220);
const QColor DecidingTint(255, 200, 0, 90);
const QColor PlaceTint(0, 170, 0, 90);
const QColor PlaceOutline(0, 140, 0);
const QColor StruckTint(230, 0, 0, 70);
const QColor WrongOutline(220, 0, 0);

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

// The marks of a part: the deciding cells tinted, the units outlined, and the cells the part is
// about, green where a number goes, red where something is wrong or struck.
std::vector<OverlayMark> MarksOf(const AdvicePart& part, bool placement) {
    std::vector<OverlayMark> marks;
    for (const QPoint& cell : part.deciding) {
        marks.push_back({CellBox(cell), DecidingTint, true});
    }
    for (const QPoint& cell : part.focus) {
        marks.push_back({CellBox(cell), placement ? PlaceTint : StruckTint, true});
        if (placement || part.deciding.empty()) {
            marks.push_back({CellBox(cell), placement ? PlaceOutline : WrongOutline, false});
        }
    }
    for (const logic::Unit& unit : part.outlined) {
        marks.push_back({UnitBox(unit), UnitOutline, false});
    }
    return marks;
}

}  // namespace

void Main::HelpVolgendeStap_Click() {
    if (!model_.GameActive()) {
        return;
    }
    // Asked again on the same board, the advice goes on with its next part.
    if (advicePart_ + 1 < advice_.parts.size()) {
        ++advicePart_;
    } else {
        advice_ = AdviseNextStep(model_);
        advicePart_ = 0;
    }
    const AdvicePart& part = advice_.parts[advicePart_];
    const bool placement =
        advice_.kind == StepAdvice::Kind::Placement && advicePart_ + 1 == advice_.parts.size();
    stepMarks_ = MarksOf(part, placement);
    picView_->update();
    board_.ShowInfo(part.text);
    // Should the line be too short for the whole explanation, the pointer shows all of it.
    boardControls_.InfoBalk->setToolTip(part.text);
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
